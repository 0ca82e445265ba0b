// The help reader: any bytes as a help file (CHM), every file it lists read, its table of
// contents read as the help window reads it.
#include "Zajednicko.h"

#include "content/Tekst.h"
#include "help/PomocChm.h"
#include "help/PomocSadrzaj.h"

KARUVEL_FUZZ_PRIPREMA

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* podaci, size_t velicina)
{
    const PomocChm chm(Fuzz::Bajtovi(podaci, velicina));
    if (!chm.Otvoren())
        return 0;
    for (const QString& ime : chm.Imena())
        chm.Procitaj(ime);
    chm.Procitaj(chm.PocetnaStrana());
    if (const std::optional<QByteArray> hhc = chm.Procitaj(chm.Sadrzaj()))
        PomocSadrzaj::Procitaj(Tekst::izCp1250(*hhc));
    return 0;
}
