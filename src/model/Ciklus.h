#pragma once

#include "content/Module1.h"
#include "content/Module2.h"

#include <functional>
#include <vector>

// One draw of distinct bank records served a test at a time: `broj` records, `poTestu` per
// test. Pozicija counts the records served so far; a new draw is due at the start and once
// every record of the draw has been served.
class Ciklus {
public:
    Ciklus(int broj, int poTestu);

    int Broj() const { return m_broj; }
    int PoTestu() const { return m_poTestu; }
    int Pozicija() const { return m_pozicija; }
    bool NoviPotreban() const { return m_pozicija == 0 || m_pozicija >= m_broj; }

    // Draws a new cycle from a bank of velicinaBanke records (indices 0..velicinaBanke-1).
    // Refused, with its description, when the count is not a positive multiple of the test
    // size or the bank is smaller than the cycle; the cycle is then left as it was.
    Module1::Greska Izvuci(int velicinaBanke, Module2::Generator& generator);

    // The bank indices of the next test; advances Pozicija. Empty when the draw is used up.
    std::vector<int> Sledeci();

private:
    int m_broj;
    int m_poTestu;
    int m_pozicija = 0;
    std::vector<int> m_izvuceno;
};

// Loads the bank afresh and draws a new cycle from it. On a failure the bank and the cycle
// stay as they were.
template <class Zapis>
Module1::Greska NoviCiklus(Ciklus& ciklus, Module1::Banka<Zapis>& banka,
    const std::function<Module1::Banka<Zapis>()>& ucitavac, Module2::Generator& generator)
{
    Module1::Banka<Zapis> nova = ucitavac();
    if (nova.greska)
        return nova.greska;
    Ciklus novi = ciklus;
    if (Module1::Greska g = novi.Izvuci(static_cast<int>(nova.zapisi.size()), generator))
        return g;
    ciklus = novi;
    banka = std::move(nova);
    return {};
}
