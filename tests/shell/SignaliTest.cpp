// SIGTERM, SIGINT and SIGHUP end the program through its event loop and leave nothing in the
// temporary folder; a record file left by a killed run is never read by a later one. The
// program and a child made for the test run as child processes with a temporary folder of
// their own.
#include <QDeadlineTimer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>

namespace {

const QString Program = QStringLiteral(KARUVEL_PROGRAM);
const QString Dete = QStringLiteral(SIGNALI_DETE);

constexpr int Cekanje = 30000;  // ms; the sanitizer build starts slowly

struct Signal {
    int broj;
    const char* ime;
};
constexpr Signal Signali[] = { { SIGTERM, "SIGTERM" }, { SIGINT, "SIGINT" }, { SIGHUP, "SIGHUP" } };

class Gasenje : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_tmp.isValid());
        ASSERT_TRUE(m_izvrsno.isValid());
    }

    // Everything in the child's temporary folder, with the folder's own path cut off.
    QStringList Ostalo() const
    {
        QStringList ostalo;
        QDirIterator it(m_tmp.path(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
            QDirIterator::Subdirectories);
        while (it.hasNext())
            ostalo << it.next().mid(m_tmp.path().size() + 1);
        ostalo.sort();
        return ostalo;
    }

    void Pokreni(QProcess& p, const QString& program, const QStringList& argumenti = {})
    {
        QProcessEnvironment okruzenje = QProcessEnvironment::systemEnvironment();
        okruzenje.insert(QStringLiteral("TMPDIR"), m_tmp.path());
        okruzenje.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_izvrsno.path());
        okruzenje.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        p.setProcessEnvironment(okruzenje);
        p.setProcessChannelMode(QProcess::SeparateChannels);
        p.start(program, argumenti);
        ASSERT_TRUE(p.waitForStarted(Cekanje)) << p.errorString().toStdString();
    }

    // The next line the child prints; empty when it prints none in time.
    static QByteArray Red(QProcess& p)
    {
        QDeadlineTimer rok(Cekanje);
        while (!p.canReadLine() && !rok.hasExpired() && p.state() == QProcess::Running)
            p.waitForReadyRead(int(rok.remainingTime()));
        return p.readLine().trimmed();
    }

    // Whether the process has its own handlers of SIGTERM, SIGINT and SIGHUP by now.
    static bool ImaRukovaoce(qint64 pid)
    {
        QFile status(QStringLiteral("/proc/%1/status").arg(pid));
        if (!status.open(QIODevice::ReadOnly))
            return false;
        for (const QByteArray& red : status.readAll().split('\n')) {
            if (!red.startsWith("SigCgt:"))
                continue;
            const quint64 maska = red.mid(7).trimmed().toULongLong(nullptr, 16);
            for (const Signal& s : Signali) {
                if (!(maska & (quint64(1) << (s.broj - 1))))
                    return false;
            }
            return true;
        }
        return false;
    }

    static void Posalji(QProcess& p, int signal) { ASSERT_EQ(::kill(pid_t(p.processId()), signal), 0); }

    static void OcekujUrednoGasenje(QProcess& p, const Signal& s)
    {
        ASSERT_TRUE(p.waitForFinished(Cekanje)) << s.ime;
        EXPECT_EQ(p.exitStatus(), QProcess::NormalExit) << s.ime;
        EXPECT_EQ(p.exitCode(), 128 + s.broj) << s.ime << ": " << p.readAllStandardError().toStdString();
    }

    QTemporaryDir m_tmp;
    QTemporaryDir m_izvrsno;
};

TEST_F(Gasenje, ProgramKojiMirujeZavrsavaKrozPetlju)
{
    ASSERT_TRUE(QFile::exists(Program));
    for (const Signal& s : Signali) {
        QProcess p;
        Pokreni(p, Program);
        QDeadlineTimer rok(Cekanje);
        while (!ImaRukovaoce(p.processId()) && !rok.hasExpired() && p.state() == QProcess::Running)
            QThread::msleep(10);
        ASSERT_TRUE(ImaRukovaoce(p.processId())) << s.ime << ": " << p.readAllStandardError().toStdString();
        Posalji(p, s.broj);
        OcekujUrednoGasenje(p, s);
        EXPECT_EQ(Ostalo(), QStringList()) << s.ime;
    }
}

TEST_F(Gasenje, PrivatniFolderSeUklanja)
{
    for (const Signal& s : Signali) {
        QProcess p;
        Pokreni(p, Dete, { QStringLiteral("miruje") });
        ASSERT_EQ(Red(p), "spreman") << s.ime;
        ASSERT_EQ(Ostalo().size(), 1) << s.ime << ": the private folder, made";
        EXPECT_TRUE(Ostalo().first().startsWith("karuvel-")) << qPrintable(Ostalo().first());
        Posalji(p, s.broj);
        OcekujUrednoGasenje(p, s);
        EXPECT_EQ(Ostalo(), QStringList()) << s.ime;
    }
}

// The signal comes while a load has its record file in place: the load finishes, then the
// program ends and takes the folder with it.
TEST_F(Gasenje, UcitavanjeSeZavrsavaPaSeProgramGasi)
{
    for (const Signal& s : Signali) {
        QProcess p;
        Pokreni(p, Dete, { QStringLiteral("ucitava") });
        ASSERT_EQ(Red(p), "ucitava") << s.ime;
        const QStringList tokom = Ostalo();
        ASSERT_EQ(tokom.size(), 2) << s.ime << ": " << tokom.join(u' ').toStdString();
        EXPECT_TRUE(tokom.at(1).endsWith("/sc~101.tmp")) << qPrintable(tokom.at(1));
        Posalji(p, s.broj);
        p.write("dalje\n");
        EXPECT_EQ(Red(p), "ucitano 1") << s.ime;
        OcekujUrednoGasenje(p, s);
        EXPECT_EQ(Ostalo(), QStringList()) << s.ime;
    }
}

// SIGKILL cannot be caught: its folder and record file stay. A later run makes a folder of its
// own and never reads the stale file (which is no record file at all).
TEST_F(Gasenje, ZapisUbijenogProgramaSeNeCita)
{
    QProcess ubijen;
    Pokreni(ubijen, Dete, { QStringLiteral("ucitava") });
    ASSERT_EQ(Red(ubijen), "ucitava");
    Posalji(ubijen, SIGKILL);
    ASSERT_TRUE(ubijen.waitForFinished(Cekanje));
    EXPECT_EQ(ubijen.exitStatus(), QProcess::CrashExit);
    const QStringList ostalo = Ostalo();
    ASSERT_EQ(ostalo.size(), 2) << ostalo.join(u' ').toStdString();
    const QString stari = m_tmp.filePath(ostalo.at(1));

    QProcess sledeci;
    Pokreni(sledeci, Dete, { QStringLiteral("ucita") });
    ASSERT_TRUE(sledeci.waitForFinished(Cekanje));
    EXPECT_EQ(sledeci.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(sledeci.exitCode(), 0) << sledeci.readAllStandardError().toStdString();
    EXPECT_EQ(Ostalo(), ostalo);
    QFile f(stari);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "nije zapis");
}

}  // namespace
