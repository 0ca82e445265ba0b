#include "model/Ciklus.h"

Ciklus::Ciklus(int broj, int poTestu)
    : m_broj(broj)
    , m_poTestu(poTestu)
{
}

Module1::Greska Ciklus::Izvuci(int velicinaBanke, Module2::Generator& generator)
{
    Module1::Greska g;
    if (m_poTestu <= 0 || m_broj < m_poTestu || m_broj % m_poTestu != 0) {
        g.opis = QStringLiteral("Ciklus od %1 pitanja ne deli se na testove od po %2 pitanja.")
                     .arg(m_broj).arg(m_poTestu);
        return g;
    }
    const auto izvuceno = Module2::SlucajnaPitanja(generator, 0, velicinaBanke - 1, m_broj);
    if (!izvuceno) {
        g.opis = QStringLiteral("Banka ima %1 pitanja, a test traži %2 različitih.")
                     .arg(velicinaBanke).arg(m_broj);
        return g;
    }
    m_izvuceno = *izvuceno;
    m_pozicija = 0;
    return g;
}

std::vector<int> Ciklus::Sledeci()
{
    if (m_pozicija + m_poTestu > static_cast<int>(m_izvuceno.size()))
        return {};
    const auto od = m_izvuceno.begin() + m_pozicija;
    std::vector<int> test(od, od + m_poTestu);
    m_pozicija += m_poTestu;
    return test;
}
