#include "napredak/Skladiste.h"
#include "shell/Karuvel.h"
#include "shell/Pokretanje.h"
#include "shell/Signali.h"
#include "widgets/Izgled.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication::setApplicationName(QStringLiteral("Karuvel"));
    QApplication::setApplicationVersion(QStringLiteral("1.1"));
    if (const std::optional<int> izlaz = Pokretanje::PreProzora(argc, argv))
        return *izlaz;
    QApplication app(argc, argv);
    QApplication::setWindowIcon(Izgled::Ikona());
    // The desktop entry's name, so that a desktop shows the window under its launcher.
    QGuiApplication::setDesktopFileName(QStringLiteral("rs.karuvel.Karuvel"));
    Signali::Prihvati();

    // The candidate's progress; a store that cannot be used is told once (once the main
    // window shows) and left out.
    Skladiste napredak(Skladiste::PodrazumevaniPut());
    Karuvel glavni;
    glavni.show();
    glavni.OProgramu_Click();
    glavni.PostaviNapredak(&napredak);
    return QApplication::exec();
}
