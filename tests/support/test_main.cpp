#include <gtest/gtest.h>

#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#ifdef KARUVEL_WIDGETI
#include <QApplication>
using Aplikacija = QApplication;
#else
#include <QCoreApplication>
using Aplikacija = QCoreApplication;
#endif

int main(int argc, char** argv)
{
    // Settings and data the tests write go to a folder of their own, never the user's.
    QStandardPaths::setTestModeEnabled(true);
    // Test programs run side by side: each keeps its settings (such as the zoom) to itself.
    const QTemporaryDir postavke;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, postavke.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, postavke.path());
    Aplikacija app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
