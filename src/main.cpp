#include "shell/Karuvel.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        std::fputs("Karuvel needs a graphical display; on a machine without one, start it with: "
                   "xvfb-run -a build/karuvel\n",
            stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Karuvel"));
    QApplication::setApplicationVersion(QStringLiteral("1.1"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/program/ikona.png")));

    Karuvel glavni;
    glavni.show();
    glavni.OProgramu_Click();
    return QApplication::exec();
}
