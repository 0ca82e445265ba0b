#include "Tekst.h"

#include "Kriptovanje.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace Tekst {

namespace {
constexpr char KodnaStrana[] = "windows-1250";
}

QString Procitaj(const QByteArray& kljuc, const QByteArray& sifrovano)
{
    return izCp1250(Kriptovanje::Dekriptuj(kljuc, sifrovano));
}

QString izCp1250(const QByteArray& bajtovi)
{
    // Made once for the thread: every text a window shows passes here. A single-byte code page
    // keeps no state between texts.
    thread_local QStringDecoder dekoder(KodnaStrana, QStringConverter::Flag::Stateless);
    Q_ASSERT(dekoder.isValid());
    return dekoder.decode(bajtovi);
}

std::optional<QByteArray> uCp1250(const QString& tekst)
{
    QStringEncoder koder(KodnaStrana);
    if (!koder.isValid())
        return std::nullopt;
    QByteArray bajtovi = koder.encode(tekst);
    if (koder.hasError())
        return std::nullopt;
    return bajtovi;
}

}  // namespace Tekst
