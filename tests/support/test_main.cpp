#include <gtest/gtest.h>

#ifdef KARUVEL_WIDGETI
#include <QApplication>
using Aplikacija = QApplication;
#else
#include <QCoreApplication>
using Aplikacija = QCoreApplication;
#endif

int main(int argc, char** argv)
{
    Aplikacija app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
