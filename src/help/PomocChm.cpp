#include "help/PomocChm.h"

#include <QFile>
#include <QtEndian>
#include <chm_lib.h>

namespace {
// Larger objects mean a damaged file; the help's biggest picture is far below this.
constexpr LONGUINT64 NajvecaDuzina = 64 * 1024 * 1024;

QString UApsolutno(QString ime)
{
    if (!ime.startsWith(u'/'))
        ime.prepend(u'/');
    return ime;
}
}

PomocChm::PomocChm(const QString& putanja)
{
    const QByteArray ime = QFile::encodeName(putanja);
    m_chm = chm_open(ime.constData());
    if (m_chm)
        ProcitajSistem();
}

PomocChm::~PomocChm()
{
    if (m_chm)
        chm_close(m_chm);
}

std::optional<QByteArray> PomocChm::Procitaj(const QString& ime) const
{
    if (!m_chm || ime.isEmpty())
        return std::nullopt;
    const QByteArray put = UApsolutno(ime).toUtf8();
    chmUnitInfo ui {};
    if (chm_resolve_object(m_chm, put.constData(), &ui) != CHM_RESOLVE_SUCCESS)
        return std::nullopt;
    if (ui.length > NajvecaDuzina)
        return std::nullopt;
    QByteArray bajtovi(qsizetype(ui.length), Qt::Uninitialized);
    if (ui.length == 0)
        return bajtovi;
    const LONGINT64 procitano = chm_retrieve_object(m_chm, &ui,
        reinterpret_cast<unsigned char*>(bajtovi.data()), 0, LONGINT64(ui.length));
    if (procitano != LONGINT64(ui.length))
        return std::nullopt;
    return bajtovi;
}

void PomocChm::ProcitajSistem()
{
    // The system record: a 4-byte version, then entries of a 2-byte code, a 2-byte length and
    // that many bytes; code 0 names the table of contents, code 2 the first page (both ending in 0).
    const std::optional<QByteArray> sistem = Procitaj(QStringLiteral("/#SYSTEM"));
    if (!sistem)
        return;
    const QByteArray& s = *sistem;
    qsizetype i = 4;
    while (i + 4 <= s.size()) {
        const quint16 kod = qFromLittleEndian<quint16>(s.constData() + i);
        const quint16 duzina = qFromLittleEndian<quint16>(s.constData() + i + 2);
        i += 4;
        if (i + duzina > s.size())
            break;
        QByteArray vrednost = s.mid(i, duzina);
        if (const qsizetype kraj = vrednost.indexOf('\0'); kraj >= 0)
            vrednost.truncate(kraj);
        if (kod == 0)
            m_sadrzaj = UApsolutno(QString::fromLatin1(vrednost));
        else if (kod == 2)
            m_pocetna = UApsolutno(QString::fromLatin1(vrednost));
        i += duzina;
    }
}
