// The picture loader: the picture stream, the program's own pictures, broken pictures and
// pictures of another module (an external resource bundle).
#include "content/ResPicture.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QResource>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <memory>

namespace {

QByteArray Procitaj(const QString& put)
{
    QFile f(put);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

QSize VelicinaFajla(const QString& put)
{
    QImageReader citac(put);
    return citac.size();
}

// Roots that loaders have mapped and not yet unmapped.
QStringList MapiraniKoreni()
{
    return QDir(QStringLiteral(":/")).entryList({ QStringLiteral("ResPicture*") });
}

const QString Modul = QStringLiteral(RP_MODUL);
const QString Paketi = QStringLiteral(RP_PAKETI);
const QString Slike = QStringLiteral(RP_SLIKE);

}  // namespace

// ---- the picture stream ----

TEST(ResPictureTok, ZaglavljeJeLtNulaIDuzinaMalogEndijana)
{
    EXPECT_EQ(ResPicture::Tok::Zaglavlje(0x01020304), QByteArray("lt\0\0\x04\x03\x02\x01", 8));
}

TEST(ResPictureTok, CitanjeNaKrajuDajeOstatakPaNulu)
{
    const qint64 l = 50;
    ResPicture::Tok tok(ResPicture::Tok::Zaglavlje(l) + QByteArray(l, 'x'));
    ASSERT_TRUE(tok.open(QIODevice::ReadOnly));
    EXPECT_EQ(tok.size(), 8 + l);

    char bafer[100];
    ASSERT_EQ(tok.Seek(8 + l - 10, ResPicture::Tok::OdPocetka), 8 + l - 10);
    EXPECT_EQ(tok.read(bafer, 100), 10);
    EXPECT_EQ(tok.pos(), 8 + l);
    EXPECT_EQ(tok.read(bafer, 100), 0);
    EXPECT_EQ(tok.pos(), 8 + l);
}

TEST(ResPictureTok, PomeranjePremaPocetku)
{
    const qint64 l = 50;
    ResPicture::Tok tok(ResPicture::Tok::Zaglavlje(l) + QByteArray(l, 'x'));
    ASSERT_TRUE(tok.open(QIODevice::ReadOnly));

    EXPECT_EQ(tok.Seek(0, ResPicture::Tok::OdKraja), 8 + l);
    EXPECT_EQ(tok.Seek(-20, ResPicture::Tok::OdKraja), 8 + l - 20);
    EXPECT_EQ(tok.Seek(5, ResPicture::Tok::OdTrenutnog), 8 + l - 15);
    EXPECT_EQ(tok.Seek(3, ResPicture::Tok::OdPocetka), 3);
    EXPECT_EQ(tok.Seek(40, 7), 3) << "an unknown origin leaves the position";
}

TEST(ResPictureTok, PisanjeSeOdbija)
{
    ResPicture::Tok tok(ResPicture::Tok::Zaglavlje(4) + "abcd");
    ASSERT_FALSE(tok.open(QIODevice::ReadWrite) && tok.write("zz", 2) == 2 && tok.seek(0)
        && tok.read(2) == "zz");
}

// ---- decoding ----

struct LosaSlika {
    const char* opis;
    QByteArray tok;
};

TEST(ResPictureDekoder, NepotpuneIPogresneSlikeSuGreske)
{
    const QByteArray jpeg = Procitaj(Slike + QStringLiteral("/situacija/1.jpg"));
    const QByteArray gif = Procitaj(Slike + QStringLiteral("/znak/7.gif"));
    ASSERT_GT(jpeg.size(), 1000);
    ASSERT_GT(gif.size(), 100);
    auto z = [](const QByteArray& fajl) { return ResPicture::Tok::Zaglavlje(fajl.size()) + fajl; };

    const LosaSlika slucajevi[] = {
        { "JPEG cut in half", z(jpeg.left(jpeg.size() / 2)) },
        { "JPEG without its last two bytes", z(jpeg.left(jpeg.size() - 2)) },
        { "JPEG cut after its header", z(jpeg.left(700)) },
        { "GIF cut in half", z(gif.left(gif.size() / 2)) },
        { "header longer than the data", ResPicture::Tok::Zaglavlje(jpeg.size() + 1) + jpeg },
        { "no header", jpeg },
        { "not a picture", z(QByteArray(400, 'a')) },
        { "empty", QByteArray() },
    };
    for (const LosaSlika& s : slucajevi) {
        QBuffer b;
        b.setData(s.tok);
        b.open(QIODevice::ReadOnly);
        ResPicture::Greska g;
        const QImage slika = ResPicture::Dekodiraj(b, g);
        EXPECT_TRUE(slika.isNull()) << s.opis;
        EXPECT_EQ(g.Number, ResPicture::LosaSlika) << s.opis;
        EXPECT_TRUE(g.Description.startsWith(QStringLiteral("Invalid picture"))) << s.opis;
    }

    // The whole files decode.
    for (const QByteArray& fajl : { jpeg, gif }) {
        QBuffer b;
        b.setData(z(fajl));
        b.open(QIODevice::ReadOnly);
        ResPicture::Greska g;
        EXPECT_FALSE(ResPicture::Dekodiraj(b, g).isNull());
        EXPECT_EQ(g.Number, 0) << qPrintable(g.Description);
    }
}

// ---- the program's own pictures ----

TEST(ResPictureSvoje, SvakaSlikaProgramaImaVelicinuSvogFajla)
{
    const struct {
        const char* vrsta;
        int broj;
    } vrste[] = { { "ZNAK", 20 }, { "SITUACIJA", 21 }, { "RASKRSNICA", 3 } };
    for (const auto& v : vrste) {
        for (int n = 1; n <= v.broj; ++n) {
            ResPicture rp;
            const QImage slika = rp.LoadResPicture(QString::fromLatin1(v.vrsta), n);
            const QString put = QStringLiteral(":/%1/%2").arg(QLatin1String(v.vrsta)).arg(n);
            EXPECT_EQ(rp.Err().Number, 0) << qPrintable(put) << qPrintable(rp.Err().Description);
            EXPECT_EQ(slika.size(), VelicinaFajla(put)) << qPrintable(put);
            EXPECT_FALSE(slika.isNull()) << qPrintable(put);
        }
    }
    // The sign pictures are GIF files in the source tree.
    ResPicture rp;
    EXPECT_EQ(rp.LoadResPicture("ZNAK", 7).size(), VelicinaFajla(Slike + QStringLiteral("/znak/7.gif")));
}

TEST(ResPictureSvoje, BrojKaoTekstJeIstiResurs)
{
    ResPicture a, b, c;
    const QImage broj = a.LoadResPicture("SITUACIJA", 4);
    EXPECT_EQ(b.LoadResPicture("SITUACIJA", QStringLiteral("4")), broj);
    EXPECT_EQ(c.LoadResPicture(QByteArray("SITUACIJA"), QByteArray(" 4 ")), broj);
}

// The first pictures of the program are decoded at their first load; later loads get that
// same picture. (The first sign is among the first pictures whatever order the tests run in.)
TEST(ResPictureSvoje, SlikaSeDekodiraJednom)
{
    ResPicture a, b;
    const QImage prva = a.LoadResPicture("ZNAK", 1);
    const QImage druga = b.LoadResPicture("ZNAK", 1);
    ASSERT_FALSE(prva.isNull());
    EXPECT_EQ(prva.cacheKey(), druga.cacheKey());
    EXPECT_EQ(b.Err().Number, 0);
    EXPECT_NE(a.LoadResPicture("ZNAK", 2).cacheKey(), prva.cacheKey());
}

TEST(ResPictureSvoje, NepostojeciResursJeGreska326)
{
    const struct {
        QVariant vrsta, broj;
    } slucajevi[] = {
        { "ZNAK", 21 }, { "SITUACIJA", 0 }, { "RASKRSNICA", QStringLiteral("x") }, { "SLIKA", 1 },
        { "ZNAK", QString() },
    };
    for (const auto& s : slucajevi) {
        ResPicture rp;
        EXPECT_TRUE(rp.LoadResPicture(s.vrsta, s.broj).isNull());
        EXPECT_EQ(rp.Err().Number, ResPicture::NemaResursa) << qPrintable(s.vrsta.toString());
        EXPECT_TRUE(rp.Err().Description.startsWith(QStringLiteral("Resource with identifier '")))
            << qPrintable(rp.Err().Description);
    }
    // An error does not stick to the next load of the same object.
    ResPicture rp;
    rp.LoadResPicture("ZNAK", 99);
    EXPECT_FALSE(rp.LoadResPicture("ZNAK", 1).isNull());
    EXPECT_EQ(rp.Err().Number, 0);
}

// ---- another module: an external resource bundle ----

TEST(ResPictureModul, NepostojeciIliPogresanFajl)
{
    const QString nema = QDir::tempPath() + QStringLiteral("/nema-ovog-modula.rcc");
    const QString nijeModul = Slike + QStringLiteral("/znak/3.gif");
    const struct {
        QString ime;
        int kod;
    } slucajevi[] = { { nema, 2 }, { nijeModul, 193 }, { QString(), 2 } };
    for (const auto& s : slucajevi) {
        ResPicture rp;
        EXPECT_FALSE(rp.setFileName(s.ime));
        EXPECT_EQ(rp.Err().Number, -2147221504);
        EXPECT_EQ(rp.Err().Description,
            QStringLiteral("Cannot open %1. GetLastError returns: %2").arg(s.ime).arg(s.kod));
        EXPECT_EQ(rp.FileName(), s.ime);
        EXPECT_EQ(rp.hInstance(), 0u);
        // Later loads read the program's own pictures.
        EXPECT_EQ(rp.LoadResPicture("ZNAK", 12).size(), VelicinaFajla(QStringLiteral(":/ZNAK/12")));
    }
    EXPECT_TRUE(MapiraniKoreni().isEmpty());
}

TEST(ResPictureModul, SlikeIzModulaIGreskeResursa)
{
    ResPicture rp;
    ASSERT_TRUE(rp.setFileName(Modul)) << qPrintable(rp.Err().Description);
    EXPECT_EQ(rp.FileName(), Modul);
    EXPECT_NE(rp.hInstance(), 0u);

    // ZNAK 21 exists only in the module (a copy of situation picture 2); "21" is number 21.
    EXPECT_EQ(rp.LoadResPicture("ZNAK", QStringLiteral("21")).size(),
        VelicinaFajla(Slike + QStringLiteral("/situacija/2.jpg")));
    EXPECT_EQ(rp.Err().Number, 0);
    EXPECT_EQ(rp.LoadResPicture("ZNAK", 12).size(), VelicinaFajla(Slike + QStringLiteral("/znak/12.gif")));

    // ZNAK 7 is among the program's pictures but not in the module.
    EXPECT_TRUE(rp.LoadResPicture("ZNAK", 7).isNull());
    EXPECT_EQ(rp.Err().Number, -2147221503);
    EXPECT_EQ(rp.Err().Description, QStringLiteral("The resource was not found. GetLastError: 1814"));

    EXPECT_TRUE(rp.LoadResPicture("RASKRSNICA", 1).isNull());
    EXPECT_EQ(rp.Err().Description, QStringLiteral("The resource was not found. GetLastError: 1813"));

    // A truncated JPEG counts as a failure.
    EXPECT_TRUE(rp.LoadResPicture("SITUACIJA", 5).isNull());
    EXPECT_EQ(rp.Err().Number, ResPicture::LosaSlika) << qPrintable(rp.Err().Description);
}

TEST(ResPictureModul, ModulKojiJeObjekatUcitaoOslobadjaSe)
{
    {
        ResPicture rp;
        ASSERT_TRUE(rp.setFileName(Modul));
        EXPECT_EQ(MapiraniKoreni().size(), 1);
        // A second file name releases the first module; a failed one leaves none.
        EXPECT_FALSE(rp.setFileName(QStringLiteral("/nema/modul.rcc")));
        EXPECT_TRUE(MapiraniKoreni().isEmpty());
        ASSERT_TRUE(rp.setFileName(Modul));
    }
    EXPECT_TRUE(MapiraniKoreni().isEmpty());
}

TEST(ResPictureModul, TudjiModulSeNeOslobadja)
{
    const QByteArray modul = Procitaj(Modul);
    ASSERT_FALSE(modul.isEmpty());
    const quintptr ruka = reinterpret_cast<quintptr>(modul.constData());
    {
        ResPicture rp;
        ASSERT_TRUE(rp.setFileName(Modul));
        rp.sethInstance(ruka);
        EXPECT_TRUE(rp.FileName().isEmpty());
        EXPECT_EQ(rp.hInstance(), ruka);
        EXPECT_FALSE(rp.LoadResPicture("ZNAK", 12).isNull());
    }
    EXPECT_TRUE(MapiraniKoreni().isEmpty());
    // The caller's bundle is untouched and serves the next object as well.
    EXPECT_EQ(modul, Procitaj(Modul));
    ResPicture drugi;
    drugi.sethInstance(ruka);
    EXPECT_FALSE(drugi.LoadResPicture("ZNAK", 21).isNull());
    drugi.sethInstance(0);
    EXPECT_FALSE(drugi.LoadResPicture("ZNAK", 7).isNull()) << "0 is the program's own pictures";
}

// ---- a bundle is checked before it is mapped ----

TEST(ResPicturePaket, SvakiOblikKojiRccPiseSePrihvata)
{
    for (const char* oblik : { "zlib", "zstd", "v1", "v2" }) {
        const QString put = Paketi + QStringLiteral("/%1.rcc").arg(QLatin1String(oblik));
        EXPECT_TRUE(ResPicture::IspravanPaket(Procitaj(put))) << oblik;
        ResPicture rp;
        ASSERT_TRUE(rp.setFileName(put)) << oblik << ": " << qPrintable(rp.Err().Description);
        EXPECT_EQ(rp.LoadResPicture("ZNAK", 12).size(), VelicinaFajla(Slike + QStringLiteral("/znak/12.gif")))
            << oblik << ": " << qPrintable(rp.Err().Description);
    }
    EXPECT_TRUE(ResPicture::IspravanPaket(Procitaj(Modul)));
}

namespace {

void Upisi32(QByteArray& b, qint64 od, quint32 v)
{
    qToBigEndian<quint32>(v, b.data() + od);
}
quint32 Procitaj32(const QByteArray& b, qint64 od)
{
    return qFromBigEndian<quint32>(b.constData() + od);
}

}  // namespace

// Damaged bundles: each one read outside its bytes or made Qt allocate gigabytes before the
// check; now each is "not a resource bundle", and the program's own pictures still load.
TEST(ResPicturePaket, OsteceniPaketJeGreskaOtvaranja)
{
    const QByteArray modul = Procitaj(Modul);
    const QByteArray zlib = Procitaj(Paketi + QStringLiteral("/zlib.rcc"));
    const QByteArray zstd = Procitaj(Paketi + QStringLiteral("/zstd.rcc"));
    ASSERT_FALSE(modul.isEmpty());
    ASSERT_FALSE(zlib.isEmpty());
    ASSERT_FALSE(zstd.isEmpty());
    const qint64 stablo = Procitaj32(modul, 8);
    const qint64 podaci = Procitaj32(modul, 12);
    const qint64 imena = Procitaj32(modul, 16);
    const auto izmena = [](QByteArray b, auto promena) {
        promena(b);
        return b;
    };

    const std::vector<std::pair<const char*, QByteArray>> slucajevi {
        { "tree at 2 GB, 20 bytes",
            QByteArray::fromHex("7172657300000002" "7fffffff" "0000000000000000") },
        { "header only", modul.left(20) },
        { "cut in half", modul.left(modul.size() / 2) },
        { "cut by one byte", modul.chopped(1) },
        { "version 4", izmena(modul, [](QByteArray& b) { Upisi32(b, 4, 4); }) },
        { "unknown bundle flag", izmena(modul, [](QByteArray& b) { Upisi32(b, 20, 0x10); }) },
        { "tree past the end", izmena(modul, [](QByteArray& b) { Upisi32(b, 8, quint32(b.size())); }) },
        { "negative data offset", izmena(modul, [](QByteArray& b) { Upisi32(b, 12, 0xfffffff0u); }) },
        { "names past the end", izmena(modul, [](QByteArray& b) { Upisi32(b, 16, 0x7ffffff0u); }) },
        { "root a file", izmena(modul, [&](QByteArray& b) { b[stablo + 5] = 0; }) },
        { "root with 2^31-1 children", izmena(modul, [&](QByteArray& b) { Upisi32(b, stablo + 6, 0x7fffffffu); }) },
        { "root with -1 children", izmena(modul, [&](QByteArray& b) { Upisi32(b, stablo + 6, 0xffffffffu); }) },
        { "root its own child", izmena(modul, [&](QByteArray& b) { Upisi32(b, stablo + 10, 0); }) },
        { "a name longer than the bundle", izmena(modul, [&](QByteArray& b) { b[imena] = b[imena + 1] = '\xff'; }) },
        { "an empty name", izmena(modul, [&](QByteArray& b) { b[imena] = b[imena + 1] = 0; }) },
        { "a name \"..\"", izmena(modul, [&](QByteArray& b) {
              b[imena] = 0;
              b[imena + 1] = 2;
              qToBigEndian<quint32>(0x002e002eu, b.data() + imena + 6); }) },
        { "a name with '/'", izmena(modul, [&](QByteArray& b) { b[imena + 6] = 0; b[imena + 7] = '/'; }) },
        { "data longer than the bundle", izmena(modul, [&](QByteArray& b) { Upisi32(b, podaci, 0x7fffff00u); }) },
        { "zlib data claiming 1 GB", izmena(zlib, [](QByteArray& b) {
              Upisi32(b, Procitaj32(b, 12) + 4, 0x40000000u); }) },
        { "zstd frame claiming 1 TB", izmena(zstd, [](QByteArray& b) {
              const qint64 okvir = Procitaj32(b, 12) + 4;
              b[okvir + 4] = '\xe0';  // single segment, 8-byte content size
              qToLittleEndian<quint64>(quint64(1) << 40, b.data() + okvir + 5); }) },
        { "zstd frame without its size", izmena(zstd, [](QByteArray& b) {
              b[Procitaj32(b, 12) + 8] = 0; }) },
    };

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const auto& [opis, bajtovi] : slucajevi) {
        EXPECT_FALSE(ResPicture::IspravanPaket(bajtovi)) << opis;
        const QString put = dir.filePath(QStringLiteral("ostecen.rcc"));
        {
            QFile f(put);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(bajtovi);
        }
        ResPicture rp;
        EXPECT_FALSE(rp.setFileName(put)) << opis;
        EXPECT_EQ(rp.Err().Description, QStringLiteral("Cannot open %1. GetLastError returns: 193").arg(put)) << opis;
        EXPECT_EQ(rp.LoadResPicture("ZNAK", 12).size(), VelicinaFajla(QStringLiteral(":/ZNAK/12"))) << opis;
    }
    EXPECT_TRUE(MapiraniKoreni().isEmpty());
}
