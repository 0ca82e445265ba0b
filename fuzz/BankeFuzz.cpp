// The bank loaders: any bytes as each of the four text resources, loaded through the record
// file in the private temporary folder as the program loads them.
#include "Zajednicko.h"

#include "content/Module1.h"

KARUVEL_FUZZ_PRIPREMA

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* podaci, size_t velicina)
{
    const QByteArray bajtovi = Fuzz::Bajtovi(podaci, velicina);
    Module1::PostaviIzvor([&bajtovi](int) { return std::optional<QByteArray>(bajtovi); });
    Module1::UcitajSveZnakove();
    Module1::UcitajZnakove(3);
    const Module1::BankaPitanja teorija = Module1::UcitajTeoriju("B");
    teorija.greska.ZaKorisnika();
    Module1::UcitajSituacije("sve");
    Module1::UcitajRaskrsnice("sve");
    Module1::PostaviIzvor({});
    return 0;
}
