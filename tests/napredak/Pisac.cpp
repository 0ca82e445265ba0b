// Writes checks of ten answers each into the store named on the command line, without end,
// and prints the number of every check on its own line once it is committed.
#include "napredak/Skladiste.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2)
        return 2;
    Skladiste skladiste(QString::fromLocal8Bit(argv[1]));
    if (!skladiste.Otvoreno())
        return 1;
    for (int n = 1;; ++n) {
        Napredak::Provera p;
        p.kategorija = "B";
        for (int i = 0; i < 10; ++i)
            p.odgovori.push_back({Napredak::Banka::Teorija, static_cast<qint16>(n * 10 + i), "2", i % 3 == 0});
        if (!skladiste.ZapisiProveru(p))
            return 1;
        std::printf("%d\n", n);
        std::fflush(stdout);
    }
}
