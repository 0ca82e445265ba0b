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
            tekstovi.push_back(p.tekst);
        zapisi.push_back(tekstovi);
    }
    return zapisi;
}

QByteArray Otvoreno(const Niz<QByteArray>& niz, const Niz<qint16>& kljucevi, int i)
{
    return Kriptovanje::Dekriptuj(Kriptovanje::KljucniTekst(kljucevi(i)), niz(i));
}

void IsprazniSve()
{
    IsprazniZnakove();
    IsprazniTeoriju();
    IsprazniSituacije();
    IsprazniRaskrsnice();
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

TEST(Niz, IndexedFromOne)
{
    Niz<qint16> niz;
    EXPECT_EQ(niz.GornjaGranica(), 0);
    niz.Dodaj(7);
    niz.Dodaj(9);
    EXPECT_EQ(niz.GornjaGranica(), 2);
    EXPECT_EQ(niz(1), 7);
    EXPECT_EQ(niz(2), 9);
    niz.Isprazni();
    EXPECT_EQ(niz.GornjaGranica(), 0);

    NizOdgovora odgovori;
    odgovori.Dodaj({"a", "b", "c"});
    EXPECT_EQ(odgovori(1, 1), "a");
    EXPECT_EQ(odgovori(1, 3), "c");
}

// ---- the record file ----

class RecordFile : public ::testing::Test {
protected:
    void SetUp() override { IsprazniSve(); }
    void TearDown() override
    {
        IsprazniSve();
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
    EXPECT_FALSE(UcitajRaskrsnice("sve"));
    EXPECT_EQ(RaskrsnicaResenje.GornjaGranica(), 0);
    EXPECT_FALSE(PoslednjaGreska().isEmpty());

    if (staro.isNull())
        qunsetenv("TMPDIR");
    else
        qputenv("TMPDIR", staro);
    EXPECT_TRUE(UcitajRaskrsnice("sve"));
}

TEST_F(RecordFile, ExtractionWritesTheExactBytes)
{
    const QByteArray bajtovi = Dopuni(Zapis(5, {"1", "Opis", "2"}) + "x");
    izvori.Postavi(1, bajtovi);
    ASSERT_TRUE(IzdvojiTekst(1));
    QFile f(PutZapisa());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), bajtovi);
    f.close();
    QFile::remove(PutZapisa());
    EXPECT_FALSE(IzdvojiTekst(2)) << "resource 2 is missing";
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
    ASSERT_TRUE(UcitajSveZnakove());
    EXPECT_EQ(ZnakOpis.GornjaGranica(), 2);
    EXPECT_EQ(Otvoreno(ZnakOpis, ZnakKljuc, 1), "novi");
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
    ASSERT_TRUE(UcitajRaskrsnice("sve"));
    EXPECT_EQ(RaskrsnicaResenje.GornjaGranica(), 1);
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
    ASSERT_TRUE(UcitajZnakove(3)) << PoslednjaGreska().toStdString();
    ASSERT_EQ(ZnakOpis.GornjaGranica(), 3);
    EXPECT_EQ(ZnakSlika.GornjaGranica(), 3);
    EXPECT_EQ(ZnakKljuc.GornjaGranica(), 3);
    const std::vector<std::pair<QByteArray, QByteArray>> ocekivano = {
        {"prvi", "11"}, {"drugi", "13"}, {"treci, sa zarezom", "14"}};
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(Otvoreno(ZnakOpis, ZnakKljuc, i), ocekivano[i - 1].first);
        EXPECT_EQ(Otvoreno(ZnakSlika, ZnakKljuc, i), ocekivano[i - 1].second);
    }
    EXPECT_EQ(ZnakKljuc(3), -11);

    IsprazniZnakove();
    ASSERT_TRUE(UcitajZnakove(4));
    ASSERT_EQ(ZnakOpis.GornjaGranica(), 1);
    EXPECT_EQ(Otvoreno(ZnakOpis, ZnakKljuc, 1), "obavestenje");

    IsprazniZnakove();
    ASSERT_TRUE(UcitajSveZnakove());
    EXPECT_EQ(ZnakOpis.GornjaGranica(), 6);
}

TEST_F(Loaders, TheoryCategoryMatchesExactly)
{
    const QByteArray pitanje = *Tekst::uCp1250(QStringLiteral("Šta znači „žuto“ svetlo?"));
    izvori.Postavi(2, Dopuni(Zapis(1, {"C", "p1", "a", "b", "c", "1"}) + Zapis(2, {"CD", pitanje, "a1", "a2", "a3", "2"})
                             + Zapis(3, {"D", "p3", "a", "b", "c", "1"}) + Zapis(4, {"cd", "p4", "a", "b", "c", "1"})
                             + Zapis(5, {"CD ", "p5", "a", "b", "c", "1"}) + Zapis(6, {"B", "p6", "a", "b", "c", "3"})
                             + Zapis(7, {"CD", "p7", "x1", "x2", "x3", "3"})));
    ASSERT_TRUE(UcitajTeoriju("CD")) << PoslednjaGreska().toStdString();
    ASSERT_EQ(TeorijaPitanje.GornjaGranica(), 2);
    EXPECT_EQ(TeorijaOdgovor.GornjaGranica(), 2);
    EXPECT_EQ(Otvoreno(TeorijaPitanje, TeorijaKljuc, 1), pitanje);
    EXPECT_EQ(Otvoreno(TeorijaPitanje, TeorijaKljuc, 2), "p7");
    const QByteArray kt = Kriptovanje::KljucniTekst(TeorijaKljuc(1));
    EXPECT_EQ(Kriptovanje::Dekriptuj(kt, TeorijaOdgovor(1, 1)), "a1");
    EXPECT_EQ(Kriptovanje::Dekriptuj(kt, TeorijaOdgovor(1, 3)), "a3");
    EXPECT_EQ(Otvoreno(TeorijaTacan, TeorijaKljuc, 2), "3");

    IsprazniTeoriju();
    ASSERT_TRUE(UcitajTeoriju("B"));
    EXPECT_EQ(TeorijaPitanje.GornjaGranica(), 1);
}

TEST_F(Loaders, SituationsAndIntersectionsTakeEveryRecord)
{
    izvori.Postavi(3, Dopuni(Zapis(1, {"q1", "a", "b", "c", "2", "5"}) + Zapis(2, {"q2", "d", "e", "f", "1", "21"})));
    izvori.Postavi(4, Dopuni(Zapis(3, {"132", "1"}) + Zapis(4, {"2431", "3"})));
    ASSERT_TRUE(UcitajSituacije("sve"));
    ASSERT_EQ(SituacijaPitanje.GornjaGranica(), 2);
    EXPECT_EQ(Otvoreno(SituacijaPitanje, SituacijaKljuc, 2), "q2");
    EXPECT_EQ(Kriptovanje::Dekriptuj(Kriptovanje::KljucniTekst(SituacijaKljuc(2)), SituacijaOdgovor(2, 2)), "e");
    EXPECT_EQ(Otvoreno(SituacijaTacan, SituacijaKljuc, 1), "2");
    EXPECT_EQ(Otvoreno(SituacijaSlika, SituacijaKljuc, 2), "21");
    IsprazniSituacije();
    ASSERT_TRUE(UcitajSituacije("bilo sta"));
    EXPECT_EQ(SituacijaPitanje.GornjaGranica(), 2);

    ASSERT_TRUE(UcitajRaskrsnice("sve"));
    ASSERT_EQ(RaskrsnicaResenje.GornjaGranica(), 2);
    EXPECT_EQ(Otvoreno(RaskrsnicaResenje, RaskrsnicaKljuc, 2), "2431");
    EXPECT_EQ(Otvoreno(RaskrsnicaSlika, RaskrsnicaKljuc, 2), "3");
}

TEST_F(Loaders, FailureLeavesTheBankEmptyWithADescription)
{
    struct Slucaj {
        const char* opis;
        std::optional<QByteArray> resurs;
        const char* uGresci;  // part of the description
    };
    const QByteArray dobar = Zapis(1, {"1", "znak", "1"});
    const std::vector<Slucaj> slucajevi = {
        {"resource missing", std::nullopt, "TEKST 1: resurs ne postoji"},
        {"too few fields", dobar + "\"a\",\"b\",2\r\n", "TEKST 1, zapis 2: premalo polja (3 od 4)"},
        {"key outside 16 bits", dobar + "\"a\",\"b\",\"c\",40000\r\n", "zapis 2: kljuc \"40000\""},
        {"key not a number", dobar + "\"a\",\"b\",\"c\",x\r\n", "zapis 2: kljuc"},
        {"quoted key", "\"a\",\"b\",\"c\",\"1\"\r\n", "zapis 1: kljuc"},
        {"unquoted text field", "a,\"b\",\"c\",1\r\n", "zapis 1: polje 1 nije tekst"},
        {"unterminated quote", dobar + "\"a\",\"b\",\"c,2\r\n", "zapis 2: navodnici nisu zatvoreni"},
        {"NUL before the end", dobar + QByteArray("\0\0", 2) + dobar, "zapis 2: NUL bajt"},
        {"category not a number", dobar + Zapis(2, {"tri", "znak", "1"}), "zapis 2: kategorija znaka (polje 1) nije broj"},
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
        ZnakOpis.Dodaj("ostatak");
        EXPECT_FALSE(UcitajZnakove(1)) << s.opis;
        EXPECT_EQ(ZnakOpis.GornjaGranica(), 0) << s.opis;
        EXPECT_EQ(ZnakSlika.GornjaGranica(), 0) << s.opis;
        EXPECT_EQ(ZnakKljuc.GornjaGranica(), 0) << s.opis;
        EXPECT_TRUE(PoslednjaGreska().contains(QString::fromUtf8(s.uGresci)))
            << s.opis << ": " << PoslednjaGreska().toStdString();
        // The user reads the general message with the description below it.
        EXPECT_EQ(PorukaZaKorisnika(), PorukaGreske + QStringLiteral("\n\n") + PoslednjaGreska()) << s.opis;
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
        {2, Zapis(1, {"B", "p", "a", "b", "c", "4"}), "tacan odgovor (polje 6) je 4"},
        {2, Zapis(1, {"B", "p", "a", "b", "c", "dva"}), "tacan odgovor (polje 6) nije broj"},
        {3, Zapis(1, {"q", "a", "b", "c", "0", "1"}), "tacan odgovor (polje 5) je 0"},
        {3, Zapis(1, {"q", "a", "b", "c", "1", "0"}), "broj slike (polje 6) je 0"},
        {4, Zapis(1, {"1203", "1"}), "rešenje (polje 1)"},
        {4, Zapis(1, {"1234567891", "1"}), "rešenje (polje 1)"},
        {4, Zapis(1, {"12", "-1"}), "broj slike (polje 2)"},
    };
    for (const Slucaj& s : slucajevi) {
        izvori.Postavi(s.resurs, Dopuni(s.bajtovi));
        const bool ucitano = s.resurs == 2 ? UcitajTeoriju("B") : s.resurs == 3 ? UcitajSituacije("sve") : UcitajRaskrsnice("sve");
        EXPECT_FALSE(ucitano) << s.uGresci;
        EXPECT_TRUE(PoslednjaGreska().contains(QString::fromUtf8(s.uGresci))) << PoslednjaGreska().toStdString();
        EXPECT_EQ(TeorijaPitanje.GornjaGranica() + TeorijaOdgovor.GornjaGranica() + SituacijaPitanje.GornjaGranica()
                      + SituacijaOdgovor.GornjaGranica() + RaskrsnicaResenje.GornjaGranica(),
                  0);
    }
}
