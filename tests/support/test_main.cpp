#include <gtest/gtest.h>

#include <QStandardPaths>

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
    Aplikacija app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
