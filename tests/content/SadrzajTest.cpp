// The content compiler, run as the build runs it, on small content folders.
#include "content/Kriptovanje.h"
#include "content/Module1.h"
#include "content/Tekst.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <set>

namespace {

struct Rezultat {
    int izlaz = -1;
    QString stdout_;
    QString stderr_;
};

Rezultat Pokreni(const QStringList& argumenti)
{
    QProcess p;
    p.start(QStringLiteral(KARUVEL_SADRZAJ), argumenti);
    EXPECT_TRUE(p.waitForFinished(30000));
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

void Pisi(const QString& put, const QString& tekst)
{
    QFile f(put);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(tekst.toUtf8());
}

QByteArray Citaj(const QString& put)
{
    QFile f(put);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

const QString Znakovi = QStringLiteral(
    "kategorija\tslika\topis\n"
    "1\t1\tOpasna krivina – smanjite brzinu\n"
    "3\t7\tObavezan smer, „pravo“\n"
    "3\t8\tKružni tok\n");
const QString Teorija = QStringLiteral(
    "kategorija\tpitanje\todgovor1\todgovor2\todgovor3\ttacan\r\n"
    "B\tŠta je pešak?\tLice koje učestvuje u saobraćaju, a ne upravlja vozilom\tVozač\tPutnik…\t1\r\n"
    "\r\n"
    "CD\tPitanje, sa zarezom\tDa\tNe\tMožda\t3\r\n"
    "T\tĐak\tĆ\tž\tŽ\t2\r\n");
const QString Situacije = QStringLiteral(
    "slika\tpitanje\todgovor1\todgovor2\todgovor3\ttacan\n"
    "21\tKo prvi prolazi?\tA\tB\tC\t2\n");
const QString Raskrsnice = QStringLiteral("slika\tresenje\n1\t132\n3\t2431\n");

class Compiler : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        Pisi(Put("znakovi.tsv"), Znakovi);
        Pisi(Put("teorija.tsv"), Teorija);
        Pisi(Put("situacije.tsv"), Situacije);
        Pisi(Put("raskrsnice.tsv"), Raskrsnice);
    }
    QString Put(const char* ime) const { return dir.filePath(QString::fromLatin1(ime)); }
    QTemporaryDir dir;
};

}  // namespace

TEST_F(Compiler, OverviewCountsEveryBankAndCategory)
{
    const Rezultat r = Pokreni({QStringLiteral("--pregled"), dir.path()});
    EXPECT_EQ(r.izlaz, 0) << r.stderr_.toStdString();
    EXPECT_EQ(r.stdout_.toStdString(), "znakovi 1 1\nznakovi 2 0\nznakovi 3 2\nznakovi 4 0\nznakovi 5 0\n"
                                       "teorija B 1\nteorija B tacan-najduzi 1/1 100% tacan-1.5x 1\n"
                                       "teorija CD 1\nteorija CD tacan-najduzi 1/1 100% tacan-1.5x 1\n"
                                       "teorija T 1\nteorija T tacan-najduzi 0/1 0% tacan-1.5x 0\n"
                                       "situacije - 1\nsituacije - tacan-najduzi 0/1 0% tacan-1.5x 0\n"
                                       "raskrsnice - 2\n");
}

// The overview tells how often the correct answer is the longest, counted in characters.
TEST_F(Compiler, OverviewMeasuresTheCorrectAnswerAgainstTheOthers)
{
    struct Slucaj {
        std::vector<const char*> pitanja;  // "answer1\tanswer2\tanswer3\tcorrect" each
        const char* najduzi;               // expected "<longest>/<questions> <percent>%"
        int jedanIPoPuta;                  // expected count of correct answers 1.5 times as long as both others
    };
    const std::vector<Slucaj> slucajevi = {
        {{"aaa\taaaa\taa\t2"}, "1/1 100%", 0},            // longest, but only 4/3 of the next
        {{"aaaa\taaaa\ta\t1"}, "0/1 0%", 0},              // shares the greatest length
        {{"a\taaaaaa\taaaa\t2"}, "1/1 100%", 1},          // exactly 1.5 times the next one
        {{"aaaaaaa\taaaaa\ta\t1"}, "1/1 100%", 0},        // 1.4 times the next one
        {{"aaaaaaaaa\taaaaaa\taaaaaa\t1"}, "1/1 100%", 1},
        {{"aa\ta\taaaaaaaa\t1"}, "0/1 0%", 0},            // another answer is longer
        {{"ččč\taaa\taa\t1"}, "0/1 0%", 0},               // letters, not UTF-8 bytes
        {{"čćžšđ\taaa\taa\t1"}, "1/1 100%", 1},
        {{"aaaa\tbbb\tc\t1", "aa\tb\tc\t1", "a\tbb\tb\t1"}, "2/3 67%", 1},
        {{"a\tbb\tccc\t1", "aaa\tb\tc\t1", "a\tbbb\tb\t3"}, "1/3 33%", 1},
    };
    for (const Slucaj& s : slucajevi) {
        QString teorija = QStringLiteral("kategorija\tpitanje\todgovor1\todgovor2\todgovor3\ttacan\n");
        QString situacije = QStringLiteral("slika\tpitanje\todgovor1\todgovor2\todgovor3\ttacan\n");
        for (std::size_t i = 0; i < s.pitanja.size(); ++i) {
            teorija += QStringLiteral("B\tPitanje %1\t%2\n").arg(i).arg(QString::fromUtf8(s.pitanja[i]));
            situacije += QStringLiteral("1\tPitanje %1\t%2\n").arg(i).arg(QString::fromUtf8(s.pitanja[i]));
        }
        SCOPED_TRACE(teorija.toStdString());
        Pisi(Put("teorija.tsv"), teorija);
        Pisi(Put("situacije.tsv"), situacije);
        const Rezultat r = Pokreni({QStringLiteral("--pregled"), dir.path()});
        ASSERT_EQ(r.izlaz, 0) << r.stderr_.toStdString();
        const QString ocekivano = QStringLiteral("tacan-najduzi %1 tacan-1.5x %2\n").arg(QLatin1String(s.najduzi)).arg(s.jedanIPoPuta);
        EXPECT_TRUE(r.stdout_.contains(QStringLiteral("\nteorija B ") + ocekivano)) << r.stdout_.toStdString();
        EXPECT_TRUE(r.stdout_.contains(QStringLiteral("\nsituacije - ") + ocekivano)) << r.stdout_.toStdString();
        EXPECT_TRUE(r.stdout_.contains(QStringLiteral("\nteorija CD tacan-najduzi 0/0 0% tacan-1.5x 0\n")));
    }
}

TEST_F(Compiler, RecordFilesDecipherToTheSources)
{
    const QString izlaz = dir.filePath(QStringLiteral("izlaz"));
    const Rezultat r = Pokreni({dir.path(), izlaz});
    ASSERT_EQ(r.izlaz, 0) << r.stderr_.toStdString();

    const int brojPolja[] = {0, 4, 7, 7, 3};
    std::vector<std::vector<std::vector<QString>>> banke(5);
    std::set<qint16> kljucevi;
    for (int n = 1; n <= 4; ++n) {
        const QByteArray bajtovi = Citaj(QDir(izlaz).filePath(QString::number(n)));
        EXPECT_EQ(bajtovi.size() % 4, 0);
        const qsizetype kraj = bajtovi.lastIndexOf("\r\n") + 2;
        EXPECT_LE(bajtovi.size() - kraj, 3);
        EXPECT_EQ(bajtovi.mid(kraj), QByteArray(bajtovi.size() - kraj, '\0'));
        EXPECT_EQ(bajtovi.count("\r\n"), bajtovi.count('\n'));

        Module1::CitacZapisa citac(bajtovi);
        std::vector<Module1::Polje> polja;
        while (!citac.Kraj()) {
            ASSERT_TRUE(citac.CitajZapis(brojPolja[n], polja)) << citac.Greska().toStdString();
            ASSERT_FALSE(polja.back().podNavodnicima);
            const qint16 kljuc = static_cast<qint16>(polja.back().tekst.toInt());
            EXPECT_TRUE(kljucevi.insert(kljuc).second) << "key " << kljuc << " repeats";
            std::vector<QString> tekstovi;
            for (std::size_t i = 0; i + 1 < polja.size(); ++i) {
                EXPECT_TRUE(polja[i].podNavodnicima);
                tekstovi.push_back(Tekst::izCp1250(Kriptovanje::Dekriptuj(Kriptovanje::KljucniTekst(kljuc), polja[i].tekst)));
            }
            banke[static_cast<std::size_t>(n)].push_back(tekstovi);
        }
    }
    using V = std::vector<std::vector<QString>>;
    EXPECT_EQ(banke[1], (V{{"1", "Opasna krivina – smanjite brzinu", "1"}, {"3", "Obavezan smer, „pravo“", "7"},
                          {"3", "Kružni tok", "8"}}));
    EXPECT_EQ(banke[2], (V{{"B", "Šta je pešak?", "Lice koje učestvuje u saobraćaju, a ne upravlja vozilom", "Vozač",
                            "Putnik…", "1"},
                           {"CD", "Pitanje, sa zarezom", "Da", "Ne", "Možda", "3"},
                           {"T", "Đak", "Ć", "ž", "Ž", "2"}}));
    EXPECT_EQ(banke[3], (V{{"Ko prvi prolazi?", "A", "B", "C", "2", "21"}}));
    EXPECT_EQ(banke[4], (V{{"132", "1"}, {"2431", "3"}}));

    // Reproducible: a second run writes the same bytes.
    const QString izlaz2 = dir.filePath(QStringLiteral("izlaz2"));
    ASSERT_EQ(Pokreni({dir.path(), izlaz2}).izlaz, 0);
    for (int n = 1; n <= 4; ++n)
        EXPECT_EQ(Citaj(QDir(izlaz).filePath(QString::number(n))), Citaj(QDir(izlaz2).filePath(QString::number(n))));
}

TEST_F(Compiler, BadSourcesFailWithFileLineAndReason)
{
    struct Slucaj {
        const char* fajl;
        QString sadrzaj;
        QString poruka;  // expected in the error output
    };
    const QString zt = QStringLiteral("kategorija\tpitanje\todgovor1\todgovor2\todgovor3\ttacan\nB\tp\ta\tb\tc\t1\n");
    const QString zs = QStringLiteral("slika\tpitanje\todgovor1\todgovor2\todgovor3\ttacan\n");
    const std::vector<Slucaj> slucajevi = {
        {"teorija.tsv", zt + QStringLiteral("B\tStanite!\ta\tb\tc\t1\n"),
         QStringLiteral("teorija.tsv:3: field \"pitanje\": character '!' (U+0021) cannot be stored")},
        {"teorija.tsv", zt + QStringLiteral("B\tp\tznak \"stop\"\tb\tc\t1\n"),
         QStringLiteral("teorija.tsv:3: field \"odgovor1\": character '\"' (U+0022) cannot be stored")},
        {"teorija.tsv", zt + QStringLiteral("B\tp\ta\tb\tЖ\t1\n"),
         QStringLiteral("teorija.tsv:3: field \"odgovor3\": character 'Ж' (U+0416) has no code page 1250 code")},
        {"teorija.tsv", zt + QStringLiteral("B\tp\ta\tß ý ň\tc\t1\n"),
         QStringLiteral("teorija.tsv:3: field \"odgovor2\": character 'ý' (U+00FD) cannot be stored")},
        {"teorija.tsv", zt + QStringLiteral("B\tp\ta\tb\tc\n"), QStringLiteral("teorija.tsv:3: field \"tacan\" is missing")},
        {"teorija.tsv", zt + QStringLiteral("B\tp\t\tb\tc\t1\n"), QStringLiteral("teorija.tsv:3: field \"odgovor1\" is missing")},
        {"teorija.tsv", zt + QStringLiteral("B\tp\ta\tb\tc\t4\n"), QStringLiteral("teorija.tsv:3: field \"tacan\": \"4\"")},
        {"teorija.tsv", zt + QStringLiteral("C\tp\ta\tb\tc\t1\n"), QStringLiteral("teorija.tsv:3: field \"kategorija\": \"C\"")},
        {"teorija.tsv", QStringLiteral("kategorija\tpitanje\n"), QStringLiteral("teorija.tsv:1: the header must be")},
        {"znakovi.tsv", QStringLiteral("kategorija\tslika\topis\n6\t1\tx\n"), QStringLiteral("znakovi.tsv:2: field \"kategorija\": \"6\"")},
        {"znakovi.tsv", QStringLiteral("kategorija\tslika\topis\n1\t0\tx\n"), QStringLiteral("znakovi.tsv:2: field \"slika\": \"0\"")},
        {"situacije.tsv", zs + QStringLiteral("x\tp\ta\tb\tc\t1\n"), QStringLiteral("situacije.tsv:2: field \"slika\": \"x\"")},
        {"situacije.tsv", zs + QStringLiteral("1\tp\ta\tb\tc\t1\textra\n"), QStringLiteral("situacije.tsv:2: 7 fields, expected 6")},
        {"raskrsnice.tsv", QStringLiteral("slika\tresenje\n1\t1023\n"), QStringLiteral("raskrsnice.tsv:2: field \"resenje\": \"1023\"")},
        {"raskrsnice.tsv", QStringLiteral("slika\tresenje\n1\t1231\n"), QStringLiteral("raskrsnice.tsv:2: field \"resenje\": \"1231\"")},
        {"raskrsnice.tsv", QStringLiteral("slika\tresenje\n1\t1234567891\n"), QStringLiteral("raskrsnice.tsv:2: field \"resenje\"")},
    };
    for (const Slucaj& s : slucajevi) {
        const QString put = Put(s.fajl);
        const QByteArray staro = Citaj(put);
        Pisi(put, s.sadrzaj);
        const Rezultat r = Pokreni({dir.path(), dir.filePath(QStringLiteral("izlaz"))});
        EXPECT_EQ(r.izlaz, 1) << s.poruka.toStdString();
        EXPECT_TRUE(r.stderr_.contains(s.poruka)) << "expected: " << s.poruka.toStdString() << "\n     got: " << r.stderr_.toStdString();
        EXPECT_EQ(Pokreni({QStringLiteral("--pregled"), dir.path()}).izlaz, 1);
        QFile f(put);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(staro);
    }
    EXPECT_FALSE(QDir(dir.filePath(QStringLiteral("izlaz"))).exists(QStringLiteral("1")))
        << "a failed run wrote record files";

    QFile::remove(Put("situacije.tsv"));
    const Rezultat r = Pokreni({dir.path(), dir.filePath(QStringLiteral("izlaz"))});
    EXPECT_EQ(r.izlaz, 1);
    EXPECT_TRUE(r.stderr_.contains(QStringLiteral("situacije.tsv: cannot be read"))) << r.stderr_.toStdString();
}
