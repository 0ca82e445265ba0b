// Start, open and memory of the program against a bare Qt floor, measured side by side in one
// run. Run by hand:  QT_QPA_PLATFORM=offscreen build/bench/karuvel_brzina [rounds | brzo]
//
// start: from just before the process is started to the first paint of its first window:
//        the program itself to its splash, against a bare Qt program showing an empty
//        800 x 600 window; median of runs taken by turns.
// open:  from the menu command to the first paint of the activity window, against the same
//        window class built with the same controls (those its load makes included, in the
//        places the load gives them) and no content, shown the same way.
// memory: resident size after opening every activity again and again (rounds 10 and 50),
//        against a frame with the same menus opening the windows without content.
//
//   build/bench/karuvel_brzina otvori COMMAND [bare]
// one command (or its window without content) opened ten times, for a profiler.
//
//   build/bench/karuvel_brzina napredak [answers]
// progress: the open times of every activity with a progress store of that many recorded
//        answers (100000 by default) against no store, side by side; the store's own open,
//        one recorded check, "Ponovi greške" and the progress window on that store.
#include "help/PomocProzor.h"
#include "intersections/Raskrsnice.h"
#include "napredak/Skladiste.h"
#include "shell/Karuvel.h"
#include "widgets/Izgled.h"
#include "widgets/Stil.h"
#include "signs/Znakovi.h"
#include "signs/ZnakoviTest.h"
#include "situations/Situacije.h"
#include "theory/Teorija.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPixmap>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#else
#define CALLGRIND_ZERO_STATS
#endif

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <functional>
#include <utility>
#include <unistd.h>
#include <vector>

namespace {

qint64 Sada()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

double Medijana(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// Waits for the first paint of any widget for which `ciljni` holds.
class PrviCrtez : public QObject {
public:
    explicit PrviCrtez(std::function<bool(QObject*)> ciljni) : m_ciljni(std::move(ciljni)) { qApp->installEventFilter(this); }
    ~PrviCrtez() override { qApp->removeEventFilter(this); }
    // Waits at most ten seconds: a window that never paints is a failure, not a hang.
    void Cekaj()
    {
        QElapsedTimer t;
        t.start();
        QTimer rok;
        rok.start(10000);
        while (!m_gotovo && t.elapsed() < 10000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        if (!m_gotovo) {
            std::fprintf(stderr, "karuvel_brzina: no window painted within ten seconds\n");
            std::exit(1);
        }
    }

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Paint && !m_gotovo && m_ciljni(o))
            m_gotovo = true;
        return false;
    }

private:
    std::function<bool(QObject*)> m_ciljni;
    bool m_gotovo = false;
};

// The application as the program sets it up: its style and its icon.
void Pripremi()
{
    QApplication::setStyle(new Stil);
    QApplication::setWindowIcon(Izgled::Ikona());
}

// The time from just before a program is started to its first paint, timed by the preloaded
// library; `prvi` names the class of the widget waited for.
double StartJednom(const QString& program, const QStringList& argumenti, const QString& prvi, const QString& podesavanja)
{
    QProcess p;
    QProcessEnvironment okruzenje = QProcessEnvironment::systemEnvironment();
    okruzenje.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(KARUVEL_PRVI_CRTEZ));
    okruzenje.insert(QStringLiteral("KARUVEL_PRVI_CRTEZ"), prvi);
    // Settings and progress of a scratch home, never the user's.
    okruzenje.insert(QStringLiteral("XDG_CONFIG_HOME"), podesavanja);
    okruzenje.insert(QStringLiteral("XDG_DATA_HOME"), podesavanja);
    const qint64 pocetak = Sada();
    okruzenje.insert(QStringLiteral("KARUVEL_POCETAK"), QString::number(pocetak));
    p.setProcessEnvironment(okruzenje);
    p.start(program, argumenti);
    p.waitForFinished(30000);
    return p.readAllStandardOutput().trimmed().toLongLong() / 1e6;
}

// The program's and the floor's start, median of runs taken by turns, so that a change in the
// machine's load falls on both alike.
// The third figure is the bare window holding one line of text: what drawing any text costs.
std::array<double, 3> MeriStart(int puta)
{
    QTemporaryDir podesavanja;
    std::vector<double> program, prazan, natpis;
    for (int i = 0; i < puta; ++i) {
        program.push_back(StartJednom(QStringLiteral(KARUVEL_PROGRAM), {}, QStringLiteral("Uvodna"), podesavanja.path()));
        prazan.push_back(StartJednom(QStringLiteral(KARUVEL_PRAZAN), {}, QString(), podesavanja.path()));
        natpis.push_back(StartJednom(QStringLiteral(KARUVEL_PRAZAN), { QStringLiteral("natpis") }, QString(), podesavanja.path()));
    }
    return { Medijana(program), Medijana(prazan), Medijana(natpis) };
}

struct Aktivnost {
    const char* ime;                      // the menu command
    std::function<QWidget*(Karuvel*)> prazan;  // the same window without content
};

std::vector<Aktivnost> Aktivnosti()
{
    return {
        { "Znak_1", [](Karuvel* k) { return new Znakovi(1, k); } },
        { "TestSaZnakovima", [](Karuvel* k) { return new ZnakoviTest(Module2::Generator(1), k); } },
        { "TeorijaB", [](Karuvel* k) { return new Teorija("B", 20, Module2::Generator(1), k); } },
        { "TeorijaT", [](Karuvel* k) { return new Teorija("T", 10, Module2::Generator(1), k); } },
        { "SituacijeP", [](Karuvel* k) { return new Situacije(20, Module2::Generator(1), k); } },
        { "RaskrsniceP", [](Karuvel* k) { return new Raskrsnice(2, Module2::Generator(1), k); } },
    };
}

// The newest activity window inside the frame.
bool JeAktivnost(Karuvel& glavni, QObject* o)
{
    auto* w = qobject_cast<QWidget*>(o);
    return w && qobject_cast<QMdiSubWindow*>(w->parentWidget()) && glavni.Povrsina()->isAncestorOf(w);
}

double OtvoriProgram(Karuvel& glavni, const char* komanda)
{
    PrviCrtez crtez([&](QObject* o) { return JeAktivnost(glavni, o); });
    QElapsedTimer t;
    t.start();
    glavni.findChild<QAction*>(QString::fromLatin1(komanda))->trigger();
    crtez.Cekaj();
    return t.nsecsElapsed() / 1e6;
}

// The controls a window of the program makes while it loads (the catalogue makes a picture
// and a description per sign), and where its other controls stand once it has loaded: the
// floor gets the same controls, in the same places, without their content.
struct Kostur {
    struct Natpis {
        QString ime, roditelj;
        QRect mesto;
        QFont font;
        QPalette paleta;
        bool prelom;
        Qt::Alignment poravnanje;
        bool vidljiv;
    };
    struct Mesto {
        QString ime;
        QRect mesto;
        bool vidljiv;
    };
    struct Traka {
        QString ime;
        int najmanje, najvise, strana;
    };
    // What the labels show once loaded: the texts and pictures the floor leaves out.
    struct Sadrzaj {
        QString ime, tekst;
        QPixmap slika;
    };
    std::vector<Natpis> novi;
    std::vector<Mesto> mesta;
    std::vector<Traka> trake;
    std::vector<Sadrzaj> sadrzaj;
};

Kostur Snimi(Karuvel& glavni, const Aktivnost& a)
{
    OtvoriProgram(glavni, a.ime);
    const QWidget* program = glavni.Povrsina()->subWindowList().constLast()->widget();
    const std::unique_ptr<QWidget> prazan(a.prazan(nullptr));
    Kostur k;
    for (const QWidget* w : program->findChildren<QWidget*>()) {
        if (w->objectName().isEmpty())
            continue;
        const bool vidljiv = w->isVisibleTo(program);
        if (auto* s = qobject_cast<const QScrollBar*>(w))
            k.trake.push_back({ s->objectName(), s->minimum(), s->maximum(), s->pageStep() });
        if (auto* l = qobject_cast<const QLabel*>(w))
            k.sadrzaj.push_back({ l->objectName(), l->text(), l->pixmap() });
        if (prazan->findChild<QWidget*>(w->objectName())) {
            k.mesta.push_back({ w->objectName(), w->geometry(), vidljiv });
        } else if (auto* l = qobject_cast<const QLabel*>(w)) {
            k.novi.push_back({ l->objectName(), l->parentWidget()->objectName(), l->geometry(), l->font(), l->palette(),
                l->wordWrap(), l->alignment(), vidljiv });
        }
    }
    glavni.ZatvoriOstale();
    return k;
}

void Primeni(QWidget* prozor, const Kostur& k, bool saSadrzajem)
{
    for (const Kostur::Natpis& n : k.novi) {
        auto* roditelj = prozor->findChild<QWidget*>(n.roditelj);
        auto* l = new QLabel(roditelj ? roditelj : prozor);
        l->setObjectName(n.ime);
        l->setGeometry(n.mesto);
        l->setFont(n.font);
        l->setPalette(n.paleta);
        l->setWordWrap(n.prelom);
        l->setAlignment(n.poravnanje);
        l->setVisible(n.vidljiv);
    }
    for (const Kostur::Mesto& m : k.mesta) {
        if (auto* w = prozor->findChild<QWidget*>(m.ime)) {
            w->setGeometry(m.mesto);
            w->setVisible(m.vidljiv);
        }
    }
    for (const Kostur::Traka& t : k.trake) {
        if (auto* s = prozor->findChild<QScrollBar*>(t.ime)) {
            s->setRange(t.najmanje, t.najvise);
            s->setPageStep(t.strana);
        }
    }
    if (!saSadrzajem)
        return;
    for (const Kostur::Sadrzaj& c : k.sadrzaj) {
        if (auto* l = prozor->findChild<QLabel*>(c.ime)) {
            if (!c.slika.isNull())
                l->setPixmap(c.slika);
            else
                l->setText(c.tekst);
        }
    }
}

// The same window as the program's, with the same controls (`kostur`) and no content; or,
// `saSadrzajem`, with the texts and pictures the program's labels showed, but no load.
double OtvoriPrazan(Karuvel& glavni, const Aktivnost& a, const Kostur* kostur = nullptr, bool saSadrzajem = false)
{
    PrviCrtez crtez([&](QObject* o) { return JeAktivnost(glavni, o); });
    QElapsedTimer t;
    t.start();
    QWidget* prozor = a.prazan(&glavni);
    if (kostur)
        Primeni(prozor, *kostur, saSadrzajem);
    glavni.ZatvoriOstale();
    QMdiSubWindow* podprozor = glavni.Povrsina()->addSubWindow(prozor);
    podprozor->setAttribute(Qt::WA_DeleteOnClose);
    podprozor->showMaximized();
    crtez.Cekaj();
    return t.nsecsElapsed() / 1e6;
}

// The help: its own window beside the main one. Timed from the menu command to the first paint
// in it, against the same window (its buttons, and the contents and the page side by side)
// without the help file; each is closed again before the next.
bool UPomoci(QObject* o)
{
    auto* w = qobject_cast<QWidget*>(o);
    return w && w->window()->objectName() == QStringLiteral("PomocProzor");
}

// Closed with all that its closing leaves to the event loop, so that the next measure does not
// pay for it.
void ZatvoriPomoc()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QStringLiteral("PomocProzor"))
            delete w;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// What the menu command does, with the help file beside the program rather than beside this
// benchmark. Nothing (a negative time) when the file is not there.
double OtvoriPomoc(Karuvel& glavni)
{
    const QString datoteka = PomocProzor::Datoteka(QFileInfo(QStringLiteral(KARUVEL_PROGRAM)).absolutePath());
    if (!QFileInfo::exists(datoteka))
        return -1;
    PrviCrtez crtez(&UPomoci);
    QElapsedTimer t;
    t.start();
    PomocProzor::Otvori(&glavni, datoteka);
    crtez.Cekaj();
    const double ms = t.nsecsElapsed() / 1e6;
    ZatvoriPomoc();
    return ms;
}

double OtvoriPraznuPomoc(Karuvel& glavni)
{
    PrviCrtez crtez(&UPomoci);
    QElapsedTimer t;
    t.start();
    auto* prozor = new QWidget(&glavni, Qt::Window);
    prozor->setObjectName(QStringLiteral("PomocProzor"));
    auto* dugmad = new QHBoxLayout;
    for (const QString& natpis : { QStringLiteral("Nazad"), QStringLiteral("Napred"), QStringLiteral("Početna strana") })
        dugmad->addWidget(new QPushButton(natpis, prozor));
    dugmad->addStretch(1);
    auto* deoba = new QSplitter(Qt::Horizontal, prozor);
    auto* sadrzaj = new QTreeWidget(deoba);
    sadrzaj->setHeaderHidden(true);
    deoba->addWidget(sadrzaj);
    deoba->addWidget(new QTextBrowser(deoba));
    deoba->setSizes({ 250, 750 });
    auto* raspored = new QVBoxLayout(prozor);
    raspored->setContentsMargins(6, 6, 6, 6);
    raspored->addLayout(dugmad);
    raspored->addWidget(deoba, 1);
    prozor->resize(1000, 700);
    prozor->show();
    crtez.Cekaj();
    const double ms = t.nsecsElapsed() / 1e6;
    ZatvoriPomoc();
    return ms;
}

long RssKb()
{
    QFile f(QStringLiteral("/proc/self/statm"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> delovi = f.readAll().split(' ');
    return delovi.size() > 1 ? delovi[1].toLong() * (sysconf(_SC_PAGESIZE) / 1024) : 0;
}

// The child of `memory`: opens every activity (or its window without content) round after
// round and prints the resident size after round 10 and after the last round.
int Memorija(bool program, int krugova)
{
    int argc = 1;
    char ime[] = "karuvel";
    char* argv[] = { ime, nullptr };
    QApplication app(argc, argv);
    Pripremi();
    Karuvel glavni { Module2::Generator(1) };
    glavni.show();
    QApplication::processEvents();
    long krug10 = 0;
    for (int krug = 1; krug <= krugova; ++krug) {
        for (const Aktivnost& a : Aktivnosti()) {
            if (program)
                OtvoriProgram(glavni, a.ime);
            else
                OtvoriPrazan(glavni, a);
        }
        if (krug == 10)
            krug10 = RssKb();
    }
    glavni.ZatvoriOstale();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    std::printf("%ld %ld\n", krug10, RssKb());
    return 0;
}

}  // namespace

// A store of `odgovora` answers: checks of ten theory questions of every category spread over
// the bank's keys, a tenth of them wrong, a week apart in time order.
void Popuni(Skladiste& s, int odgovora)
{
    const QDateTime pocetak = QDateTime::currentDateTimeUtc().addDays(-7);
    for (int n = 0; n < odgovora / 10; ++n) {
        Napredak::Provera p;
        p.kategorija = n % 3 == 0 ? "B" : n % 3 == 1 ? "CD" : "T";
        p.vreme = pocetak.addMSecs(qint64(n) * 7 * 24 * 3600 * 1000 / (odgovora / 10));
        for (int i = 0; i < 10; ++i)
            p.odgovori.push_back({Napredak::Banka::Teorija, static_cast<qint16>((n * 10 + i) * 40503 + 12345), "1", (n + i) % 10 != 0});
        s.ZapisiProveru(p);
    }
}

int Napredak_(int odgovora)
{
    int argc = 1;
    char ime[] = "karuvel_brzina";
    char* argv[] = { ime, nullptr };
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString put = dir.filePath(QStringLiteral("napredak.sqlite"));
    {
        Skladiste s(put);
        Popuni(s, odgovora);
        std::printf("store    %d answers, %lld kB\n", s.BrojOdgovora(), QFileInfo(put).size() / 1024);
    }
    QElapsedTimer t;
    t.start();
    Skladiste skladiste(put);
    std::printf("store    open (quick_check, migrations) %7.2f ms\n", t.nsecsElapsed() / 1e6);

    Karuvel glavni { Module2::Generator(1) };
    glavni.show();
    QApplication::processEvents();
    for (const Aktivnost& a : Aktivnosti()) {
        std::vector<double> sa, bez;
        for (int i = 0; i < 15; ++i) {
            glavni.PostaviNapredak(&skladiste);
            sa.push_back(OtvoriProgram(glavni, a.ime));
            glavni.PostaviNapredak(nullptr);
            bez.push_back(OtvoriProgram(glavni, a.ime));
        }
        const double p = Medijana(sa), q = Medijana(bez);
        std::printf("open     %-16s with store %7.2f ms   without %7.2f ms   ratio %.2f\n", a.ime, p, q, p / q);
    }
    glavni.PostaviNapredak(&skladiste);
    for (const char* komanda : { "PonoviGreskeB", "NapredakPregled" }) {
        std::vector<double> ms;
        for (int i = 0; i < 5; ++i)
            ms.push_back(OtvoriProgram(glavni, komanda));
        std::printf("open     %-16s with store %7.2f ms\n", komanda, Medijana(ms));
    }
    std::vector<double> zapis;
    for (int i = 0; i < 15; ++i) {
        Napredak::Provera p;
        p.kategorija = "B";
        for (int k = 0; k < 10; ++k)
            p.odgovori.push_back({Napredak::Banka::Teorija, static_cast<qint16>(k), "2", k % 2 == 0});
        t.restart();
        skladiste.ZapisiProveru(p);
        zapis.push_back(t.nsecsElapsed() / 1e6);
    }
    std::printf("record   one check of ten answers %7.2f ms\n", Medijana(zapis));
    glavni.ZatvoriOstale();
    return 0;
}

int main(int argc, char** argv)
{
    if (argc >= 2 && qstrcmp(argv[1], "napredak") == 0)
        return Napredak_(argc > 2 ? atoi(argv[2]) : 100000);
    if (argc == 4 && qstrcmp(argv[1], "memorija") == 0)
        return Memorija(qstrcmp(argv[2], "program") == 0, atoi(argv[3]));
    if ((argc == 3 || argc == 4) && qstrcmp(argv[1], "otvori") == 0) {
        // One command opened ten times, for a profiler; with "bare", its window without content.
        const bool prazan = argc == 4 && qstrcmp(argv[3], "bare") == 0;
        QApplication app(argc, argv);
        Pripremi();
        Karuvel glavni { Module2::Generator(1) };
        glavni.show();
        QApplication::processEvents();
        // The first open fills the caches of glyphs and pictures; a profiler counts the ten after it.
        if (qstrcmp(argv[2], "Uputstvo") == 0) {
            for (int i = 0; i <= 10; ++i) {
                prazan ? OtvoriPraznuPomoc(glavni) : OtvoriPomoc(glavni);
                if (i == 0)
                    CALLGRIND_ZERO_STATS;
            }
            return 0;
        }
        for (const Aktivnost& a : Aktivnosti()) {
            if (qstrcmp(a.ime, argv[2]) != 0)
                continue;
            const Kostur kostur = Snimi(glavni, a);
            for (int i = 0; i <= 10; ++i) {
                prazan ? OtvoriPrazan(glavni, a, &kostur) : OtvoriProgram(glavni, a.ime);
                if (i == 0)
                    CALLGRIND_ZERO_STATS;
            }
            return 0;
        }
        for (int i = 0; i <= 10; ++i) {
            OtvoriProgram(glavni, argv[2]);
            if (i == 0)
                CALLGRIND_ZERO_STATS;
        }
        return 0;
    }

    // "brzo": a few of everything, only to see that it runs.
    const bool brzo = argc > 1 && qstrcmp(argv[1], "brzo") == 0;
    const int krugova = brzo ? 10 : argc > 1 ? std::max(10, atoi(argv[1])) : 50;
    const int puta = brzo ? 3 : 15;
    QApplication app(argc, argv);
    Pripremi();
    const QString sebe = QCoreApplication::applicationFilePath();

    const auto [startProgram, startPrazan, startNatpis] = MeriStart(brzo ? 3 : 21);
    std::printf("start    program %7.2f ms   bare %7.2f ms   ratio %.2f\n", startProgram, startPrazan, startProgram / startPrazan);
    std::printf("start    bare with one line of text %7.2f ms   ratio %.2f\n", startNatpis, startNatpis / startPrazan);

    Karuvel glavni { Module2::Generator(1) };
    glavni.show();
    QApplication::processEvents();
    for (const Aktivnost& a : Aktivnosti()) {
        const Kostur kostur = Snimi(glavni, a);
        std::vector<double> program, prazan, sadrzaj;
        for (int i = 0; i < puta; ++i) {
            program.push_back(OtvoriProgram(glavni, a.ime));
            prazan.push_back(OtvoriPrazan(glavni, a, &kostur));
            sadrzaj.push_back(OtvoriPrazan(glavni, a, &kostur, true));
        }
        const double p = Medijana(program), q = Medijana(prazan), r = Medijana(sadrzaj);
        std::printf("open     %-16s program %7.2f ms   bare %7.2f ms   ratio %.2f   "
                    "(bare with the content drawn, no load: %5.2f ms, ratio %.2f)\n", a.ime, p, q, p / q, r, r / q);
    }
    {
        std::vector<double> program, prazan;
        for (int i = 0; i < puta; ++i) {
            program.push_back(OtvoriPomoc(glavni));
            prazan.push_back(OtvoriPraznuPomoc(glavni));
        }
        const double p = Medijana(program), q = Medijana(prazan);
        if (p < 0)
            std::printf("open     %-16s no help file beside the program\n", "Uputstvo");
        else
            std::printf("open     %-16s program %7.2f ms   bare %7.2f ms   ratio %.2f\n", "Uputstvo", p, q, p / q);
    }

    // Memory, each side in a process of its own.
    long rss[2][2] {};
    for (int strana = 0; strana < 2; ++strana) {
        QProcess p;
        p.start(sebe, { QStringLiteral("memorija"), strana == 0 ? QStringLiteral("program") : QStringLiteral("bare"),
                          QString::number(krugova) });
        p.waitForFinished(600000);
        const QList<QByteArray> brojevi = p.readAllStandardOutput().simplified().split(' ');
        if (brojevi.size() == 2) {
            rss[strana][0] = brojevi[0].toLong();
            rss[strana][1] = brojevi[1].toLong();
        }
    }
    std::printf("memory   program %ld kB (round 10) -> %ld kB (round %d), growth %ld kB\n", rss[0][0], rss[0][1], krugova,
        rss[0][1] - rss[0][0]);
    std::printf("memory   bare    %ld kB (round 10) -> %ld kB (round %d), growth %ld kB\n", rss[1][0], rss[1][1], krugova,
        rss[1][1] - rss[1][0]);
    std::printf("memory   program over bare: %ld kB\n", rss[0][1] - rss[1][1]);
    // A measure that did not come out is a failure, not a zero.
    const bool izmereno = startProgram > 0 && startPrazan > 0 && rss[0][1] > 0 && rss[1][1] > 0;
    return izmereno ? 0 : 1;
}
