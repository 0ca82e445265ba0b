#include "napredak/IzTesta.h"

#include "model/TestPitanja.h"
#include "model/TestRaskrsnica.h"
#include "model/TestZnakova.h"

namespace Napredak {

std::vector<Odgovor> Odgovori(const TestPitanja& test, const Presuda& presuda, Banka banka)
{
    std::vector<Odgovor> odgovori;
    for (int k = 0; k < presuda.Ukupno() && k < static_cast<int>(test.Pitanja().size()); ++k) {
        const std::optional<int> izabran = test.Izabran(k);
        if (presuda.ocene[static_cast<std::size_t>(k)] == Ocena::BezOdgovora || !izabran)
            continue;
        const TestPitanja::Pitanje& p = test.Pitanja()[static_cast<std::size_t>(k)];
        odgovori.push_back({banka, p.kljuc, QByteArray::number(p.izvorni[static_cast<std::size_t>(*izabran)] + 1),
            presuda.ocene[static_cast<std::size_t>(k)] == Ocena::Tacno});
    }
    return odgovori;
}

std::vector<Odgovor> Odgovori(const TestZnakova& test, const Presuda& presuda)
{
    std::vector<Odgovor> odgovori;
    for (int j = 0; j < presuda.Ukupno() && j < TestZnakova::BrojSlika; ++j) {
        const Ocena o = presuda.ocene[static_cast<std::size_t>(j)];
        if (o == Ocena::BezOdgovora)
            continue;
        odgovori.push_back({Banka::Znakovi, test.Kljuc(j), test.Upisano(j).toLatin1(), o == Ocena::Tacno});
    }
    return odgovori;
}

std::vector<Odgovor> Odgovori(const TestRaskrsnica& test, const Presuda& presuda)
{
    std::vector<Odgovor> odgovori;
    for (int f = 0; f < presuda.Ukupno() && f < TestRaskrsnica::PoTestu; ++f) {
        const Ocena o = presuda.ocene[static_cast<std::size_t>(f)];
        if (o == Ocena::BezOdgovora)
            continue;
        odgovori.push_back({Banka::Raskrsnice, test.Pitanje(f).kljuc, test.Pitanje(f).uneto, o == Ocena::Tacno});
    }
    return odgovori;
}

}  // namespace Napredak
