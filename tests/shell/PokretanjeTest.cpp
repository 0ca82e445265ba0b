#include "shell/Pokretanje.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A program without a display is told how to start under xvfb-run the way it was installed.
TEST(Pokretanje, KomandaBezEkranaPremaNacinuInstalacije)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QDir koren(QDir(dir.path()).canonicalPath());
    const auto napravi = [&koren](const QString& ime) {
        koren.mkpath(QFileInfo(koren.filePath(ime)).path());
        QFile f(koren.filePath(ime));
        return f.open(QIODevice::WriteOnly) && f.write("#!/bin/sh\n") > 0
            && f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    };
    for (const char* ime : { "izvor/run.sh", "izvor/build/CMakeCache.txt", "izvor/build/karuvel",
             "gradnja/CMakeCache.txt", "gradnja/karuvel", "usr/bin/karuvel", "usr/local/bin/karuvel" })
        ASSERT_TRUE(napravi(ime)) << ime;
    // As on a merged /usr: bin is usr/bin.
    ASSERT_TRUE(QFile::link(koren.filePath("usr/bin"), koren.filePath("bin")));

    const auto k = [&koren](const char* ime) { return koren.filePath(ime); };
    struct Slucaj {
        const char* opis;
        QString program;
        QString radna;
        QStringList putanje;
        QString komanda;
    };
    const Slucaj slucajevi[] = {
        { "build folder, from the source folder", k("izvor/build/karuvel"), k("izvor"), { k("usr/bin") },
            "xvfb-run -a ./run.sh" },
        { "build folder, from elsewhere", k("izvor/build/karuvel"), k("izvor/build"), { k("nema") },
            "xvfb-run -a " + k("izvor/run.sh") },
        { "build folder without run.sh above it", k("gradnja/karuvel"), k("gradnja"), { k("nema") },
            "xvfb-run -a " + k("gradnja/karuvel") },
        { "installed, found on PATH", k("usr/bin/karuvel"), k("."), { k("nema"), k("usr/bin") },
            "xvfb-run -a karuvel" },
        { "installed, PATH through a linked folder", k("usr/bin/karuvel"), k("."), { k("bin") },
            "xvfb-run -a karuvel" },
        { "installed, not on PATH", k("usr/bin/karuvel"), k("."), { k("nema") },
            "xvfb-run -a " + k("usr/bin/karuvel") },
        { "installed, PATH finds another first", k("usr/bin/karuvel"), k("."),
            { k("usr/local/bin"), k("usr/bin") }, "xvfb-run -a " + k("usr/bin/karuvel") },
    };
    for (const Slucaj& s : slucajevi)
        EXPECT_EQ(Pokretanje::KomandaBezEkrana(s.program, s.radna, s.putanje), s.komanda) << s.opis;
}

}
