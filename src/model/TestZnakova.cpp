#include "model/TestZnakova.h"

#include "content/Kriptovanje.h"

TestZnakova::TestZnakova(Ucitavac ucitavac, Module2::Generator generator)
    : m_ucitavac(std::move(ucitavac))
    , m_generator(generator)
{
}

Module1::Greska TestZnakova::NoviTest()
{
    const Module1::BankaZnakova banka = m_ucitavac();
    if (banka.greska)
        return banka.greska;
    if (static_cast<int>(banka.zapisi.size()) < BrojZnakova) {
        Module1::Greska g;
        g.opis = QStringLiteral("Banka ima %1 znakova, a test traži %2.").arg(banka.zapisi.size()).arg(BrojZnakova);
        return g;
    }
    const auto slike = Module2::SlucajnaPitanja(m_generator, 1, BrojZnakova, BrojSlika);
    const auto mesta = Module2::SlucajniOdgovori(m_generator, 0, BrojSlika - 1, BrojOpisa);

    for (int j = 0; j < BrojSlika; ++j) {
        m_slike[static_cast<std::size_t>(j)] = (*slike)[static_cast<std::size_t>(j)];
        m_kljucevi[static_cast<std::size_t>(j)] = banka.zapisi[static_cast<std::size_t>(m_slike[static_cast<std::size_t>(j)] - 1)].kljuc;
        m_tacno[static_cast<std::size_t>(j)].clear();
        m_upisano[static_cast<std::size_t>(j)].clear();
    }
    // Option i describes the sign at place mesta[i]; sign s is record s of the bank.
    for (int i = 0; i < BrojOpisa; ++i) {
        const int mesto = (*mesta)[static_cast<std::size_t>(i)];
        const Module1::Znak& znak = banka.zapisi[static_cast<std::size_t>(m_slike[static_cast<std::size_t>(mesto)] - 1)];
        m_opisi[static_cast<std::size_t>(i)] = Kriptovanje::Dekriptuj(Kriptovanje::KljucniTekst(znak.kljuc), znak.opis);
        m_tacno[static_cast<std::size_t>(mesto)] = QString::number(i + 1);
    }
    m_provereno = false;
    return {};
}

bool TestZnakova::Upisi(int polje, const QString& tekst)
{
    if (polje < 0 || polje >= BrojSlika || tekst.isEmpty() || Zakljucano(polje))
        return false;
    m_upisano[static_cast<std::size_t>(polje)] = tekst;
    return true;
}

Presuda TestZnakova::Proveri()
{
    m_provereno = true;
    Presuda presuda;
    for (int j = 0; j < BrojSlika; ++j) {
        if (Upisano(j) == Tacno(j))
            presuda.ocene.push_back(Ocena::Tacno);
        else
            presuda.ocene.push_back(Upisano(j).isEmpty() ? Ocena::BezOdgovora : Ocena::Netacno);
    }
    return presuda;
}
