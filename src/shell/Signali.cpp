#include "shell/Signali.h"

#include "content/Module1.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace Signali {

namespace {

int g_cev[2] = { -1, -1 };  // read end, write end

constexpr int Prihvaceni[] = { SIGTERM, SIGINT, SIGHUP };

extern "C" void Rukovalac(int signal)
{
    const int sacuvan = errno;
    const unsigned char broj = static_cast<unsigned char>(signal);
    [[maybe_unused]] const ssize_t upisano = ::write(g_cev[1], &broj, 1);
    errno = sacuvan;
}

void Procitaj()
{
    unsigned char broj = 0;
    if (::read(g_cev[0], &broj, 1) == 1)
        QCoreApplication::exit(128 + broj);
}

}  // namespace

bool Prihvati()
{
    QCoreApplication* aplikacija = QCoreApplication::instance();
    if (!aplikacija || g_cev[0] >= 0)
        return false;
    QObject::connect(aplikacija, &QCoreApplication::aboutToQuit, &Module1::UkloniTempFolder);
    if (::pipe2(g_cev, O_CLOEXEC | O_NONBLOCK) != 0) {
        g_cev[0] = g_cev[1] = -1;
        return false;
    }
    auto* obavestenje = new QSocketNotifier(g_cev[0], QSocketNotifier::Read, aplikacija);
    QObject::connect(obavestenje, &QSocketNotifier::activated, &Procitaj);

    struct sigaction akcija {};
    akcija.sa_handler = Rukovalac;
    sigemptyset(&akcija.sa_mask);
    akcija.sa_flags = SA_RESTART;
    for (const int s : Prihvaceni)
        sigaction(s, &akcija, nullptr);
    return true;
}

}  // namespace Signali
