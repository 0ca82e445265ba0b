// A child program for the signal tests: the program's clean ending (Signali) around a load of
// the intersection bank whose resource arrives only when the test says so.
//   miruje   makes its private folder, prints "spreman" and waits in the event loop.
//   ucitava  starts the load; halfway, with a record file in the private folder, prints
//            "ucitava" and waits for a line on its standard input; then finishes the load,
//            prints "ucitano 1" (or "ucitano 0" on failure) and waits in the event loop.
//   ucita    loads at once and ends: status 0 when the load succeeded.
#include "content/Module1.h"
#include "shell/Signali.h"

#include <QCoreApplication>
#include <QFile>
#include <QTimer>

#include <cstdio>

namespace {

void Reci(const char* tekst)
{
    std::fputs(tekst, stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

std::optional<QByteArray> Resurs(int n)
{
    QFile f(QStringLiteral(":/TEKST/%1").arg(n));
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    return f.readAll();
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QString nacin = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    Signali::Prihvati();

    if (nacin == u"miruje") {
        QTimer::singleShot(0, [] {
            Reci(Module1::TempFolder().isEmpty() ? "bez foldera" : "spreman");
        });
    } else if (nacin == u"ucitava") {
        Module1::PostaviIzvor([](int n) {
            // A record file in place, as a load has it while it reads.
            QFile zapis(Module1::TempFolder() + Module1::ImeZapisa);
            if (zapis.open(QIODevice::WriteOnly))
                zapis.write("nije zapis");
            zapis.close();
            Reci("ucitava");
            char red[16];
            if (!std::fgets(red, sizeof red, stdin))
                return std::optional<QByteArray>();
            return Resurs(n);
        });
        QTimer::singleShot(0, [] {
            Reci(Module1::UcitajRaskrsnice("sve").greska ? "ucitano 0" : "ucitano 1");
        });
    } else if (nacin == u"ucita") {
        return Module1::UcitajRaskrsnice("sve").greska ? 1 : 0;
    } else {
        return 2;
    }
    return QCoreApplication::exec();
}
