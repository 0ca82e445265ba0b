#include "napredak/IzTesta.h"

#include "model/TestIspita.h"
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

std::vector<Odgovor> Odgovori(const TestIspita& test, const Presuda& presuda)
{
    std::vector<Odgovor> odgovori;
    for (int k = 0; k < presuda.Ukupno() && k < test.Broj(); ++k) {
        const Ocena o = presuda.ocene[static_cast<std::size_t>(k)];
        if (o == Ocena::BezOdgovora || !test.Odgovoreno(k))
            continue;
        const TestIspita::Pitanje& p = test.Pitanja()[static_cast<std::size_t>(k)];
        Odgovor odgovor { Banka::Teorija, p.kljuc, {}, o == Ocena::Tacno };
        const std::optional<int> izabran = test.Izabran(k);
        switch (p.vrsta) {
        case VrstaPitanja::Teorija:
        case VrstaPitanja::Situacija:
            odgovor.banka = p.vrsta == VrstaPitanja::Teorija ? Banka::Teorija : Banka::Situacije;
            odgovor.izabrano = QByteArray::number(p.izvorni[static_cast<std::size_t>(izabran.value_or(0))] + 1);
            break;
        case VrstaPitanja::Znak:
            odgovor.banka = Banka::Znakovi;
            odgovor.izabrano = QByteArray::number(p.izvorni[static_cast<std::size_t>(izabran.value_or(0))]);
            break;
        case VrstaPitanja::Raskrsnica:
            odgovor.banka = Banka::Raskrsnice;
            odgovor.izabrano = test.Upisano(k);
            break;
        }
        odgovori.push_back(std::move(odgovor));
    }
    return odgovori;
}

}  // namespace Napredak
