// The record files built into the program from content/: every bank loads from the real
// resources, every record deciphers and parses, and the pictures it names exist.
#include "content/Kriptovanje.h"
#include "content/Module1.h"
#include "content/Tekst.h"

#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <QRegularExpression>

#include <set>

#include <gtest/gtest.h>

using namespace Module1;

namespace {

QString Otvori(qint16 kljuc, const QByteArray& polje)
{
    return Tekst::izCp1250(Kriptovanje::Dekriptuj(Kriptovanje::KljucniTekst(kljuc), polje));
}

int BrojPolja(qint16 kljuc, const QByteArray& polje)
{
    const auto broj = Broj(Kriptovanje::Dekriptuj(Kriptovanje::KljucniTekst(kljuc), polje));
    EXPECT_TRUE(broj.has_value()) << "key " << kljuc;
    return broj.value_or(-1);
}

void ProveriTekst(const QString& tekst, qint16 kljuc)
{
    EXPECT_FALSE(tekst.trimmed().isEmpty()) << "key " << kljuc;
    EXPECT_EQ(tekst, tekst.trimmed()) << "key " << kljuc;
}

bool SlikaPostoji(const char* vrsta, int broj)
{
    for (const char* nastavak : {"", ".gif", ".jpg"})
        if (QFile::exists(QStringLiteral(":/%1/%2%3").arg(QLatin1String(vrsta)).arg(broj).arg(QLatin1String(nastavak))))
            return true;
    return false;
}

// "<bank> <category> <records>" lines of the content compiler for the repository's content/.
std::map<QString, int> Pregled()
{
    QProcess p;
    p.start(QStringLiteral(KARUVEL_SADRZAJ), {QStringLiteral("--pregled"), QStringLiteral(KARUVEL_SADRZAJ_DIR)});
    EXPECT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    std::map<QString, int> broj;
    for (const QString& red : QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QStringList d = red.split(QLatin1Char(' '));
        if (d.size() == 3)
            broj[d[0] + QLatin1Char(' ') + d[1]] = d[2].toInt();
    }
    return broj;
}

// "<bank> <category> tacan-najduzi <n>/<questions> <percent>% tacan-1.5x <m>" lines of the overview.
struct DuzinaTacnog {
    int najduzi = -1;
    int pitanja = -1;
    int jedanIPoPuta = -1;
};

std::map<QString, DuzinaTacnog> DuzineTacnih()
{
    QProcess p;
    p.start(QStringLiteral(KARUVEL_SADRZAJ), {QStringLiteral("--pregled"), QStringLiteral(KARUVEL_SADRZAJ_DIR)});
    EXPECT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    static const QRegularExpression red(QStringLiteral("^(\\S+ \\S+) tacan-najduzi (\\d+)/(\\d+) \\d+% tacan-1\\.5x (\\d+)$"),
                                        QRegularExpression::MultilineOption);
    std::map<QString, DuzinaTacnog> duzine;
    auto pogoci = red.globalMatch(QString::fromUtf8(p.readAllStandardOutput()));
    while (pogoci.hasNext()) {
        const auto m = pogoci.next();
        duzine[m.captured(1)] = {m.captured(2).toInt(), m.captured(3).toInt(), m.captured(4).toInt()};
    }
    return duzine;
}

// A question as a reader compares it: lower case, without diacritics and punctuation.
QString Svedeno(QString tekst)
{
    tekst = tekst.toLower().replace(QStringLiteral("đ"), QStringLiteral("dj")).normalized(QString::NormalizationForm_D);
    tekst.remove(QRegularExpression(QStringLiteral("\\p{M}")));
    return tekst.replace(QRegularExpression(QStringLiteral("[^a-z0-9]+")), QStringLiteral(" ")).trimmed();
}

}  // namespace

class RealContent : public ::testing::Test {
protected:
    void SetUp() override { PostaviIzvor({}); }

    // Every bank must load; a failure fails the test with its description.
    template <class Zapis>
    static std::vector<Zapis> Zapisi(const Banka<Zapis>& banka)
    {
        EXPECT_FALSE(banka.greska) << banka.greska.opis.toStdString();
        return banka.zapisi;
    }
};

TEST_F(RealContent, SignsDecipherAndNameExistingPictures)
{
    const auto pregled = Pregled();
    int ukupno = 0;
    for (qint16 k = 1; k <= 5; ++k) {
        const int ocekivano = pregled.at(QStringLiteral("znakovi %1").arg(k));
        ukupno += ocekivano;
        const BankaZnakova banka = UcitajZnakove(k);
        if (ocekivano == 0) {
            EXPECT_TRUE(banka.greska);
            continue;
        }
        const std::vector<Znak> znakovi = Zapisi(banka);
        ASSERT_EQ(static_cast<int>(znakovi.size()), ocekivano);
        for (const Znak& z : znakovi) {
            ProveriTekst(Otvori(z.kljuc, z.opis), z.kljuc);
            EXPECT_TRUE(SlikaPostoji("ZNAK", BrojPolja(z.kljuc, z.slika))) << "sign key " << z.kljuc;
        }
    }
    EXPECT_EQ(static_cast<int>(Zapisi(UcitajSveZnakove()).size()), ukupno);
}

TEST_F(RealContent, TheoryQuestionsDecipherAndParse)
{
    const auto pregled = Pregled();
    for (const QByteArray& kategorija : {QByteArray("B"), QByteArray("CD"), QByteArray("T")}) {
        const int ocekivano = pregled.at(QStringLiteral("teorija ") + QString::fromLatin1(kategorija));
        if (ocekivano == 0) {
            ADD_FAILURE() << "no theory questions of category " << kategorija.constData();
            continue;
        }
        const std::vector<Pitanje> pitanja = Zapisi(UcitajTeoriju(kategorija));
        ASSERT_EQ(static_cast<int>(pitanja.size()), ocekivano);
        for (const Pitanje& p : pitanja) {
            ProveriTekst(Otvori(p.kljuc, p.pitanje), p.kljuc);
            for (const QByteArray& odgovor : p.odgovori)
                ProveriTekst(Otvori(p.kljuc, odgovor), p.kljuc);
            const int tacan = BrojPolja(p.kljuc, p.tacan);
            EXPECT_GE(tacan, 1);
            EXPECT_LE(tacan, 3);
        }
    }
}

TEST_F(RealContent, SituationsAndIntersectionsDecipherAndNameExistingPictures)
{
    const auto pregled = Pregled();
    const std::vector<Pitanje> situacije = Zapisi(UcitajSituacije("sve"));
    ASSERT_EQ(static_cast<int>(situacije.size()), pregled.at(QStringLiteral("situacije -")));
    for (const Pitanje& p : situacije) {
        ProveriTekst(Otvori(p.kljuc, p.pitanje), p.kljuc);
        for (const QByteArray& odgovor : p.odgovori)
            ProveriTekst(Otvori(p.kljuc, odgovor), p.kljuc);
        const int tacan = BrojPolja(p.kljuc, p.tacan);
        EXPECT_TRUE(tacan >= 1 && tacan <= 3) << tacan;
        EXPECT_TRUE(SlikaPostoji("SITUACIJA", BrojPolja(p.kljuc, p.slika))) << "situation key " << p.kljuc;
    }

    const std::vector<Raskrsnica> raskrsnice = Zapisi(UcitajRaskrsnice("sve"));
    ASSERT_EQ(static_cast<int>(raskrsnice.size()), pregled.at(QStringLiteral("raskrsnice -")));
    for (const Raskrsnica& r : raskrsnice) {
        const QString resenje = Otvori(r.kljuc, r.resenje);
        EXPECT_TRUE(resenje.size() >= 1 && resenje.size() <= 9) << resenje.toStdString();
        EXPECT_TRUE(SlikaPostoji("RASKRSNICA", BrojPolja(r.kljuc, r.slika))) << "intersection key " << r.kljuc;
    }
}

// The tests draw this many distinct questions from each bank.
TEST_F(RealContent, BanksHoldEnoughRecordsForTheirTests)
{
    const auto pregled = Pregled();
    for (int k = 1; k <= 5; ++k)
        EXPECT_GE(pregled.at(QStringLiteral("znakovi %1").arg(k)), 1) << "sign category " << k;
    EXPECT_GE(pregled.at(QStringLiteral("teorija B")), 20);
    EXPECT_GE(pregled.at(QStringLiteral("teorija CD")), 20);
    EXPECT_GE(pregled.at(QStringLiteral("teorija T")), 10);
    EXPECT_GE(pregled.at(QStringLiteral("situacije -")), 20);
    EXPECT_GE(pregled.at(QStringLiteral("raskrsnice -")), 2);
}

TEST_F(RealContent, PicturesHaveTheirStoredFormatAndSize)
{
    struct Vrsta {
        const char* ime;
        int broj;
        QByteArray format;
        int minSirina, maxSirina, minVisina, maxVisina;
    };
    const Vrsta vrste[] = {
        { "ZNAK", 20, "gif", 130, 185, 51, 203 },
        { "SITUACIJA", 21, "jpeg", 258, 260, 164, 180 },
        { "RASKRSNICA", 2, "jpeg", 302, 302, 225, 225 },
    };
    for (const Vrsta& v : vrste) {
        for (int n = 1; n <= v.broj; ++n) {
            QImageReader citac(QStringLiteral(":/%1/%2").arg(QLatin1String(v.ime)).arg(n));
            SCOPED_TRACE(citac.fileName().toStdString());
            EXPECT_EQ(citac.format(), v.format);
            const QSize velicina = citac.size();
            EXPECT_TRUE(velicina.width() >= v.minSirina && velicina.width() <= v.maxSirina) << velicina.width();
            EXPECT_TRUE(velicina.height() >= v.minVisina && velicina.height() <= v.maxVisina) << velicina.height();
        }
    }
    QImageReader treca(QStringLiteral(":/RASKRSNICA/3"));
    EXPECT_EQ(treca.format(), "jpeg");
    EXPECT_EQ(treca.size(), QSize(420, 224));
}

// The sign test shows record s with picture s for the signs 1 to 20.
TEST_F(RealContent, SignRecordsOneToTwentyUseTheirOwnPicture)
{
    const std::vector<Znak> znakovi = Zapisi(UcitajSveZnakove());
    ASSERT_GE(znakovi.size(), 20u);
    for (int s = 1; s <= 20; ++s)
        EXPECT_EQ(BrojPolja(znakovi[std::size_t(s - 1)].kljuc, znakovi[std::size_t(s - 1)].slika), s);
}

TEST_F(RealContent, BanksAreAsLargeAsPromised)
{
    const auto pregled = Pregled();
    EXPECT_GE(pregled.at(QStringLiteral("teorija B")), 500);
    EXPECT_GE(pregled.at(QStringLiteral("teorija CD")), 160);
    EXPECT_GE(pregled.at(QStringLiteral("teorija T")), 100);
    EXPECT_GE(pregled.at(QStringLiteral("situacije -")), 42);

    std::map<int, int> poSlici;
    for (const Pitanje& p : Zapisi(UcitajSituacije("sve")))
        ++poSlici[BrojPolja(p.kljuc, p.slika)];
    for (int slika = 1; slika <= 21; ++slika)
        EXPECT_GE(poSlici[slika], 2) << "situation picture " << slika;

    std::set<int> slike;
    for (const Raskrsnica& r : Zapisi(UcitajRaskrsnice("sve")))
        slike.insert(BrojPolja(r.kljuc, r.slika));
    EXPECT_EQ(slike, (std::set<int> { 1, 2, 3 }));
}

// A candidate who always picks the longest answer must not pass: in each category the correct
// answer is the single longest one in at most 40 % of the questions, and never 1.5 times as
// long as both others.
TEST_F(RealContent, TheCorrectAnswerDoesNotStandOutByItsLength)
{
    const auto duzine = DuzineTacnih();
    for (const char* kategorija : {"teorija B", "teorija CD", "teorija T", "situacije -"}) {
        SCOPED_TRACE(kategorija);
        ASSERT_EQ(duzine.count(QString::fromLatin1(kategorija)), 1u);
        const DuzinaTacnog& d = duzine.at(QString::fromLatin1(kategorija));
        ASSERT_GT(d.pitanja, 0);
        EXPECT_LE(d.najduzi * 100, d.pitanja * 40) << d.najduzi << " of " << d.pitanja << " questions";
        EXPECT_EQ(d.jedanIPoPuta, 0);
    }
}

// Every theory answer in one style: a capital letter (or a digit, or a quotation mark) first,
// no full stop, question or exclamation mark last.
TEST_F(RealContent, TheoryAnswersShareOneStyle)
{
    for (const QByteArray& kategorija : {QByteArray("B"), QByteArray("CD"), QByteArray("T")}) {
        for (const Pitanje& p : Zapisi(UcitajTeoriju(kategorija))) {
            for (const QByteArray& sifrovan : p.odgovori) {
                const QString odgovor = Otvori(p.kljuc, sifrovan);
                ASSERT_FALSE(odgovor.isEmpty());
                const QChar prvi = odgovor.front();
                EXPECT_TRUE(prvi.isUpper() || prvi.isDigit() || prvi == QChar(0x201E))
                    << kategorija.constData() << ": " << odgovor.toStdString();
                EXPECT_FALSE(odgovor.endsWith(QLatin1Char('.')) || odgovor.endsWith(QLatin1Char('?'))
                             || odgovor.endsWith(QLatin1Char('!')))
                    << kategorija.constData() << ": " << odgovor.toStdString();
            }
        }
    }
}

TEST_F(RealContent, NoQuestionIsAskedTwiceAndEveryAnswerDiffers)
{
    const auto razliciti = [](const Pitanje& p) {
        return std::set<QString> { Svedeno(Otvori(p.kljuc, p.odgovori[0])), Svedeno(Otvori(p.kljuc, p.odgovori[1])),
            Svedeno(Otvori(p.kljuc, p.odgovori[2])) }.size();
    };
    for (const QByteArray& kategorija : {QByteArray("B"), QByteArray("CD"), QByteArray("T")}) {
        std::map<QString, int> vidjeno;
        int i = 0;
        for (const Pitanje& p : Zapisi(UcitajTeoriju(kategorija))) {
            ++i;
            const QString pitanje = Otvori(p.kljuc, p.pitanje);
            const auto [mesto, novo] = vidjeno.emplace(Svedeno(pitanje), i);
            EXPECT_TRUE(novo) << kategorija.constData() << ": " << pitanje.toStdString() << " (records "
                              << mesto->second << " and " << i << ")";
            EXPECT_EQ(razliciti(p), 3u) << pitanje.toStdString();
        }
    }
    for (const Pitanje& p : Zapisi(UcitajSituacije("sve")))
        EXPECT_EQ(razliciti(p), 3u) << Otvori(p.kljuc, p.pitanje).toStdString();
}
