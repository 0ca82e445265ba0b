#include "shell/Pokretanje.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <cstdio>

#include <fontconfig/fontconfig.h>

namespace Pokretanje {

namespace {
    // A build folder holds CMake's cache; run.sh sits in the source folder above it.
    std::optional<QString> SkriptaIzvora(const QFileInfo& program)
    {
        const QDir gradnja = program.absoluteDir();
        if (!gradnja.exists(QStringLiteral("CMakeCache.txt")))
            return std::nullopt;
        const QFileInfo skripta(gradnja.absoluteFilePath(QStringLiteral("../run.sh")));
        if (!skripta.isFile())
            return std::nullopt;
        return skripta.canonicalFilePath();
    }

    // Waits for the first paint of its window, then hands its work to the event loop.
    class PrviCrtez : public QObject {
    public:
        PrviCrtez(QWidget* prozor, std::function<void()> posao)
            : QObject(prozor)
            , m_posao(std::move(posao))
        {
            prozor->installEventFilter(this);
        }

    protected:
        bool eventFilter(QObject* objekat, QEvent* dogadjaj) override
        {
            if (dogadjaj->type() == QEvent::Paint) {
                objekat->removeEventFilter(this);
                // After the whole picture: the paint under way draws the window's children too.
                QTimer::singleShot(0, parent(), std::move(m_posao));
                deleteLater();
            }
            return false;
        }

    private:
        std::function<void()> m_posao;
    };

    void Ispisi(const QString& tekst, std::FILE* kuda)
    {
        std::fputs(tekst.toLocal8Bit().constData(), kuda);
    }
}

bool ImaEkrana()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

QString KomandaBezEkrana(const QString& program, const QString& radnaFascikla, const QStringList& putanje)
{
    const QString xvfb = QStringLiteral("xvfb-run -a ");
    const QFileInfo info(program);
    if (const std::optional<QString> skripta = SkriptaIzvora(info)) {
        const QFileInfo s(*skripta);
        if (s.absolutePath() == QFileInfo(radnaFascikla).canonicalFilePath())
            return xvfb + QStringLiteral("./") + s.fileName();
        return xvfb + *skripta;
    }
    const QString naPutanji = QStandardPaths::findExecutable(info.fileName(), putanje);
    if (!naPutanji.isEmpty() && QFileInfo(naPutanji).canonicalFilePath() == info.canonicalFilePath())
        return xvfb + info.fileName();
    return xvfb + info.absoluteFilePath();
}

std::optional<int> PreProzora(int& argc, char** argv)
{
    // For the program's own path and arguments; QApplication comes after it, when there is a display.
    const QCoreApplication aplikacija(argc, argv);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Priprema za teorijski deo vozačkog ispita."));
    // Qt's own options are single words after one dash: "-reverse" must not read as "-r -e -v ...".
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption pomoc = parser.addHelpOption();
    const QCommandLineOption verzija = parser.addVersionOption();
    // Options this parser does not know are Qt's, for QApplication; a failed parse is no reason to stop.
    parser.parse(QCoreApplication::arguments());

    if (parser.isSet(pomoc) || parser.isSet(QStringLiteral("help-all"))) {
        Ispisi(parser.helpText(), stdout);
        return 0;
    }
    if (parser.isSet(verzija)) {
        Ispisi(QCoreApplication::applicationName() + u' ' + QCoreApplication::applicationVersion() + u'\n',
            stdout);
        return 0;
    }
    if (!ImaEkrana()) {
        const QString komanda = KomandaBezEkrana(QCoreApplication::applicationFilePath(), QDir::currentPath(),
            qEnvironmentVariable("PATH").split(u':', Qt::SkipEmptyParts));
        Ispisi(QStringLiteral("Karuvel needs a graphical display and found none; without one, start it as: ")
                + komanda + QStringLiteral(" (Debian package xvfb)\n"),
            stderr);
        return 1;
    }
    return std::nullopt;
}

void PoslePrvogCrtanja(QWidget* prozor, std::function<void()> posao)
{
    new PrviCrtez(prozor, std::move(posao));
}

PripremaFontova::PripremaFontova()
    : m_nit([] { FcInit(); })
{
}

PripremaFontova::~PripremaFontova()
{
    Sacekaj();
}

void PripremaFontova::Sacekaj()
{
    if (m_nit.joinable())
        m_nit.join();
}

}
