#include "help/PomocChm.h"

#include <QFile>
#include <QtEndian>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <cstring>
#include <mspack.h>

namespace {

// The biggest block libmspack may ask for at once: its directory chunks and its LZX window
// (2 MB at most in a help file) are far below it; a damaged header asks for more.
constexpr size_t NajvecaAlokacija = 8 * 1024 * 1024;

// The biggest file inside the help file that is read: the help's biggest picture is far
// below this; a compressed entry of a damaged file may claim anything.
constexpr qint64 NajvecaDuzina = 16 * 1024 * 1024;

// Compressed pages of a help file come to a few times their stored size; an entry that
// claims much more than this many times the whole file is damaged.
constexpr qint64 NajvecaSrazmera = 256;

// What the "file name" handed to libmspack stands for: the help file in memory (read), or
// the buffer an entry is extracted into (write), with the most bytes it takes.
struct Meta {
    const QByteArray* ulaz = nullptr;
    QByteArray* izlaz = nullptr;
    qint64 granica = 0;
};

// An open "file" of libmspack.
struct Datoteka {
    Meta meta;
    qint64 pozicija = 0;
};

Datoteka* Dat(mspack_file* f) { return reinterpret_cast<Datoteka*>(f); }

mspack_file* OtvoriDatoteku(mspack_system*, const char* ime, int nacin)
{
    const auto* meta = reinterpret_cast<const Meta*>(ime);
    if (!meta)
        return nullptr;
    const bool citanje = nacin == MSPACK_SYS_OPEN_READ && meta->ulaz;
    const bool upis = nacin == MSPACK_SYS_OPEN_WRITE && meta->izlaz;
    if (!citanje && !upis)
        return nullptr;
    auto* d = new (std::nothrow) Datoteka { *meta, 0 };
    return reinterpret_cast<mspack_file*>(d);
}

void ZatvoriDatoteku(mspack_file* f)
{
    delete Dat(f);
}

int CitajDatoteku(mspack_file* f, void* bafer, int bajtova)
{
    Datoteka* d = Dat(f);
    if (!d->meta.ulaz || bajtova < 0)
        return -1;
    const qint64 ostalo = d->meta.ulaz->size() - d->pozicija;
    const qint64 n = std::clamp<qint64>(bajtova, 0, ostalo);
    if (n > 0)
        std::memcpy(bafer, d->meta.ulaz->constData() + d->pozicija, size_t(n));
    d->pozicija += n;
    return int(n);
}

int PisiDatoteku(mspack_file* f, void* bafer, int bajtova)
{
    Datoteka* d = Dat(f);
    if (!d->meta.izlaz || bajtova < 0 || d->meta.izlaz->size() + bajtova > d->meta.granica)
        return -1;
    d->meta.izlaz->append(static_cast<const char*>(bafer), bajtova);
    return bajtova;
}

qint64 Velicina(const Datoteka* d)
{
    return d->meta.ulaz ? d->meta.ulaz->size() : d->meta.izlaz->size();
}

// Only positions inside the file: a damaged header sends libmspack nowhere else.
int TraziUDatoteci(mspack_file* f, off_t pomak, int odakle)
{
    Datoteka* d = Dat(f);
    const qint64 velicina = Velicina(d);
    qint64 osnova = 0;
    switch (odakle) {
    case MSPACK_SYS_SEEK_START: osnova = 0; break;
    case MSPACK_SYS_SEEK_CUR: osnova = d->pozicija; break;
    case MSPACK_SYS_SEEK_END: osnova = velicina; break;
    default: return -1;
    }
    if (pomak < -osnova || pomak > velicina - osnova)
        return -1;
    d->pozicija = osnova + pomak;
    return 0;
}

off_t PozicijaUDatoteci(mspack_file* f)
{
    return off_t(Dat(f)->pozicija);
}

void Poruka(mspack_file*, const char*, ...)
{
    // The help window fails silently; libmspack's warnings go nowhere.
}

void* Alociraj(mspack_system*, size_t bajtova)
{
    return bajtova > NajvecaAlokacija ? nullptr : std::malloc(bajtova);
}

void Oslobodi(void* p)
{
    std::free(p);
}

void Kopiraj(void* odakle, void* kuda, size_t bajtova)
{
    std::memcpy(kuda, odakle, bajtova);
}

QString UApsolutno(QString ime)
{
    if (!ime.startsWith(u'/'))
        ime.prepend(u'/');
    return ime;
}

QByteArray Kljuc(const QString& ime)
{
    return UApsolutno(ime).toUtf8().toLower();
}

// The whole file, read in pieces: a device that claims no size (or a wrong one) cannot make it
// read past the limit.
QByteArray ProcitajDatoteku(const QString& putanja)
{
    QFile f(putanja);
    if (!f.open(QIODevice::ReadOnly) || f.size() > PomocChm::NajvecaDatoteka)
        return {};
    QByteArray bajtovi;
    while (bajtovi.size() <= PomocChm::NajvecaDatoteka) {
        const QByteArray deo = f.read(64 * 1024);
        if (deo.isEmpty())
            break;
        bajtovi += deo;
    }
    if (f.error() != QFileDevice::NoError || bajtovi.size() > PomocChm::NajvecaDatoteka)
        return {};
    return bajtovi;
}

}  // namespace

struct PomocChm::Sistem {
    mspack_system sistem { OtvoriDatoteku, ZatvoriDatoteku, CitajDatoteku, PisiDatoteku, TraziUDatoteci, PozicijaUDatoteci, Poruka, Alociraj, Oslobodi, Kopiraj, nullptr };
    Meta ulaz;
};

namespace {
quint64 NoviBroj()
{
    static std::atomic<quint64> broj { 0 };
    return ++broj;
}
}  // namespace

PomocChm::PomocChm(const QString& putanja)
    : m_bajtovi(ProcitajDatoteku(putanja))
    , m_broj(NoviBroj())
{
    Otvori();
}

PomocChm::PomocChm(const QByteArray& bajtovi)
    : m_bajtovi(bajtovi.size() > NajvecaDatoteka ? QByteArray() : bajtovi)
    , m_broj(NoviBroj())
{
    Otvori();
}

PomocChm::~PomocChm()
{
    if (m_citac) {
        if (m_zaglavlje)
            m_citac->close(m_citac, m_zaglavlje);
        mspack_destroy_chm_decompressor(m_citac);
    }
}

void PomocChm::Otvori()
{
    int greska = 0;
    MSPACK_SYS_SELFTEST(greska);
    if (greska != MSPACK_ERR_OK || m_bajtovi.isEmpty())
        return;
    m_sistem = std::make_unique<Sistem>();
    m_sistem->ulaz.ulaz = &m_bajtovi;
    m_citac = mspack_create_chm_decompressor(&m_sistem->sistem);
    if (!m_citac)
        return;
    m_zaglavlje = m_citac->open(m_citac, reinterpret_cast<const char*>(&m_sistem->ulaz));
    if (!m_zaglavlje)
        return;
    for (mschmd_file* f = m_zaglavlje->files; f; f = f->next) {
        if (!f->filename)
            continue;
        const QByteArray kljuc = QByteArray(f->filename).toLower();
        if (!m_datoteke.contains(kljuc))
            m_datoteke.insert(kljuc, f);
    }
    ProcitajSistem();
}

std::optional<QByteArray> PomocChm::Procitaj(const QString& ime) const
{
    if (!m_zaglavlje || ime.isEmpty())
        return std::nullopt;
    const QByteArray kljuc = Kljuc(ime);
    if (const auto procitan = m_procitano.constFind(kljuc); procitan != m_procitano.cend())
        return *procitan;
    mschmd_file* f = m_datoteke.value(kljuc);
    if (!f || f->length < 0 || f->offset < 0)
        return std::nullopt;
    // An entry is read whole or not at all: never more than the file could hold.
    const qint64 granica = qMin(NajvecaDuzina, NajvecaSrazmera * m_bajtovi.size());
    if (qint64(f->length) > granica)
        return std::nullopt;
    QByteArray bajtovi;
    if (f->length == 0)
        return bajtovi;
    bajtovi.reserve(qsizetype(f->length));
    Meta izlaz { nullptr, &bajtovi, qint64(f->length) };
    if (m_citac->extract(m_citac, f, reinterpret_cast<const char*>(&izlaz)) != MSPACK_ERR_OK
        || bajtovi.size() != qsizetype(f->length))
        return std::nullopt;
    if (m_procitanoBajtova + bajtovi.size() <= UPamcenju) {
        m_procitano.insert(kljuc, bajtovi);
        m_procitanoBajtova += bajtovi.size();
    }
    return bajtovi;
}

QStringList PomocChm::Imena() const
{
    QStringList imena;
    if (!m_zaglavlje)
        return imena;
    for (mschmd_file* f = m_zaglavlje->files; f; f = f->next) {
        if (f->filename)
            imena << QString::fromUtf8(f->filename);
    }
    return imena;
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
