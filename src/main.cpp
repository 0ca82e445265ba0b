#include "shell/Karuvel.h"
#include "shell/Signali.h"

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
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/program/ikona.png")));
    Signali::Prihvati();

    Karuvel glavni;
    glavni.show();
    glavni.OProgramu_Click();
    return QApplication::exec();
}
