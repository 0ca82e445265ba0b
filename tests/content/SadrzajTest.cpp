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
    "id\tkategorija\tslika\topis\n"
    "7\t1\t1\tOpasna krivina – smanjite brzinu\n"
    "-32768\t3\t7\tObavezan smer, „pravo“\n"
    "32767\t3\t8\tKružni tok\n");
const QString Teorija = QStringLiteral(
    "id\tkategorija\tpitanje\todgovor1\todgovor2\todgovor3\ttacan\r\n"
    "100\tB\tŠta je pešak?\tLice koje učestvuje u saobraćaju, a ne upravlja vozilom\tVozač\tPutnik…\t1\r\n"
    "\r\n"
    "-5\tCD\tPitanje, sa zarezom\tDa\tNe\tMožda\t3\r\n"
    "0\tT\tĐak\tĆ\tž\tŽ\t2\r\n");
const QString Situacije = QStringLiteral(
    "id\tslika\tpitanje\todgovor1\todgovor2\todgovor3\ttacan\n"
    "300\t21\tKo prvi prolazi?\tA\tB\tC\t2\n");
const QString Raskrsnice = QStringLiteral("id\tslika\tresenje\n400\t1\t132\n401\t3\t2431\n");

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
        QString teorija = QStringLiteral("id\tkategorija\tpitanje\todgovor1\todgovor2\todgovor3\ttacan\n");
        QString situacije = QStringLiteral("id\tslika\tpitanje\todgovor1\todgovor2\todgovor3\ttacan\n");
        for (std::size_t i = 0; i < s.pitanja.size(); ++i) {
            teorija += QStringLiteral("%1\tB\tPitanje %1\t%2\n").arg(i).arg(QString::fromUtf8(s.pitanja[i]));
            situacije += QStringLiteral("%1\t1\tPitanje %1\t%2\n").arg(i).arg(QString::fromUtf8(s.pitanja[i]));
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
            kljucevi.insert(kljuc);
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
    // Every record is keyed by its id.
    EXPECT_EQ(kljucevi, (std::set<qint16>{7, -32768, 32767, 100, -5, 0, 300, 400, 401}));

    // Reproducible: a second run writes the same bytes.
    const QString izlaz2 = dir.filePath(QStringLiteral("izlaz2"));
    ASSERT_EQ(Pokreni({dir.path(), izlaz2}).izlaz, 0);
    for (int n = 1; n <= 4; ++n)
        EXPECT_EQ(Citaj(QDir(izlaz).filePath(QString::number(n))), Citaj(QDir(izlaz2).filePath(QString::number(n))));
}

// A record keeps its key (and its enciphered line) when other records are inserted before it,
// removed or edited, and the same id in another file is no clash.
TEST_F(Compiler, ARecordKeepsItsKeyWhenOtherRecordsChange)
{
    const auto Linije = [this](const QString& izlaz) {
        const Rezultat r = Pokreni({dir.path(), izlaz});
        EXPECT_EQ(r.izlaz, 0) << r.stderr_.toStdString();
        return Citaj(QDir(izlaz).filePath(QStringLiteral("2"))).split('\n');
    };
    const QList<QByteArray> pre = Linije(dir.filePath(QStringLiteral("pre")));
    Pisi(Put("teorija.tsv"), QStringLiteral("id\tkategorija\tpitanje\todgovor1\todgovor2\todgovor3\ttacan\n"
                                            "9\tB\tNovo pitanje\ta\tb\tc\t2\n"
                                            "-5\tCD\tPitanje, sa zarezom\tDa\tNe\tMožda\t3\n"
                                            "0\tT\tĐak, izmenjen\tĆ\tž\tŽ\t2\n"
                                            "400\tB\tIsti id kao u raskrsnicama\ta\tb\tc\t1\n"));
    const QList<QByteArray> posle = Linije(dir.filePath(QStringLiteral("posle")));
    ASSERT_GE(pre.size(), 3);
    ASSERT_GE(posle.size(), 4);
    EXPECT_EQ(posle[1], pre[1]);  // "-5": the same line, though it moved and others changed
    EXPECT_TRUE(posle[0].endsWith(",9\r"));
    EXPECT_TRUE(posle[2].endsWith(",0\r"));
    EXPECT_NE(posle[2], pre[2]);
    EXPECT_TRUE(posle[3].endsWith(",400\r"));
}

TEST_F(Compiler, BadSourcesFailWithFileLineAndReason)
{
    struct Slucaj {
        const char* fajl;
        QString sadrzaj;
        QString poruka;  // expected in the error output
    };
    const QString zt = QStringLiteral("id\tkategorija\tpitanje\todgovor1\todgovor2\todgovor3\ttacan\n1\tB\tp\ta\tb\tc\t1\n");
    const QString zs = QStringLiteral("id\tslika\tpitanje\todgovor1\todgovor2\todgovor3\ttacan\n");
    const std::vector<Slucaj> slucajevi = {
        {"teorija.tsv", zt + QStringLiteral("2\tB\tStanite!\ta\tb\tc\t1\n"),
         QStringLiteral("teorija.tsv:3: field \"pitanje\": character '!' (U+0021) cannot be stored")},
        {"teorija.tsv", zt + QStringLiteral("2\tB\tp\tznak \"stop\"\tb\tc\t1\n"),
         QStringLiteral("teorija.tsv:3: field \"odgovor1\": character '\"' (U+0022) cannot be stored")},
        {"teorija.tsv", zt + QStringLiteral("2\tB\tp\ta\tb\tЖ\t1\n"),
         QStringLiteral("teorija.tsv:3: field \"odgovor3\": character 'Ж' (U+0416) has no code page 1250 code")},
        {"teorija.tsv", zt + QStringLiteral("2\tB\tp\ta\tß ý ň\tc\t1\n"),
         QStringLiteral("teorija.tsv:3: field \"odgovor2\": character 'ý' (U+00FD) cannot be stored")},
        {"teorija.tsv", zt + QStringLiteral("2\tB\tp\ta\tb\tc\n"), QStringLiteral("teorija.tsv:3: field \"tacan\" is missing")},
        {"teorija.tsv", zt + QStringLiteral("2\tB\tp\t\tb\tc\t1\n"), QStringLiteral("teorija.tsv:3: field \"odgovor1\" is missing")},
        {"teorija.tsv", zt + QStringLiteral("2\tB\tp\ta\tb\tc\t4\n"), QStringLiteral("teorija.tsv:3: field \"tacan\": \"4\"")},
        {"teorija.tsv", zt + QStringLiteral("2\tC\tp\ta\tb\tc\t1\n"), QStringLiteral("teorija.tsv:3: field \"kategorija\": \"C\"")},
        {"teorija.tsv", QStringLiteral("id\tkategorija\tpitanje\n"), QStringLiteral("teorija.tsv:1: the header must be")},
        {"znakovi.tsv", QStringLiteral("id\tkategorija\tslika\topis\n1\t6\t1\tx\n"), QStringLiteral("znakovi.tsv:2: field \"kategorija\": \"6\"")},
        {"znakovi.tsv", QStringLiteral("id\tkategorija\tslika\topis\n1\t1\t0\tx\n"), QStringLiteral("znakovi.tsv:2: field \"slika\": \"0\"")},
        {"situacije.tsv", zs + QStringLiteral("1\tx\tp\ta\tb\tc\t1\n"), QStringLiteral("situacije.tsv:2: field \"slika\": \"x\"")},
        {"situacije.tsv", zs + QStringLiteral("1\t1\tp\ta\tb\tc\t1\textra\n"), QStringLiteral("situacije.tsv:2: 8 fields, expected 7")},
        {"raskrsnice.tsv", QStringLiteral("id\tslika\tresenje\n1\t1\t1023\n"), QStringLiteral("raskrsnice.tsv:2: field \"resenje\": \"1023\"")},
        {"raskrsnice.tsv", QStringLiteral("id\tslika\tresenje\n1\t1\t1231\n"), QStringLiteral("raskrsnice.tsv:2: field \"resenje\": \"1231\"")},
        {"raskrsnice.tsv", QStringLiteral("id\tslika\tresenje\n1\t1\t1234567891\n"), QStringLiteral("raskrsnice.tsv:2: field \"resenje\"")},
        // The id: a number in the 16-bit key range, given once per file.
        {"teorija.tsv", zt + QStringLiteral("1\tB\tq\ta\tb\tc\t1\n"), QStringLiteral("teorija.tsv:3: field \"id\": 1 is already the id of line 2")},
        {"teorija.tsv", zt + QStringLiteral("x\tB\tq\ta\tb\tc\t1\n"), QStringLiteral("teorija.tsv:3: field \"id\": \"x\" is not a whole number from -32768 to 32767")},
        {"znakovi.tsv", QStringLiteral("id\tkategorija\tslika\topis\n32768\t1\t1\tx\n"), QStringLiteral("znakovi.tsv:2: field \"id\": \"32768\" is not")},
        {"situacije.tsv", zs + QStringLiteral("-32769\t1\tp\ta\tb\tc\t1\n"), QStringLiteral("situacije.tsv:2: field \"id\": \"-32769\" is not")},
        {"raskrsnice.tsv", QStringLiteral("id\tslika\tresenje\n+3\t1\t12\n"), QStringLiteral("raskrsnice.tsv:2: field \"id\": \"+3\" is not")},
        {"raskrsnice.tsv", QStringLiteral("id\tslika\tresenje\n3\t1\t12\n-\t2\t21\n"), QStringLiteral("raskrsnice.tsv:3: field \"id\": \"-\" is not")},
        {"znakovi.tsv", QStringLiteral("kategorija\tslika\topis\n1\t1\tx\n"), QStringLiteral("znakovi.tsv:1: the header must be \"id<tab>kategorija")},
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
