#include "napredak/Skladiste.h"
#include "shell/Karuvel.h"
#include "shell/Pokretanje.h"
#include "shell/Signali.h"
#include "widgets/Izgled.h"
#include "widgets/Stil.h"

#include <QApplication>

#include <optional>

int main(int argc, char* argv[])
{
    QApplication::setApplicationName(QStringLiteral("Karuvel"));
    QApplication::setApplicationVersion(QStringLiteral("1.1"));
    if (const std::optional<int> izlaz = Pokretanje::PreProzora(argc, argv))
        return *izlaz;
    Pokretanje::PripremaFontova fontovi;
    QApplication app(argc, argv);
    QApplication::setStyle(new Stil);
    QApplication::setWindowIcon(Izgled::Ikona());
    // The desktop entry's name, so that a desktop shows the window under its launcher.
    QGuiApplication::setDesktopFileName(QStringLiteral("rs.karuvel.Karuvel"));
    Signali::Prihvati();

    // The candidate's progress; a store that cannot be used is told once and left out. It is
    // opened once the window stands drawn: the start does not wait for it.
    std::optional<Skladiste> napredak;
    fontovi.Sacekaj();
    Karuvel glavni;
    glavni.show();
    glavni.OProgramu_Click();
    Pokretanje::PoslePrvogCrtanja(&glavni, [&] {
        napredak.emplace(Skladiste::PodrazumevaniPut());
        glavni.PostaviNapredak(&*napredak);
    });
    return QApplication::exec();
}
