#include "model/TestRaskrsnica.h"

#include "content/Kriptovanje.h"

TestRaskrsnica::TestRaskrsnica(Ucitavac ucitavac, int brojPitanja, Module2::Generator generator)
    : m_ucitavac(std::move(ucitavac))
    , m_generator(generator)
    , m_ciklus(brojPitanja, PoTestu)
{
}

Module1::Greska TestRaskrsnica::NoviTest()
{
    if (m_ciklus.NoviPotreban()) {
        if (Module1::Greska g = NoviCiklus(m_ciklus, m_banka, m_ucitavac, m_generator))
            return g;
    }
    const std::vector<int> par = m_ciklus.Sledeci();
    for (std::size_t f = 0; f < m_zadaci.size(); ++f) {
        const Module1::Raskrsnica& zapis = m_banka.zapisi[static_cast<std::size_t>(par[f])];
        const QByteArray kljuc = Kriptovanje::KljucniTekst(zapis.kljuc);
        Zadatak& z = m_zadaci[f];
        z.zapis = par[f];
        z.kljuc = zapis.kljuc;
        // The loader has checked both fields: 1 to 9 digits, and a picture number.
        z.resenje = Kriptovanje::Dekriptuj(kljuc, zapis.resenje).left(NajviseVozila);
        z.slika = Module1::Broj(Kriptovanje::Dekriptuj(kljuc, zapis.slika)).value_or(0);
        z.uneto.clear();
    }
    m_provereno = false;
    return {};
}

bool TestRaskrsnica::Unesi(int f, int broj)
{
    if (f < 0 || f >= PoTestu || broj < 1 || broj > NajviseVozila)
        return false;
    Zadatak& z = m_zadaci[static_cast<std::size_t>(f)];
    if (z.uneto.size() >= z.resenje.size())
        return false;
    z.uneto += char('0' + broj);
    return true;
}

bool TestRaskrsnica::TacnoNaMestu(int f, int i) const
{
    const Zadatak& z = Pitanje(f);
    return i < z.uneto.size() && i < z.resenje.size() && z.uneto[i] == z.resenje[i];
}

Presuda TestRaskrsnica::Proveri()
{
    m_provereno = true;
    Presuda presuda;
    for (const Zadatak& z : m_zadaci) {
        if (z.uneto.isEmpty())
            presuda.ocene.push_back(Ocena::BezOdgovora);
        else
            presuda.ocene.push_back(z.uneto == z.resenje ? Ocena::Tacno : Ocena::Netacno);
    }
    return presuda;
}
