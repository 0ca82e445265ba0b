// The progress store on files in a temporary folder.
#include "napredak/Skladiste.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>

#include <gtest/gtest.h>

#include <csignal>

namespace {

using Napredak::Aktivnost;
using Napredak::Banka;

class SkladisteTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QString Put() const { return dir.filePath(QStringLiteral("napredak.sqlite")); }
    QTemporaryDir dir;
};

Napredak::Provera Provera(Aktivnost a, const QByteArray& kategorija, std::vector<Napredak::Odgovor> odgovori, qint64 ms)
{
    return {a, kategorija, QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC), std::move(odgovori)};
}

// What a plain SQLite connection finds in a file.
struct Pregled {
    QString provera;  // integrity_check
    int odgovora = -1;
    int proveraRedova = -1;
    int verzija = -1;
};

Pregled Pregledaj(const QString& put)
{
    Pregled p;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("pregled"));
        db.setDatabaseName(put);
        if (db.open()) {
            QSqlQuery q(db);
            if (q.exec(QStringLiteral("PRAGMA integrity_check")) && q.next())
                p.provera = q.value(0).toString();
            if (q.exec(QStringLiteral("SELECT count(*) FROM odgovor")) && q.next())
                p.odgovora = q.value(0).toInt();
            if (q.exec(QStringLiteral("SELECT count(*) FROM provera")) && q.next())
                p.proveraRedova = q.value(0).toInt();
            if (q.exec(QStringLiteral("PRAGMA user_version")) && q.next())
                p.verzija = q.value(0).toInt();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("pregled"));
    return p;
}

TEST_F(SkladisteTest, AnswersAndExamsSurviveAReopen)
{
    {
        Skladiste s(Put());
        ASSERT_TRUE(s.Otvoreno()) << s.Poruka().toStdString();
        EXPECT_TRUE(s.Poruka().isEmpty());
        EXPECT_TRUE(s.ZapisiProveru(Provera(Aktivnost::Teorija, "B",
            {{Banka::Teorija, 10940, "2", true}, {Banka::Teorija, -29563, "1", false}}, 1000)));
        EXPECT_TRUE(s.ZapisiProveru(Provera(Aktivnost::Teorija, "B", {{Banka::Teorija, -29563, "3", true}}, 2000)));
        EXPECT_TRUE(s.ZapisiProveru(Provera(Aktivnost::Raskrsnice, "", {{Banka::Raskrsnice, 7, "132", true}}, 3000)));
        Napredak::Ispit ispit {"B", 88, 120, true, QDateTime::fromMSecsSinceEpoch(4000, Qt::UTC),
            {{Banka::Teorija, 10940, "1", false}, {Banka::Situacije, 10940, "2", true}}};
        EXPECT_TRUE(s.ZapisiIspit(ispit));
    }
    Skladiste s(Put());
    ASSERT_TRUE(s.Otvoreno());
    EXPECT_EQ(s.BrojOdgovora(), 6);
    // The exam's answers count for their questions; the same key in another bank is another question.
    using I = std::map<qint16, std::vector<bool>>;
    EXPECT_EQ(s.Ishodi(Banka::Teorija), (I{{10940, {true, false}}, {-29563, {false, true}}}));
    EXPECT_EQ(s.Ishodi(Banka::Situacije), (I{{10940, {true}}}));
    EXPECT_EQ(s.Ishodi(Banka::Znakovi), I{});

    const auto b = s.Rezultati(Aktivnost::Teorija, "B");
    ASSERT_EQ(b.size(), 2u);
    EXPECT_EQ(b[0].vreme.toMSecsSinceEpoch(), 1000);
    EXPECT_EQ(b[0].tacnih, 1);
    EXPECT_EQ(b[0].ukupno, 2);
    EXPECT_EQ(b[1].tacnih, 1);
    EXPECT_TRUE(s.Rezultati(Aktivnost::Teorija, "CD").empty());
    EXPECT_EQ(s.Rezultati(Aktivnost::Raskrsnice, "").size(), 1u);

    const auto ispiti = s.Ispiti();
    ASSERT_EQ(ispiti.size(), 1u);
    EXPECT_EQ(ispiti[0].kategorija, "B");
    EXPECT_EQ(ispiti[0].bodovi, 88);
    EXPECT_EQ(ispiti[0].najvise, 120);
    EXPECT_TRUE(ispiti[0].polozen);
    EXPECT_EQ(ispiti[0].vreme.toMSecsSinceEpoch(), 4000);

    EXPECT_TRUE(s.Obrisi());
    EXPECT_EQ(s.BrojOdgovora(), 0);
    EXPECT_TRUE(s.Ispiti().empty());
    EXPECT_TRUE(s.Rezultati(Aktivnost::Teorija, "B").empty());
}

TEST_F(SkladisteTest, TheFileIsWalWithTheCurrentSchemaVersion)
{
    {
        Skladiste s(dir.filePath(QStringLiteral("nova/fascikla/napredak.sqlite")));
        ASSERT_TRUE(s.Otvoreno());
        EXPECT_TRUE(s.ZapisiProveru(Provera(Aktivnost::Teorija, "T", {{Banka::Teorija, 1, "1", true}}, 1)));
    }
    const QString put = dir.filePath(QStringLiteral("nova/fascikla/napredak.sqlite"));
    const Pregled p = Pregledaj(put);
    EXPECT_EQ(p.verzija, Skladiste::VerzijaSeme);
    EXPECT_EQ(p.odgovora, 1);
    QFile f(put);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray zaglavlje = f.read(20);
    EXPECT_EQ(zaglavlje.at(18), 2) << "not in WAL mode";
}

TEST_F(SkladisteTest, AFileFromANewerProgramIsLeftAlone)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("novija"));
        db.setDatabaseName(Put());
        ASSERT_TRUE(db.open());
        QSqlQuery(db).exec(QStringLiteral("PRAGMA user_version=99"));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("novija"));
    Skladiste s(Put());
    EXPECT_FALSE(s.Otvoreno());
    EXPECT_FALSE(s.Poruka().isEmpty());
    EXPECT_TRUE(s.Sklonjeno().isEmpty());
    EXPECT_FALSE(s.ZapisiProveru(Provera(Aktivnost::Teorija, "B", {{Banka::Teorija, 1, "1", true}}, 1)));
    EXPECT_EQ(Pregledaj(Put()).verzija, 99);
}

TEST_F(SkladisteTest, ADamagedFileIsKeptAsideAndReported)
{
    struct Slucaj {
        const char* opis;
        std::function<void(const QString&)> pokvari;
    };
    const std::vector<Slucaj> slucajevi = {
        {"not a database at all", [](const QString& put) {
             QFile f(put);
             ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
             f.write(QByteArray(8192, 'x'));
         }},
        {"pages overwritten", [](const QString& put) {
             QFile f(put);
             ASSERT_TRUE(f.open(QIODevice::ReadWrite));
             const qint64 velicina = f.size();
             ASSERT_GT(velicina, 8192);
             f.seek(4096);  // past the header page: the tables' pages
             f.write(QByteArray(static_cast<int>(velicina - 4096), '\xA5'));
         }},
    };
    for (const Slucaj& s : slucajevi) {
        SCOPED_TRACE(s.opis);
        QTemporaryDir d;
        const QString put = d.filePath(QStringLiteral("napredak.sqlite"));
        {
            Skladiste sk(put);
            ASSERT_TRUE(sk.Otvoreno());
            for (int i = 0; i < 200; ++i)
                sk.ZapisiProveru(Provera(Aktivnost::Teorija, "B", {{Banka::Teorija, static_cast<qint16>(i), "1", true}}, i));
        }
        Pregledaj(put);  // checkpoints the WAL into the file and removes it
        ASSERT_FALSE(QFile::exists(put + QStringLiteral("-wal")));
        s.pokvari(put);
        QFile f(put);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray pokvareno = f.readAll();
        f.close();

        Skladiste sk(put);
        EXPECT_FALSE(sk.Poruka().isEmpty());
        EXPECT_TRUE(sk.Poruka().contains(QStringLiteral("oštećena"))) << sk.Poruka().toStdString();
        ASSERT_FALSE(sk.Sklonjeno().isEmpty());
        EXPECT_TRUE(sk.Sklonjeno().startsWith(put + QStringLiteral(".ostecen-")));
        EXPECT_TRUE(sk.Poruka().contains(QDir::toNativeSeparators(sk.Sklonjeno())));
        QFile sacuvan(sk.Sklonjeno());
        ASSERT_TRUE(sacuvan.open(QIODevice::ReadOnly));
        EXPECT_EQ(sacuvan.readAll(), pokvareno) << "the damaged file was not kept as it was";
        // A fresh store takes its place.
        EXPECT_TRUE(sk.Otvoreno());
        EXPECT_EQ(sk.BrojOdgovora(), 0);
        EXPECT_TRUE(sk.ZapisiProveru(Provera(Aktivnost::Teorija, "B", {{Banka::Teorija, 1, "1", true}}, 1)));
    }
}

TEST_F(SkladisteTest, AStoreThatCannotBeOpenedIsReportedAndIgnored)
{
    // The store's folder is a file.
    QFile f(dir.filePath(QStringLiteral("fajl")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    Skladiste s(dir.filePath(QStringLiteral("fajl/napredak.sqlite")));
    EXPECT_FALSE(s.Otvoreno());
    EXPECT_TRUE(s.Poruka().contains(QStringLiteral("ne može da se otvori"))) << s.Poruka().toStdString();
    EXPECT_FALSE(s.ZapisiProveru(Provera(Aktivnost::Teorija, "B", {{Banka::Teorija, 1, "1", true}}, 1)));
    EXPECT_FALSE(s.ZapisiIspit({"B", 1, 2, false, {}, {}}));
    EXPECT_TRUE(s.Ishodi(Banka::Teorija).empty());
    EXPECT_EQ(s.BrojOdgovora(), 0);
}

TEST_F(SkladisteTest, KillingTheWriterKeepsEveryCommittedCheck)
{
    for (int krug = 0; krug < 3; ++krug) {
        SCOPED_TRACE(krug);
        QProcess pisac;
        pisac.start(QStringLiteral(NAPREDAK_PISAC), {Put()});
        ASSERT_TRUE(pisac.waitForStarted());
        // Kill it at a different point each round, well into its work.
        const int granica = 150 + 97 * krug;
        int poslednji = 0;
        QByteArray ostatak;
        while (poslednji < granica && pisac.waitForReadyRead(10000)) {
            ostatak += pisac.readAllStandardOutput();
            qsizetype kraj;
            while ((kraj = ostatak.indexOf('\n')) >= 0) {
                poslednji = ostatak.left(kraj).toInt();
                ostatak.remove(0, kraj + 1);
            }
        }
        ASSERT_GE(poslednji, granica) << pisac.readAllStandardError().toStdString();
        ::kill(static_cast<pid_t>(pisac.processId()), SIGKILL);
        ASSERT_TRUE(pisac.waitForFinished());
        EXPECT_EQ(pisac.exitStatus(), QProcess::CrashExit);
        // Everything it reported as committed (and whatever it committed since) is there, whole.
        const Pregled p = Pregledaj(Put());
        EXPECT_EQ(p.provera, QStringLiteral("ok"));
        EXPECT_GE(p.proveraRedova, poslednji);
        EXPECT_EQ(p.odgovora, 10 * p.proveraRedova) << "a check was stored without all its answers";
        Skladiste s(Put());
        EXPECT_TRUE(s.Otvoreno());
        EXPECT_TRUE(s.Poruka().isEmpty()) << s.Poruka().toStdString();
        EXPECT_GE(s.BrojOdgovora(), 10 * poslednji);
    }
}

}  // namespace
