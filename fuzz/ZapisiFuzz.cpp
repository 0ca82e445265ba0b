// The record reader: any bytes as a record file, read as records of 3, 4 and 7 fields (the
// four banks), each field deciphered and read as a number as the loaders do.
#include "Zajednicko.h"

#include "content/Kriptovanje.h"
#include "content/Module1.h"

KARUVEL_FUZZ_PRIPREMA

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* podaci, size_t velicina)
{
    const QByteArray bajtovi = Fuzz::Bajtovi(podaci, velicina);
    for (const int brojPolja : { 3, 4, 7 }) {
        Module1::CitacZapisa citac(bajtovi);
        std::vector<Module1::Polje> polja;
        while (!citac.Kraj() && citac.CitajZapis(brojPolja, polja)) {
            const qint16 kljuc = static_cast<qint16>(polja.back().tekst.toInt());
            const QByteArray kljucniTekst = Kriptovanje::KljucniTekst(kljuc);
            for (const Module1::Polje& p : polja)
                Module1::Broj(Kriptovanje::Dekriptuj(kljucniTekst, p.tekst));
        }
    }
    return 0;
}
