#include "model/TestPitanja.h"

#include "content/Kriptovanje.h"

TestPitanja::TestPitanja(Ucitavac ucitavac, int brojPitanja, int poTestu, bool saSlikom,
    Module2::Generator generator)
    : m_ucitavac(std::move(ucitavac))
    , m_saSlikom(saSlikom)
    , m_generator(generator)
    , m_ciklus(brojPitanja, poTestu)
{
}

Module1::Greska TestPitanja::NoviTest()
{
    if (m_ciklus.NoviPotreban()) {
        if (Module1::Greska g = NoviCiklus(m_ciklus, m_banka, m_ucitavac, m_generator))
            return g;
        m_redosled = *Module2::SlucajniOdgovori(m_generator, 0, 2, 3);
    }

    Ciklus ciklus = m_ciklus;
    std::vector<Pitanje> pitanja;
    for (const int q : ciklus.Sledeci()) {
        const Module1::Pitanje& zapis = m_banka.zapisi[static_cast<std::size_t>(q)];
        const QByteArray kljuc = Kriptovanje::KljucniTekst(zapis.kljuc);
        Pitanje p;
        p.zapis = q;
        p.kljuc = zapis.kljuc;
        p.tekst = Kriptovanje::Dekriptuj(kljuc, zapis.pitanje);
        // The loader has checked the correct answer's number (1..3) and the picture's.
        const int tacan = Module1::Broj(Kriptovanje::Dekriptuj(kljuc, zapis.tacan)).value_or(0) - 1;
        for (std::size_t j = 0; j < 3; ++j) {
            const int a = m_redosled[j];
            p.izvorni[j] = a;
            p.odgovori[j] = Kriptovanje::Dekriptuj(kljuc, zapis.odgovori[static_cast<std::size_t>(a)]);
            if (a == tacan)
                p.tacan = static_cast<int>(j);
        }
        if (m_saSlikom)
            p.slika = Module1::Broj(Kriptovanje::Dekriptuj(kljuc, zapis.slika)).value_or(0);
        pitanja.push_back(std::move(p));
    }
    m_ciklus = ciklus;
    m_pitanja = std::move(pitanja);
    m_izabrani.assign(m_pitanja.size(), std::nullopt);
    m_provereno = false;
    return {};
}

bool TestPitanja::Izaberi(int pitanje, int odgovor)
{
    if (pitanje < 0 || pitanje >= static_cast<int>(m_izabrani.size()) || odgovor < 0 || odgovor > 2)
        return false;
    std::optional<int>& izabran = m_izabrani[static_cast<std::size_t>(pitanje)];
    if (izabran)
        return false;
    izabran = odgovor;
    return true;
}

std::optional<int> TestPitanja::Izabran(int pitanje) const
{
    if (pitanje < 0 || pitanje >= static_cast<int>(m_izabrani.size()))
        return std::nullopt;
    return m_izabrani[static_cast<std::size_t>(pitanje)];
}

Presuda TestPitanja::Proveri()
{
    m_provereno = true;
    Presuda presuda;
    for (std::size_t k = 0; k < m_pitanja.size(); ++k) {
        const std::optional<int>& izabran = m_izabrani[k];
        if (!izabran)
            presuda.ocene.push_back(Ocena::BezOdgovora);
        else
            presuda.ocene.push_back(*izabran == m_pitanja[k].tacan ? Ocena::Tacno : Ocena::Netacno);
    }
    return presuda;
}
