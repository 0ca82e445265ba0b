// What every fuzz target shares: an application object (image plugins, resources) made once,
// and silence from Qt's warnings, which damaged input produces by the thousand.
#pragma once

#include <QByteArray>
#include <QCoreApplication>

#include <cstddef>
#include <cstdint>

namespace Fuzz {

inline void Pripremi(int* argc, char*** argv)
{
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    static QCoreApplication aplikacija(*argc, *argv);
}

inline QByteArray Bajtovi(const uint8_t* podaci, size_t velicina)
{
    return QByteArray(reinterpret_cast<const char*>(podaci), qsizetype(velicina));
}

}  // namespace Fuzz

#define KARUVEL_FUZZ_PRIPREMA                                       \
    extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)    \
    {                                                               \
        Fuzz::Pripremi(argc, argv);                                 \
        return 0;                                                   \
    }
