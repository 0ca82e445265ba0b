#include "help/Internet.h"

#include <QDesktopServices>

namespace {
bool Desktop(const QUrl& adresa)
{
    return QDesktopServices::openUrl(adresa);
}
}

Internet::Otvarac& Internet::Trenutni()
{
    static Otvarac otvarac = Desktop;
    return otvarac;
}

void Internet::Otvori(const QUrl& adresa)
{
    // Whether the desktop could open it is not reported: there is nothing the program could do.
    (void)Trenutni()(adresa);
}

Internet::Otvarac Internet::ZameniOtvarac(Otvarac otvarac)
{
    Otvarac prethodni = Trenutni();
    Trenutni() = otvarac ? std::move(otvarac) : Otvarac(Desktop);
    return prethodni;
}
