#include "content/ResPicture.h"

#include "content/Module1.h"

#include <QFile>
#include <QHash>
#include <QFileInfo>
#include <QImageReader>
#include <QResource>
#include <QSet>
#include <QtEndian>

#include <atomic>
#include <limits>
#include <optional>

namespace {

// System error codes that the descriptions carry, as the platform reports them.
constexpr int FajlNePostoji = 2;        // file not found
constexpr int PristupOdbijen = 5;       // access denied
constexpr int GreskaCitanja = 30;       // read fault
constexpr int NijeModul = 193;          // not a module (here: not a resource bundle)
constexpr int NemaVrste = 1813;         // resource type not found
constexpr int NemaImena = 1814;         // resource name not found

std::atomic<int> brojac { 0 };

// A kind or a number as a resource path element: anything that reads as a number is that
// number's decimal text, so "12", " 12" and 12 name the same resource.
QString Ime(const QVariant& v)
{
    bool broj = false;
    const qlonglong n = v.toLongLong(&broj);
    if (broj && v.typeId() != QMetaType::QString && v.typeId() != QMetaType::QByteArray)
        return QString::number(n);
    const QByteArray tekst = v.typeId() == QMetaType::QByteArray ? v.toByteArray() : v.toString().toUtf8();
    if (const auto b = Module1::Broj(tekst))
        return QString::number(*b);
    return QString::fromUtf8(tekst);
}

// The program's own pictures decoded so far, by where their bytes are (a resource registered
// later under the same name is other bytes, and so another picture). The first pictures
// decoded are kept up to a bound in bytes; a picture past it is decoded at every load. Kept
// pictures are never swapped for others: what the program holds stops growing early in a
// session, however the draws fall.
struct Dekodirana {
    const uchar* podaci;
    qint64 velicina;
    bool operator==(const Dekodirana&) const = default;
};

size_t qHash(const Dekodirana& d, size_t seme = 0)
{
    return qHashMulti(seme, d.podaci, d.velicina);
}

struct Dekodirane {
    static constexpr qsizetype Najvise = 4 * 1024 * 1024;
    QHash<Dekodirana, QImage> slike;
    qsizetype bajtova = 0;
};

Dekodirane& DekodiraneSlike()
{
    static Dekodirane dekodirane;
    return dekodirane;
}

void Postavi(ResPicture::Greska& g, qint32 broj, const QString& opis)
{
    g.Number = broj;
    g.Description = opis;
}

}  // namespace

// ---- the picture stream ----

ResPicture::Tok::Tok(const QByteArray& podaci, QObject* parent)
    : QIODevice(parent)
    , m_podaci(podaci)
{
}

QByteArray ResPicture::Tok::Zaglavlje(qint64 duzinaFajla)
{
    const quint32 l = static_cast<quint32>(duzinaFajla);
    QByteArray z("lt\0\0", 4);
    for (int i = 0; i < 4; ++i)
        z += static_cast<char>((l >> (8 * i)) & 0xFF);
    return z;
}

bool ResPicture::Tok::seek(qint64 pos)
{
    return QIODevice::seek(pos);
}

qint64 ResPicture::Tok::Seek(qint64 pomak, int pocetak)
{
    qint64 nova = pos();
    switch (pocetak) {
    case OdPocetka: nova = pomak; break;
    case OdTrenutnog: nova = pos() + pomak; break;
    case OdKraja: nova = size() + pomak; break;
    default: return pos();
    }
    seek(nova);
    return pos();
}

qint64 ResPicture::Tok::readData(char* data, qint64 maxSize)
{
    const qint64 p = pos();
    const qint64 ostalo = p < m_podaci.size() ? m_podaci.size() - p : 0;
    const qint64 n = qMin(maxSize, ostalo);
    if (n > 0)
        memcpy(data, m_podaci.constData() + p, static_cast<size_t>(n));
    return n;
}

// ---- the loader ----

ResPicture::ResPicture()
    : m_id(++brojac)
{
}

ResPicture::~ResPicture()
{
    Oslobodi();
}

QString ResPicture::Koren() const
{
    return QStringLiteral("/ResPicture%1").arg(m_id);
}

void ResPicture::Oslobodi()
{
    if (m_mapiran)
        QResource::unregisterResource(reinterpret_cast<const uchar*>(m_hInstance), Koren());
    m_mapiran = false;
    m_hInstance = 0;
    m_Bundle = QByteArray();  // only the bundle the object read itself is freed
}

bool ResPicture::setFileName(const QString& New_FileName)
{
    Oslobodi();
    m_FileName = New_FileName;
    m_Err = {};

    int kod = 0;
    QFile fajl(New_FileName);
    if (New_FileName.isEmpty() || !QFileInfo::exists(New_FileName))
        kod = FajlNePostoji;
    else if (!fajl.open(QIODevice::ReadOnly))
        kod = fajl.error() == QFileDevice::PermissionsError ? PristupOdbijen : GreskaCitanja;
    else if (fajl.size() > NajveciPaket)
        kod = NijeModul;
    else {
        // Read in pieces: a device that claims no size cannot make it read past the limit.
        while (m_Bundle.size() <= NajveciPaket) {
            const QByteArray deo = fajl.read(64 * 1024);
            if (deo.isEmpty())
                break;
            m_Bundle += deo;
        }
        if (fajl.error() != QFileDevice::NoError)
            kod = GreskaCitanja;
        else if (!IspravanPaket(m_Bundle)
            || !QResource::registerResource(reinterpret_cast<const uchar*>(m_Bundle.constData()), Koren()))
            kod = NijeModul;
    }
    if (kod != 0) {
        m_Bundle = QByteArray();
        Postavi(m_Err, GreskaOtvaranja,
            QStringLiteral("Cannot open %1. GetLastError returns: %2").arg(New_FileName).arg(kod));
        return false;
    }
    m_hInstance = reinterpret_cast<quintptr>(m_Bundle.constData());
    m_mapiran = true;
    return true;
}

void ResPicture::sethInstance(quintptr New_hInstance)
{
    Oslobodi();
    m_FileName.clear();
    m_Err = {};
    m_hInstance = New_hInstance;
    if (New_hInstance != 0)
        m_mapiran = QResource::registerResource(reinterpret_cast<const uchar*>(New_hInstance), Koren());
}

QImage ResPicture::LoadResPicture(const QVariant& ResType, const QVariant& ID)
{
    m_Err = {};
    const QString vrsta = Ime(ResType);
    const QString broj = Ime(ID);
    const QString oznaka = vrsta + QLatin1Char(' ') + broj;

    QByteArray fajl;  // the resource's bytes, not copied where the resource allows it
    std::optional<Dekodirana> kljucSlike;  // the program's own picture, decoded once
    if (m_hInstance != 0) {
        const QString koren = QLatin1Char(':') + Koren() + QLatin1Char('/') + vrsta;
        const QString put = koren + QLatin1Char('/') + broj;
        const QResource resurs(put);
        if (!m_mapiran || !resurs.isValid() || QFileInfo(put).isDir()) {
            const int kod = m_mapiran && QFileInfo(koren).isDir() ? NemaImena : NemaVrste;
            Postavi(m_Err, GreskaResursa,
                QStringLiteral("The resource was not found. GetLastError: %1").arg(kod));
            return {};
        }
        fajl = resurs.uncompressedData();
        if (fajl.isNull()) {
            Postavi(m_Err, GreskaResursa,
                QStringLiteral("The resource cannot be loaded. GetLastError: %1").arg(GreskaCitanja));
            return {};
        }
    } else {
        const QString put = QStringLiteral(":/") + vrsta + QLatin1Char('/') + broj;
        const QResource resurs(put);
        if (!resurs.isValid() || QFileInfo(put).isDir()) {
            Postavi(m_Err, NemaResursa,
                QStringLiteral("Resource with identifier '%1' of type '%2' not found").arg(broj, vrsta));
            return {};
        }
        kljucSlike = Dekodirana { resurs.data(), resurs.size() };
        const Dekodirane& d = DekodiraneSlike();
        if (const auto nadjena = d.slike.constFind(*kljucSlike); nadjena != d.slike.cend())
            return *nadjena;
        if ((fajl = resurs.uncompressedData()).isNull()) {
            Postavi(m_Err, NemaResursa,
                QStringLiteral("Resource with identifier '%1' of type '%2' not found").arg(broj, vrsta));
            return {};
        }
    }

    QImage slika;
    {
        // The picture stream lives only during the load: one copy of the file plus the header.
        QByteArray m_Data;
        m_Data.reserve(8 + fajl.size());
        m_Data += Tok::Zaglavlje(fajl.size());
        m_Data += fajl;
        fajl = QByteArray();
        Tok tok(m_Data);
        tok.open(QIODevice::ReadOnly);
        slika = Dekodiraj(tok, m_Err);
    }
    if (m_Err.Number != 0)
        m_Err.Description += QStringLiteral(" (%1)").arg(oznaka);
    else if (Dekodirane& d = DekodiraneSlike(); kljucSlike && d.bajtova + slika.sizeInBytes() <= Dekodirane::Najvise) {
        d.slike.insert(*kljucSlike, slika);
        d.bajtova += slika.sizeInBytes();
    }
    return slika;
}

// ---- checking a resource bundle ----

namespace {

// A resource bundle as Qt reads it: a header ("qres", version, offsets of the node tree, the
// data and the names, from version 3 on the bundle's flags, all 32-bit big-endian), a tree of
// nodes (name offset, flags, then a directory's child count and first child or a file's
// locale and data offset; from version 2 on a modification time), names (16-bit length,
// 32-bit hash, UTF-16) and data (32-bit length, bytes).
class ProveraPaketa {
public:
    explicit ProveraPaketa(const QByteArray& b) : m_b(b) {}

    bool Proveri()
    {
        if (m_b.size() < 20 || !m_b.startsWith("qres") || m_b.size() > ResPicture::NajveciPaket)
            return false;
        const qint64 verzija = Broj32(4);
        if (verzija < 1 || verzija > 3)
            return false;
        m_stablo = Broj32(8);
        m_podaci = Broj32(12);
        m_imena = Broj32(16);
        if (verzija >= 3) {
            const qint64 zastavice = Broj32(20);
            if (zastavice < 0 || (zastavice & ~(Sazeto | SazetoZstd)) != 0)
                return false;
        }
        m_velicinaCvora = verzija >= 2 ? 22 : 14;
        if (m_stablo < 0 || m_podaci < 0 || m_imena < 0 || !Cvor(0))
            return false;
        if (!(Broj16(m_stablo + 4) & Direktorijum))
            return false;

        // Every node reachable from the root, each once: no read of Qt's strays outside.
        QList<qint64> direktorijumi { 0 };
        QSet<qint64> vidjeni { 0 };
        while (!direktorijumi.isEmpty()) {
            const qint64 zapis = m_stablo + direktorijumi.takeLast() * m_velicinaCvora;
            const qint64 broj = Broj32(zapis + 6);
            const qint64 prvi = Broj32(zapis + 10);
            if (broj < 0 || prvi < 0 || (broj > 0 && !Cvor(prvi + broj - 1)))
                return false;
            for (qint64 cvor = prvi; cvor < prvi + broj; ++cvor) {
                if (vidjeni.contains(cvor))
                    return false;
                vidjeni.insert(cvor);
                const qint64 z = m_stablo + cvor * m_velicinaCvora;
                const int zastavice = Broj16(z + 4);
                if (!Ime(Broj32(z)) || (zastavice & ~(Sazeto | Direktorijum | SazetoZstd)) != 0)
                    return false;
                if (zastavice & Direktorijum) {
                    if (zastavice != Direktorijum)
                        return false;
                    direktorijumi << cvor;
                } else if (!Podatak(Broj32(z + 10), zastavice)) {
                    return false;
                }
            }
        }
        return true;
    }

private:
    enum Zastavica { Sazeto = 0x01, Direktorijum = 0x02, SazetoZstd = 0x04 };

    bool Unutra(qint64 od, qint64 duzina) const
    {
        return od >= 0 && duzina >= 0 && od <= m_b.size() && duzina <= m_b.size() - od;
    }
    // A signed 32-bit number, as Qt reads offsets and counts; -1 past the end.
    qint64 Broj32(qint64 od) const
    {
        return Unutra(od, 4) ? qFromBigEndian<qint32>(m_b.constData() + od) : -1;
    }
    quint32 Neoznacen32(qint64 od) const { return qFromBigEndian<quint32>(m_b.constData() + od); }
    int Broj16(qint64 od) const { return Unutra(od, 2) ? qFromBigEndian<quint16>(m_b.constData() + od) : 0; }

    bool Cvor(qint64 cvor) const
    {
        return cvor >= 0 && cvor <= m_b.size() / m_velicinaCvora
            && Unutra(m_stablo + cvor * m_velicinaCvora, m_velicinaCvora);
    }
    // A name inside the bytes that is one path element: not empty, not "." or "..", no '/'
    // (such names make paths that lead back into the tree, and a walk of it never ends).
    bool Ime(qint64 pomak) const
    {
        const qint64 od = m_imena + pomak;
        const qint64 duzina = pomak >= 0 && Unutra(od, 6) ? Broj16(od) : 0;
        if (duzina == 0 || !Unutra(od + 6, 2 * duzina))
            return false;
        int tacaka = 0;
        for (qint64 i = 0; i < duzina; ++i) {
            const quint16 znak = qFromBigEndian<quint16>(m_b.constData() + od + 6 + 2 * i);
            if (znak == u'/')
                return false;
            tacaka += znak == u'.';
        }
        return tacaka != duzina || duzina > 2;
    }
    bool Podatak(qint64 pomak, int zastavice) const
    {
        const qint64 od = m_podaci + pomak;
        if (pomak < 0 || !Unutra(od, 4))
            return false;
        const qint64 duzina = Neoznacen32(od);
        if (!Unutra(od + 4, duzina))
            return false;
        if (zastavice & Sazeto)
            return duzina >= 4 && Neoznacen32(od + 4) <= ResPicture::NajvecaSlika;
        if (zastavice & SazetoZstd) {
            const std::optional<qint64> n = VelicinaZstd(od + 4, duzina);
            return n && *n <= ResPicture::NajvecaSlika;
        }
        return true;
    }
    // The unpacked size that a zstd frame's header gives; nullopt when it gives none.
    std::optional<qint64> VelicinaZstd(qint64 od, qint64 duzina) const
    {
        const auto* p = reinterpret_cast<const uchar*>(m_b.constData() + od);
        if (duzina < 5 || qFromLittleEndian<quint32>(p) != 0xFD2FB528u)
            return std::nullopt;
        const uchar opis = p[4];
        const int oznakaVelicine = opis >> 6;
        const bool jedanSegment = (opis >> 5) & 1;
        const int recnik[] = { 0, 1, 2, 4 };
        const int velicinaPolja[] = { jedanSegment ? 1 : 0, 2, 4, 8 };
        const qint64 polje = 5 + (jedanSegment ? 0 : 1) + recnik[opis & 3];
        const int n = velicinaPolja[oznakaVelicine];
        if (n == 0 || (opis & 0x08) || polje + n > duzina)
            return std::nullopt;
        quint64 v = 0;
        for (int i = n - 1; i >= 0; --i)
            v = (v << 8) | p[polje + i];
        if (n == 2)
            v += 256;
        if (v > quint64(std::numeric_limits<qint64>::max()))
            return std::nullopt;
        return qint64(v);
    }

    const QByteArray& m_b;
    qint64 m_stablo = 0;
    qint64 m_podaci = 0;
    qint64 m_imena = 0;
    qint64 m_velicinaCvora = 22;
};

}  // namespace

bool ResPicture::IspravanPaket(const QByteArray& paket)
{
    return ProveraPaketa(paket).Proveri();
}

QImage ResPicture::Dekodiraj(QIODevice& tok, Greska& greska)
{
    greska = {};
    auto neispravna = [&](const QString& razlog) {
        Postavi(greska, LosaSlika, QStringLiteral("Invalid picture: ") + razlog);
        return QImage();
    };

    const QByteArray z = tok.read(8);
    if (z.size() != 8 || !z.startsWith(QByteArray("lt\0\0", 4)))
        return neispravna(QStringLiteral("no picture header"));
    const qint64 l = static_cast<quint8>(z[4]) | static_cast<quint8>(z[5]) << 8
        | static_cast<quint8>(z[6]) << 16 | static_cast<qint64>(static_cast<quint8>(z[7])) << 24;
    const qint64 pocetak = tok.pos();
    if (tok.size() - pocetak < l || l < 2)
        return neispravna(QStringLiteral("the picture is shorter than its header says"));

    // The file's last bytes: a complete JPEG ends with its end-of-image marker, a complete
    // GIF with its trailer. The decoders accept truncated files without an error.
    tok.seek(pocetak + l - 2);
    const QByteArray kraj = tok.read(2);
    tok.seek(pocetak);

    QImageReader citac(&tok);
    citac.setDecideFormatFromContent(true);
    const QByteArray format = citac.format();
    bool potpun = false;
    if (format == "jpeg")
        potpun = kraj == QByteArray("\xFF\xD9", 2);
    else if (format == "gif")
        potpun = kraj.endsWith('\x3B');
    else
        return neispravna(QStringLiteral("neither a GIF nor a JPEG file"));

    const QSize zaglavlje = citac.size();
    QImage slika = citac.read();
    if (slika.isNull())
        return neispravna(citac.errorString());
    if (!potpun)
        return neispravna(QStringLiteral("the file is incomplete"));
    if (zaglavlje.isValid() && slika.size() != zaglavlje)
        return neispravna(QStringLiteral("decoded %1 x %2 pixels, the file says %3 x %4")
                              .arg(slika.width()).arg(slika.height())
                              .arg(zaglavlje.width()).arg(zaglavlje.height()));
    return slika;
}
