// The content compiler's TSV reader: any bytes as the TSV source whose header they start
// with (signs when none), beside small real sources of the other three banks, compiled into
// record files as the compiler does.
#include "Zajednicko.h"

// The compiler is one source file; its reader is reached by including it, its main renamed.
#define main karuvel_sadrzaj_main
#include "sadrzaj/main.cpp"
#undef main

#include <QTemporaryDir>

namespace {

struct Izvori {
    QTemporaryDir folder;
    Izvori()
    {
        for (const char* ime : { "znakovi", "teorija", "situacije", "raskrsnice" }) {
            QFile seme(QStringLiteral(KARUVEL_FUZZ_KORPUS "/sadrzaj/%1.tsv").arg(QLatin1String(ime)));
            QFile f(Put(ime));
            if (seme.open(QIODevice::ReadOnly) && f.open(QIODevice::WriteOnly))
                f.write(seme.readAll());
        }
    }
    QString Put(const char* ime) const { return folder.filePath(QLatin1String(ime) + QStringLiteral(".tsv")); }
};

const char* ImeBanke(const QByteArray& b)
{
    if (b.startsWith("kategorija\tpitanje"))
        return "teorija";
    if (b.startsWith("slika\tpitanje"))
        return "situacije";
    if (b.startsWith("slika\tresenje"))
        return "raskrsnice";
    return "znakovi";
}

}  // namespace

KARUVEL_FUZZ_PRIPREMA

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* podaci, size_t velicina)
{
    static Izvori izvori;
    const QByteArray bajtovi = Fuzz::Bajtovi(podaci, velicina);
    const char* banka = ImeBanke(bajtovi);
    QByteArray pre;
    {
        QFile f(izvori.Put(banka));
        if (!f.open(QIODevice::ReadWrite))
            return 0;
        pre = f.readAll();
        f.resize(0);
        f.write(bajtovi);
    }
    try {
        for (const Banka& b : SveBanke(izvori.folder.path()))
            ZapisiFajl(b);
    } catch (const Greska&) {
    }
    QFile f(izvori.Put(banka));
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(pre);
    return 0;
}
