#include "napredak/Slabosti.h"

#include <algorithm>

namespace Napredak {

int Kutija(const std::vector<bool>& ishodi)
{
    int kutija = 0;
    for (const bool tacno : ishodi)
        kutija = tacno ? std::min(kutija + 1, NajvecaKutija) : 0;
    return kutija;
}

bool Slabo(const std::vector<bool>& ishodi)
{
    return !ishodi.empty() && Kutija(ishodi) < KutijaNauceno;
}

Ponavljanje ZaPonavljanje(const std::vector<qint16>& banka, const std::map<qint16, std::vector<bool>>& ishodi, int najmanje)
{
    struct Kandidat {
        qint16 kljuc;
        int kutija;
    };
    std::vector<Kandidat> slabi;
    std::vector<qint16> novi;
    std::vector<Kandidat> nauceni;
    for (const qint16 k : banka) {
        const auto it = ishodi.find(k);
        if (it == ishodi.end() || it->second.empty())
            novi.push_back(k);
        else if (Slabo(it->second))
            slabi.push_back({k, Kutija(it->second)});
        else
            nauceni.push_back({k, Kutija(it->second)});
    }
    const auto poKutiji = [](const Kandidat& a, const Kandidat& b) { return a.kutija < b.kutija; };
    std::stable_sort(slabi.begin(), slabi.end(), poKutiji);
    std::stable_sort(nauceni.begin(), nauceni.end(), poKutiji);

    Ponavljanje p;
    for (const Kandidat& s : slabi)
        p.kljucevi.push_back(s.kljuc);
    p.slabih = static_cast<int>(slabi.size());
    for (std::size_t i = 0; i < novi.size() && static_cast<int>(p.kljucevi.size()) < najmanje; ++i, ++p.novih)
        p.kljucevi.push_back(novi[i]);
    for (std::size_t i = 0; i < nauceni.size() && static_cast<int>(p.kljucevi.size()) < najmanje; ++i)
        p.kljucevi.push_back(nauceni[i].kljuc);
    return p;
}

}  // namespace Napredak
