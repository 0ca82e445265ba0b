// Resource bundles: any bytes as a bundle file, given to the picture loader; an accepted
// bundle has its pictures loaded and every file under its root read whole.
#include "Zajednicko.h"

#include "content/ResPicture.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

KARUVEL_FUZZ_PRIPREMA

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* podaci, size_t velicina)
{
    static QTemporaryDir folder;
    const QString put = folder.filePath(QStringLiteral("paket.rcc"));
    {
        QFile f(put);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        f.write(reinterpret_cast<const char*>(podaci), qint64(velicina));
    }
    ResPicture rp;
    if (!rp.setFileName(put))
        return 0;
    for (const char* vrsta : { "ZNAK", "SITUACIJA", "RASKRSNICA" }) {
        for (const int broj : { 1, 15 })
            rp.LoadResPicture(vrsta, broj);
    }
    for (const QString& koren : QDir(QStringLiteral(":/")).entryList({ QStringLiteral("ResPicture*") })) {
        QDirIterator it(QStringLiteral(":/") + koren, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile f(it.next());
            if (f.open(QIODevice::ReadOnly))
                f.readAll();
        }
    }
    return 0;
}
