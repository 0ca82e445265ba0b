#include "napredak/Skladiste.h"
#include "shell/Karuvel.h"
#include "widgets/Izgled.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        std::fputs("Karuvel needs a graphical display and found none; without one, start it as: "
                   "xvfb-run -a ./run.sh (Debian package xvfb)\n",
            stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Karuvel"));
    QApplication::setApplicationVersion(QStringLiteral("1.1"));
    QApplication::setWindowIcon(Izgled::Ikona());

    // The candidate's progress; a store that cannot be used is told once (once the main
    // window shows) and left out.
    Skladiste napredak(Skladiste::PodrazumevaniPut());
    Karuvel glavni;
    glavni.show();
    glavni.OProgramu_Click();
    glavni.PostaviNapredak(&napredak);
    return QApplication::exec();
}
