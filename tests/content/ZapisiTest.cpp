// The record reader, the extraction into the record file and the five loaders, on small
// fixture record files.
#include "Fiksture.h"

#include "content/Kriptovanje.h"
#include "content/Module1.h"
#include "content/Tekst.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

using namespace Module1;
using Fiksture::Dopuni;
using Fiksture::Zapis;

namespace {

QString PutZapisa() { return TempFolder() + ImeZapisa; }

std::vector<std::vector<QByteArray>> SviZapisi(const QByteArray& bajtovi, int n, QString* greska = nullptr)
{
    CitacZapisa citac(bajtovi);
    std::vector<std::vector<QByteArray>> zapisi;
    std::vector<Polje> polja;
    while (!citac.Kraj()) {
        if (!citac.CitajZapis(n, polja)) {
            if (greska)
                *greska = citac.Greska();
            return {};
        }
        std::vector<QByteArray> tekstovi;
        for (const Polje& p : polja)
            tekstovi.push_back(QByteArray(p.tekst.constData(), p.tekst.size()));
        zapisi.push_back(tekstovi);
    }
    return zapisi;
}

QByteArray Otvoreno(qint16 kljuc, const QByteArray& polje)
{
    return Kriptovanje::Dekriptuj(Kriptovanje::KljucniTekst(kljuc), polje);
}

}  // namespace

// ---- the sequential reader ----

TEST(CitacZapisa, ReadsFieldsAsTheRecordFileHoldsThem)
{
    struct Slucaj {
        const char* opis;
        QByteArray bajtovi;
        std::vector<std::vector<QByteArray>> zapisi;
    };
    const std::vector<Slucaj> slucajevi = {
        {"quoted comma stays in its field", "\"a,b\",\"c\",12\r\n", {{"a,b", "c", "12"}}},
        {"NUL padding ends the file", QByteArray("\"a\",\"b\",1\r\n\0\0\0", 14), {{"a", "b", "1"}}},
        {"blanks around an unquoted field are trimmed, inside quotes kept",
         "\"  x \",\" \",  -42  \r\n", {{"  x ", " ", "-42"}}},
        {"two records, LF only and no final line end", "\"a\",\"b\",1\n\"c\",\"d\",2", {{"a", "b", "1"}, {"c", "d", "2"}}},
        {"empty file", "", {}},
        {"only padding", QByteArray("\0\0\0\0", 4), {}},
        {"fields do not follow line boundaries", "\"a\",\r\n\"b\",3\r\n", {{"a", "b", "3"}}},
    };
    for (const Slucaj& s : slucajevi) {
        QString greska;
        EXPECT_EQ(SviZapisi(s.bajtovi, 3, &greska), s.zapisi) << s.opis << ": " << greska.toStdString();
        EXPECT_TRUE(greska.isEmpty()) << s.opis;
    }
}

TEST(CitacZapisa, MalformedFilesAreErrorsNotCrashes)
{
    struct Slucaj {
        const char* opis;
        QByteArray bajtovi;
        const char* greska;
    };
    const std::vector<Slucaj> slucajevi = {
        {"too few fields at the end", "\"a\",\"b\",1\r\n\"c\",2\r\n", "premalo polja (2 od 3)"},
        {"unterminated quote", "\"a\",\"b,1\r\n", "navodnici nisu zatvoreni"},
        {"NUL byte before the end", QByteArray("\"a\",\"b\",1\r\n\0\"c\",\"d\",2\r\n", 23), "NUL bajt pre kraja datoteke"},
        {"NUL byte inside a quoted field", QByteArray("\"a\0\",\"b\",1\r\n", 12), "NUL bajt pre kraja datoteke"},
        {"text after the closing quote", "\"a\"x,\"b\",1\r\n", "višak teksta posle navodnika"},
    };
    for (const Slucaj& s : slucajevi) {
        QString greska;
        EXPECT_TRUE(SviZapisi(s.bajtovi, 3, &greska).empty()) << s.opis;
        EXPECT_EQ(greska, QString::fromUtf8(s.greska)) << s.opis;
    }
}

TEST(Broj, ReadsWholeNumbersAndRejectsTheRest)
{
    const std::vector<std::pair<QByteArray, std::optional<int>>> slucajevi = {
        {"3", 3}, {" 12 ", 12}, {"03", 3}, {"3.0", 3}, {"3.", 3}, {"-2", -2}, {"+4", 4},
        {"", std::nullopt}, {"x", std::nullopt}, {"3a", std::nullopt}, {"3.5", std::nullopt},
        {".", std::nullopt}, {"1 2", std::nullopt}, {"99999999999", std::nullopt},
    };
    for (const auto& [tekst, broj] : slucajevi)
        EXPECT_EQ(Broj(tekst), broj) << tekst.constData();
}

// ---- the record file ----

class RecordFile : public ::testing::Test {
protected:
    void TearDown() override
    {
        EXPECT_FALSE(QFileInfo::exists(PutZapisa()) || QFileInfo(PutZapisa()).isSymLink())
            << "the record file was left behind";
    }
    Fiksture::Izvori izvori;
};

TEST_F(RecordFile, PrivateTemporaryFolder)
{
    const QString folder = TempFolder();
    ASSERT_FALSE(folder.isEmpty());
    EXPECT_TRUE(folder.endsWith(QLatin1Char('/')));
    const QFileInfo info(QDir(folder).absolutePath());
    EXPECT_EQ(info.absolutePath(), QDir::tempPath());
    EXPECT_EQ(info.permissions() & (QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther
                                                  | QFile::WriteOther | QFile::ExeOther),
              QFile::Permissions());
    EXPECT_EQ(TempFolder(), folder);
}

TEST_F(RecordFile, HonoursTmpdirAndReportsAnUnusableOne)
{
    const QByteArray staro = qgetenv("TMPDIR");
    QTemporaryDir drugi;
    ASSERT_TRUE(drugi.isValid());
    qputenv("TMPDIR", drugi.path().toUtf8());
    EXPECT_TRUE(TempFolder().startsWith(drugi.path() + QLatin1Char('/')));

    izvori.Postavi(4, Dopuni(Zapis(1, {"12", "1"})));
    qputenv("TMPDIR", QByteArray("/nonexistent/karuvel/test"));
    const BankaRaskrsnica bez = UcitajRaskrsnice("sve");
    EXPECT_TRUE(bez.zapisi.empty());
    // The description names where the folder was to be made.
    EXPECT_TRUE(bez.greska.opis.contains(QStringLiteral("/nonexistent/karuvel/test"))) << bez.greska.opis.toStdString();

    if (staro.isNull())
        qunsetenv("TMPDIR");
    else
        qputenv("TMPDIR", staro);
    EXPECT_FALSE(UcitajRaskrsnice("sve").greska);
}

TEST_F(RecordFile, ExtractionWritesTheExactBytes)
{
    const QByteArray bajtovi = Dopuni(Zapis(5, {"1", "Opis", "2"}) + "x");
    izvori.Postavi(1, bajtovi);
    ASSERT_FALSE(IzdvojiTekst(1));
    QFile f(PutZapisa());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), bajtovi);
    f.close();
    QFile::remove(PutZapisa());
    EXPECT_TRUE(IzdvojiTekst(2)) << "resource 2 is missing";
}

TEST_F(RecordFile, StaleLongerFileAddsNoRecord)
{
    QByteArray staro;
    for (int i = 0; i < 30; ++i)
        staro += Zapis(static_cast<qint16>(i), {"1", "stari znak", "1"});
    {
        QFile f(PutZapisa());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(staro);
    }
    izvori.Postavi(1, Dopuni(Zapis(40, {"1", "novi", "3"}) + Zapis(41, {"1", "drugi", "4"})));
    const BankaZnakova banka = UcitajSveZnakove();
    ASSERT_FALSE(banka.greska);
    ASSERT_EQ(banka.zapisi.size(), 2u);
    EXPECT_EQ(Otvoreno(banka.zapisi[0].kljuc, banka.zapisi[0].opis), "novi");
}

TEST_F(RecordFile, PlantedLinkLeavesItsTargetUntouched)
{
    QTemporaryDir van;
    ASSERT_TRUE(van.isValid());
    const QString meta = van.filePath(QStringLiteral("meta.txt"));
    {
        QFile f(meta);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("ne diraj");
    }
    ASSERT_TRUE(QFile::link(meta, PutZapisa()));
    izvori.Postavi(4, Dopuni(Zapis(3, {"21", "2"})));
    EXPECT_EQ(UcitajRaskrsnice("sve").zapisi.size(), 1u);
    QFile f(meta);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "ne diraj");
}

// ---- the loaders ----

class Loaders : public RecordFile {};

TEST_F(Loaders, SignsOfOneCategoryInFileOrder)
{
    izvori.Postavi(1, Dopuni(Zapis(-7, {"1", "opasnost", "1"}) + Zapis(8, {"3", "prvi", "11"})
                             + Zapis(9, {"4", "obavestenje", "12"}) + Zapis(10, {" 3", "drugi", "13"})
                             + Zapis(-11, {"3.0", "treci, sa zarezom", "14"}) + Zapis(12, {"5", "nije 3", "15"})));
    const BankaZnakova treca = UcitajZnakove(3);
    ASSERT_FALSE(treca.greska) << treca.greska.opis.toStdString();
    ASSERT_EQ(treca.zapisi.size(), 3u);
    const std::vector<std::pair<QByteArray, QByteArray>> ocekivano = {
        {"prvi", "11"}, {"drugi", "13"}, {"treci, sa zarezom", "14"}};
    for (std::size_t i = 0; i < 3; ++i) {
        const Znak& z = treca.zapisi[i];
        EXPECT_EQ(Otvoreno(z.kljuc, z.opis), ocekivano[i].first);
        EXPECT_EQ(Otvoreno(z.kljuc, z.slika), ocekivano[i].second);
    }
    EXPECT_EQ(treca.zapisi[2].kljuc, -11);

    const BankaZnakova cetvrta = UcitajZnakove(4);
    ASSERT_EQ(cetvrta.zapisi.size(), 1u);
    EXPECT_EQ(Otvoreno(cetvrta.zapisi[0].kljuc, cetvrta.zapisi[0].opis), "obavestenje");

    EXPECT_EQ(UcitajSveZnakove().zapisi.size(), 6u);
}

TEST_F(Loaders, TheoryCategoryMatchesExactly)
{
    const QByteArray pitanje = *Tekst::uCp1250(QStringLiteral("Šta znači „žuto“ svetlo?"));
    izvori.Postavi(2, Dopuni(Zapis(1, {"C", "p1", "a", "b", "c", "1"}) + Zapis(2, {"CD", pitanje, "a1", "a2", "a3", "2"})
                             + Zapis(3, {"D", "p3", "a", "b", "c", "1"}) + Zapis(4, {"cd", "p4", "a", "b", "c", "1"})
                             + Zapis(5, {"CD ", "p5", "a", "b", "c", "1"}) + Zapis(6, {"B", "p6", "a", "b", "c", "3"})
                             + Zapis(7, {"CD", "p7", "x1", "x2", "x3", "3"})));
    const BankaPitanja cd = UcitajTeoriju("CD");
    ASSERT_FALSE(cd.greska) << cd.greska.opis.toStdString();
    ASSERT_EQ(cd.zapisi.size(), 2u);
    const Pitanje& prvo = cd.zapisi[0];
    EXPECT_EQ(Otvoreno(prvo.kljuc, prvo.pitanje), pitanje);
    EXPECT_EQ(Otvoreno(cd.zapisi[1].kljuc, cd.zapisi[1].pitanje), "p7");
    EXPECT_EQ(Otvoreno(prvo.kljuc, prvo.odgovori[0]), "a1");
    EXPECT_EQ(Otvoreno(prvo.kljuc, prvo.odgovori[2]), "a3");
    EXPECT_EQ(Otvoreno(cd.zapisi[1].kljuc, cd.zapisi[1].tacan), "3");

    EXPECT_EQ(UcitajTeoriju("B").zapisi.size(), 1u);
}

// A record kept after its bank is gone (as a test keeps its drawn questions) still reads: its
// fields point into the record file's bytes, which it keeps.
TEST_F(Loaders, ARecordOutlivesItsBank)
{
    izvori.Postavi(2, Dopuni(Zapis(31, {"B", "prvo pitanje", "a", "b", "c", "1"})
                             + Zapis(-32, {"B", "drugo pitanje", "d1", "d2", "d3", "2"})));
    std::optional<Pitanje> zadrzano;
    {
        BankaPitanja banka = UcitajTeoriju("B");
        ASSERT_EQ(banka.zapisi.size(), 2u);
        zadrzano = banka.zapisi[1];
        // Another load in between must not disturb it either.
        ASSERT_EQ(UcitajTeoriju("B").zapisi.size(), 2u);
    }
    EXPECT_EQ(Otvoreno(zadrzano->kljuc, zadrzano->pitanje), "drugo pitanje");
    EXPECT_EQ(Otvoreno(zadrzano->kljuc, zadrzano->odgovori[2]), "d3");
    EXPECT_EQ(Otvoreno(zadrzano->kljuc, zadrzano->tacan), "2");
}

TEST_F(Loaders, SituationsAndIntersectionsTakeEveryRecord)
{
    izvori.Postavi(3, Dopuni(Zapis(1, {"q1", "a", "b", "c", "2", "5"}) + Zapis(2, {"q2", "d", "e", "f", "1", "21"})));
    izvori.Postavi(4, Dopuni(Zapis(3, {"132", "1"}) + Zapis(4, {"2431", "3"})));
    const BankaPitanja situacije = UcitajSituacije("sve");
    ASSERT_EQ(situacije.zapisi.size(), 2u);
    const Pitanje& druga = situacije.zapisi[1];
    EXPECT_EQ(Otvoreno(druga.kljuc, druga.pitanje), "q2");
    EXPECT_EQ(Otvoreno(druga.kljuc, druga.odgovori[1]), "e");
    EXPECT_EQ(Otvoreno(situacije.zapisi[0].kljuc, situacije.zapisi[0].tacan), "2");
    EXPECT_EQ(Otvoreno(druga.kljuc, druga.slika), "21");
    EXPECT_EQ(UcitajSituacije("bilo sta").zapisi.size(), 2u);

    const BankaRaskrsnica raskrsnice = UcitajRaskrsnice("sve");
    ASSERT_EQ(raskrsnice.zapisi.size(), 2u);
    const Raskrsnica& r = raskrsnice.zapisi[1];
    EXPECT_EQ(Otvoreno(r.kljuc, r.resenje), "2431");
    EXPECT_EQ(Otvoreno(r.kljuc, r.slika), "3");
}

TEST_F(Loaders, FailureLeavesTheBankEmptyWithADescription)
{
    struct Slucaj {
        const char* opis;
        std::optional<QByteArray> resurs;
        const char* uGresci;  // part of the description
    };
    const QByteArray dobar = Zapis(1, {"1", "znak", "1"});
    const QByteArray sest = *Tekst::uCp1250(QStringLiteral("šest"));
    const std::vector<Slucaj> slucajevi = {
        {"resource missing", std::nullopt, "TEKST 1: resurs ne postoji"},
        {"too few fields", dobar + "\"a\",\"b\",2\r\n", "TEKST 1, zapis 2: premalo polja (3 od 4)"},
        {"key outside 16 bits", dobar + "\"a\",\"b\",\"c\",40000\r\n", "zapis 2: ključ \"40000\""},
        {"key not a number", dobar + "\"a\",\"b\",\"c\",x\r\n", "zapis 2: ključ"},
        {"quoted key", "\"a\",\"b\",\"c\",\"1\"\r\n", "zapis 1: ključ"},
        {"unquoted text field", "a,\"b\",\"c\",1\r\n", "zapis 1: polje 1 nije tekst"},
        {"unterminated quote", dobar + "\"a\",\"b\",\"c,2\r\n", "zapis 2: navodnici nisu zatvoreni"},
        {"NUL before the end", dobar + QByteArray("\0\0", 2) + dobar, "zapis 2: NUL bajt"},
        {"category not a number", dobar + Zapis(2, {"tri", "znak", "1"}), "zapis 2: kategorija znaka (polje 1) nije broj"},
        {"category text in code page 1250", Zapis(2, {sest, "znak", "1"}), "nije broj: \"šest\""},
        {"category out of range", Zapis(2, {"6", "znak", "1"}), "zapis 1: kategorija znaka (polje 1) je 6"},
        {"picture number not a number", Zapis(2, {"1", "znak", "x"}), "zapis 1: broj slike (polje 3) nije broj"},
        {"no record of the category", Zapis(2, {"2", "znak", "1"}), "TEKST 1: nijedan zapis nije izabran"},
        {"empty resource", QByteArray(), "nijedan zapis"},
    };
    for (const Slucaj& s : slucajevi) {
        if (s.resurs)
            izvori.Postavi(1, *s.resurs);
        else
            izvori.Ukloni(1);
        const BankaZnakova banka = UcitajZnakove(1);
        EXPECT_TRUE(banka.greska) << s.opis;
        EXPECT_TRUE(banka.zapisi.empty()) << s.opis;
        EXPECT_TRUE(banka.greska.opis.contains(QString::fromUtf8(s.uGresci)))
            << s.opis << ": " << banka.greska.opis.toStdString();
        // The user reads the general message with the description below it.
        EXPECT_EQ(banka.greska.ZaKorisnika(), PorukaGreske + QStringLiteral("\n\n") + banka.greska.opis) << s.opis;
        EXPECT_FALSE(QFileInfo::exists(PutZapisa())) << s.opis;
    }
}

TEST_F(Loaders, NumberFieldsOfTheOtherBanksAreChecked)
{
    struct Slucaj {
        int resurs;
        QByteArray bajtovi;
        const char* uGresci;
    };
    const std::vector<Slucaj> slucajevi = {
        {2, Zapis(1, {"B", "p", "a", "b", "c", "4"}), "tačan odgovor (polje 6) je 4"},
        {2, Zapis(1, {"B", "p", "a", "b", "c", "dva"}), "tačan odgovor (polje 6) nije broj"},
        {3, Zapis(1, {"q", "a", "b", "c", "0", "1"}), "tačan odgovor (polje 5) je 0"},
        {3, Zapis(1, {"q", "a", "b", "c", "1", "0"}), "broj slike (polje 6) je 0"},
        {4, Zapis(1, {"1203", "1"}), "rešenje (polje 1)"},
        {4, Zapis(1, {"1234567891", "1"}), "rešenje (polje 1)"},
        {4, Zapis(1, {*Tekst::uCp1250(QStringLiteral("1š")), "1"}), "\"1š\""},
        {4, Zapis(1, {"12", "-1"}), "broj slike (polje 2)"},
    };
    for (const Slucaj& s : slucajevi) {
        izvori.Postavi(s.resurs, Dopuni(s.bajtovi));
        Greska greska;
        std::size_t zapisa = 0;
        if (s.resurs == 4) {
            const BankaRaskrsnica b = UcitajRaskrsnice("sve");
            greska = b.greska;
            zapisa = b.zapisi.size();
        } else {
            const BankaPitanja b = s.resurs == 2 ? UcitajTeoriju("B") : UcitajSituacije("sve");
            greska = b.greska;
            zapisa = b.zapisi.size();
        }
        EXPECT_TRUE(greska) << s.uGresci;
        EXPECT_EQ(zapisa, 0u) << s.uGresci;
        EXPECT_TRUE(greska.opis.contains(QString::fromUtf8(s.uGresci))) << greska.opis.toStdString();
    }
}

TEST_F(Loaders, AMissingRecordFileGivesThePlainMessage)
{
    Greska g;
    g.opis = QStringLiteral("TEKST 2: nema datoteke zapisa posle izdvajanja");
    g.nemaDatoteke = true;
    EXPECT_EQ(g.ZaKorisnika(), PorukaGreske);
    EXPECT_EQ(Greska {}.ZaKorisnika(), PorukaGreske);
}
