#include "shell/Karuvel.h"

#include "exam/Ispit.h"
#include "help/Internet.h"
#include "help/PomocProzor.h"
#include "intersections/Raskrsnice.h"
#include "napredak/IzTesta.h"
#include "napredak/Skladiste.h"
#include "napredak/Slabosti.h"
#include "shell/NapredakProzor.h"
#include "shell/Uvodna.h"
#include "signs/Znakovi.h"
#include "signs/ZnakoviTest.h"
#include "situations/Situacije.h"
#include "theory/Teorija.h"
#include "widgets/Izgled.h"
#include "widgets/Poruke.h"
#include "widgets/Uvelicanje.h"

#include <QApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QScrollBar>
#include <QStatusBar>

#include <map>
#include <memory>
#include <optional>

namespace {
QAction* Stavka(QMenu* meni, const QString& ime, const QString& natpis)
{
    QAction* a = meni->addAction(natpis);
    a->setObjectName(ime);
    return a;
}

QMenu* Meni(QMenuBar* traka, const QString& ime, const QString& natpis)
{
    QMenu* m = traka->addMenu(natpis);
    m->setObjectName(ime);
    m->menuAction()->setObjectName(ime);
    return m;
}

const std::array<QString, 6> NasloviZnakova {
    QString(),
    QStringLiteral("Znakovi opasnosti"),
    QStringLiteral("Znakovi zabrane i ograničenja"),
    QStringLiteral("Znakovi obaveze"),
    QStringLiteral("Znakovi obaveštenja"),
    QStringLiteral("Dopunske table"),
};
}

Karuvel::Karuvel(Module2::Generator generator, QWidget* parent)
    : QMainWindow(parent)
    , m_generator(generator)
{
    setObjectName(QStringLiteral("Karuvel"));
    setWindowTitle(Naslov);
    setWindowIcon(Izgled::Ikona());

    m_mdi = new QMdiArea(this);
    m_mdi->setObjectName(QStringLiteral("MDIForm"));
    setCentralWidget(m_mdi);
    connect(m_mdi, &QMdiArea::subWindowActivated, this, &Karuvel::Aktiviran);
    // A window larger than the area (a small screen, a large scale factor, a zoom) scrolls.
    m_mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // Queued, so that a window's own scrolling panel has brought the control into its view first.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* novi) {
        if (novi && m_mdi->viewport()->isAncestorOf(novi))
            QMetaObject::invokeMethod(this, [this, k = QPointer<QWidget>(novi)] { PrikaziFokus(k); }, Qt::QueuedConnection);
    });

    // The result of a check is shown below the activity window, never over its controls;
    // the line is there while an activity window is, so the splash keeps the whole area.
    m_rezultat = new QLabel(this);
    m_rezultat->setObjectName(QStringLiteral("Rezultat"));
    m_rezultat->setAccessibleName(QStringLiteral("Rezultat"));
    statusBar()->addWidget(m_rezultat);
    statusBar()->hide();

    NapraviMeni();
    resize(800, 600);
}

Karuvel::~Karuvel()
{
    // The area reports its last child's deactivation while it is torn down.
    disconnect(m_mdi, nullptr, this, nullptr);
}

void Karuvel::NapraviMeni()
{
    QMenuBar* traka = menuBar();

    QMenu* znakovi = Meni(traka, QStringLiteral("SaobracajniZnakovi"), QStringLiteral("Saobracajni znakovi"));
    const std::array<QString, 6> natpisi { QString(),
        QStringLiteral("Znakovi opasnosti"), QStringLiteral("Znakovi zabrane i ogranicenja"),
        QStringLiteral("Znakovi obaveze"), QStringLiteral("Znakovi obavestenja"),
        QStringLiteral("Dopunske table") };
    for (int i = 1; i <= 5; ++i) {
        connect(Stavka(znakovi, QStringLiteral("Znak_%1").arg(i), natpisi[i]), &QAction::triggered,
            this, [this, i] { Znak_Click(i); });
    }
    connect(Stavka(znakovi, QStringLiteral("TestSaZnakovima"), QStringLiteral("Test sa znakovima")),
        &QAction::triggered, this, &Karuvel::TestSaZnakovima_Click);

    QMenu* teorija = Meni(traka, QStringLiteral("TeorijskaPitanja"), QStringLiteral("Teorijska pitanja"));
    connect(Stavka(teorija, QStringLiteral("TeorijaB"), QStringLiteral("\"B\" kategorija")),
        &QAction::triggered, this, &Karuvel::TeorijaB_Click);
    connect(Stavka(teorija, QStringLiteral("TeorijaCD"), QStringLiteral("\"C\" i \"D\" kategorija")),
        &QAction::triggered, this, &Karuvel::TeorijaCD_Click);
    connect(Stavka(teorija, QStringLiteral("TeorijaT"), QStringLiteral("za Traktor")),
        &QAction::triggered, this, &Karuvel::TeorijaT_Click);

    QMenu* situacije = Meni(traka, QStringLiteral("SituacijeSaSlikama"), QStringLiteral("Situacije sa slikama"));
    connect(Stavka(situacije, QStringLiteral("SituacijeP"), QStringLiteral("Za sve kategorije")),
        &QAction::triggered, this, &Karuvel::SituacijeP_Click);

    QMenu* raskrsnice = Meni(traka, QStringLiteral("RaskrsniceGlavni"), QStringLiteral("Raskrsnice"));
    connect(Stavka(raskrsnice, QStringLiteral("RaskrsniceP"), QStringLiteral("Za sve kategorije")),
        &QAction::triggered, this, &Karuvel::RaskrsniceP_Click);

    QMenu* ispit = Meni(traka, QStringLiteral("IspitGlavni"), QStringLiteral("Ispit"));
    connect(Stavka(ispit, QStringLiteral("IspitB"), QStringLiteral("\"B\" kategorija")),
        &QAction::triggered, this, [this] { Ispit_Click("B"); });
    connect(Stavka(ispit, QStringLiteral("IspitCD"), QStringLiteral("\"C\" i \"D\" kategorija")),
        &QAction::triggered, this, [this] { Ispit_Click("CD"); });
    connect(Stavka(ispit, QStringLiteral("IspitT"), QStringLiteral("za Traktor")),
        &QAction::triggered, this, [this] { Ispit_Click("T"); });
    QMenu* napredak = Meni(traka, QStringLiteral("NapredakMeni"), QStringLiteral("Napredak"));
    connect(Stavka(napredak, QStringLiteral("PonoviGreskeB"), QStringLiteral("Ponovi greške – \"B\"")),
        &QAction::triggered, this, [this] { PonoviGreske_Click("B"); });
    connect(Stavka(napredak, QStringLiteral("PonoviGreskeCD"), QStringLiteral("Ponovi greške – \"C\" i \"D\"")),
        &QAction::triggered, this, [this] { PonoviGreske_Click("CD"); });
    connect(Stavka(napredak, QStringLiteral("PonoviGreskeT"), QStringLiteral("Ponovi greške – Traktor")),
        &QAction::triggered, this, [this] { PonoviGreske_Click("T"); });
    connect(Stavka(napredak, QStringLiteral("NapredakPregled"), QStringLiteral("Napredak")),
        &QAction::triggered, this, &Karuvel::NapredakPregled_Click);
    connect(Stavka(napredak, QStringLiteral("ObrisiNapredak"), QStringLiteral("Obriši napredak")),
        &QAction::triggered, this, &Karuvel::ObrisiNapredak_Click);

    QMenu* pomoc = Meni(traka, QStringLiteral("Pomoc"), QStringLiteral("Pomoc"));
    connect(Stavka(pomoc, QStringLiteral("Uputstvo"), QStringLiteral("Uputstvo")),
        &QAction::triggered, this, &Karuvel::Uputstvo_Click);
    connect(Stavka(pomoc, QStringLiteral("NaInternet"), QStringLiteral("Karuvel na Internetu")),
        &QAction::triggered, this, &Karuvel::NaInternet_Click);
    connect(Stavka(pomoc, QStringLiteral("OProgramu"), QStringLiteral("O programu")),
        &QAction::triggered, this, &Karuvel::OProgramu_Click);
}

void Karuvel::ZatvoriOstale()
{
    m_rezultat->clear();
    for (QMdiSubWindow* podprozor : m_mdi->subWindowList()) {
        const QWidget* sadrzaj = podprozor->widget();
        const QString naslov = sadrzaj ? sadrzaj->windowTitle() : podprozor->windowTitle();
        if (naslov != Naslov && podprozor->close())
            delete podprozor;
    }
    for (QWidget* prozor : QApplication::topLevelWidgets()) {
        if (prozor == this || !prozor->isVisible() || qobject_cast<QMenu*>(prozor))
            continue;
        if (prozor->property("karuvelOstaje").toBool())
            continue;
        if (prozor->windowTitle() != Naslov)
            prozor->close();
    }
}

Module2::Generator Karuvel::NoviGenerator()
{
    return Module2::Generator { m_generator() };
}

void Karuvel::PostaviNapredak(Skladiste* napredak)
{
    m_napredak = napredak;
    m_napredakPrijavljen = false;
    PrijaviNapredak();
}

void Karuvel::PrijaviNapredak()
{
    if (m_napredakPrijavljen || !m_napredak || m_napredak->Poruka().isEmpty())
        return;
    m_napredakPrijavljen = true;
    Poruke::Greska(this, m_napredak->Poruka());
}

void Karuvel::Zapisi(const Belezenje& belezenje, const std::vector<Napredak::Odgovor>& odgovori)
{
    if (!m_napredak)
        return;
    if (!m_napredak->ZapisiProveru({belezenje.aktivnost, belezenje.kategorija, {}, odgovori}))
        PrijaviNapredak();
}

void Karuvel::ZapisiIspit(const Napredak::Ispit& ispit)
{
    if (m_napredak && !m_napredak->ZapisiIspit(ispit))
        PrijaviNapredak();
}

void Karuvel::Otvori(const std::function<Prozor*()>& napravi, const QString& naslov, std::optional<Belezenje> belezenje)
{
    std::unique_ptr<Prozor> prozor(napravi());
    if (belezenje && m_napredak)
        prozor->PostaviZapisnik([this, b = *belezenje](const std::vector<Napredak::Odgovor>& o) { Zapisi(b, o); });
    prozor->Naslov()->setText(naslov);
    const Module1::Greska greska = prozor->Ucitaj();
    // The windows open till now go only once the new one is composed: the area never stands
    // empty under the progress window, and is drawn once, with the new window in it.
    ZatvoriOstale();
    if (greska) {
        Poruke::Greska(this, greska.ZaKorisnika());
        return;
    }
    prozor->Zum()->Postavi(Uvelicanje::Sacuvano());
    prozor->DrziObim();
    connect(prozor.get(), &Prozor::Rezultat, m_rezultat, &QLabel::setText);
    statusBar()->show();
    QMdiSubWindow* podprozor = m_mdi->addSubWindow(prozor.get());
    podprozor->setAttribute(Qt::WA_DeleteOnClose);
    podprozor->setWindowIcon(windowIcon());
    podprozor->showMaximized();
    // The caption once the window stands maximised: a title bar being laid out would shorten
    // the long caption again at every step.
    if (prozor->windowTitle().isNull())
        prozor->setWindowTitle(naslov);
    prozor.release();
    m_mdi->setActiveSubWindow(podprozor);
}

void Karuvel::Aktiviran(QMdiSubWindow* podprozor)
{
    // Only a change of the active child counts; the frame losing and regaining the
    // focus of the desktop does not.
    if (!podprozor || podprozor == m_aktivan)
        return;
    m_aktivan = podprozor;
    if (auto* p = qobject_cast<Prozor*>(podprozor->widget()))
        p->Form_Activate();
}

void Karuvel::PrikaziFokus(QWidget* kontrola)
{
    if (!kontrola || !kontrola->hasFocus())
        return;
    // What of the control its parents let be seen, in the area's viewport.
    QRect mesto = kontrola->rect();
    const QWidget* w = kontrola;
    for (; w->parentWidget() != m_mdi->viewport(); w = w->parentWidget())
        mesto = mesto.translated(w->pos()) & w->parentWidget()->rect();
    mesto.translate(w->pos());
    if (mesto.isEmpty())
        return;
    const QRect pogled = m_mdi->viewport()->rect();
    // The far edge into view, then the near one, so that a control larger than the view
    // shows its start.
    auto pomeri = [](QScrollBar* traka, int pocetak, int kraj, int pocetakPogleda, int krajPogleda) {
        int pomak = 0;
        if (kraj > krajPogleda)
            pomak = kraj - krajPogleda;
        if (pocetak - pomak < pocetakPogleda)
            pomak = pocetak - pocetakPogleda;
        traka->setValue(traka->value() + pomak);
    };
    pomeri(m_mdi->horizontalScrollBar(), mesto.left(), mesto.right(), pogled.left(), pogled.right());
    pomeri(m_mdi->verticalScrollBar(), mesto.top(), mesto.bottom(), pogled.top(), pogled.bottom());
}

void Karuvel::Znak_Click(int index)
{
    Otvori([this, index] { return new Znakovi(qint16(index), this); }, NasloviZnakova[static_cast<std::size_t>(index)]);
}

void Karuvel::TestSaZnakovima_Click()
{
    Otvori([this] { return new ZnakoviTest(NoviGenerator(), this); }, QStringLiteral("Test sa znakovima"),
        Belezenje {Napredak::Aktivnost::TestZnakova, {}});
}

void Karuvel::OtvoriTeoriju(const QByteArray& kategorija, int brojPitanja, const QString& naslov)
{
    Otvori([=, this] { return new Teorija(kategorija, brojPitanja, NoviGenerator(), this); }, naslov,
        Belezenje {Napredak::Aktivnost::Teorija, kategorija});
}

void Karuvel::TeorijaB_Click()
{
    OtvoriTeoriju("B", 20, QStringLiteral("Teorijska pitanja za 'B' i ostale kategorije"));
}

void Karuvel::TeorijaCD_Click()
{
    OtvoriTeoriju("CD", 20, QStringLiteral("Teoretska pitanja za 'C' i 'D' kategoriju"));
}

void Karuvel::TeorijaT_Click()
{
    OtvoriTeoriju("T", 10, QStringLiteral("Teoretska pitanja za kandidate koji polažu za traktor"));
}

void Karuvel::SituacijeP_Click()
{
    Otvori([this] { return new Situacije(20, NoviGenerator(), this); }, QStringLiteral("Pitanja sa slikama za sve kategorije"),
        Belezenje {Napredak::Aktivnost::Situacije, {}});
}

void Karuvel::RaskrsniceP_Click()
{
    Otvori([this] { return new Raskrsnice(2, NoviGenerator(), this); }, QStringLiteral("Raskrsnice"),
        Belezenje {Napredak::Aktivnost::Raskrsnice, {}});
}

void Karuvel::Ispit_Click(const QByteArray& kategorija)
{
    const QString naslov = kategorija == "B" ? QStringLiteral("Ispit za 'B' kategoriju")
        : kategorija == "CD"                 ? QStringLiteral("Ispit za 'C' i 'D' kategoriju")
                                             : QStringLiteral("Ispit za traktor");
    Otvori([=, this] {
        auto* ispit = new Ispit(kategorija, NoviGenerator(), this);
        // A finished exam goes into the progress store with its points and its answers.
        connect(ispit, &Ispit::Zavrseno, this, [this, ispit, kategorija](const TestIspita::Ishod& ishod) {
            ZapisiIspit({ kategorija, ishod.poena, ishod.najvise, ishod.polozio, {}, Napredak::Odgovori(ispit->Test(), ishod.presuda) });
        });
        return ispit;
    }, naslov);
}

void Karuvel::Uputstvo_Click()
{
    // A missing or unreadable help file shows nothing.
    PomocProzor::Otvori(this, PomocProzor::Datoteka());
}

void Karuvel::NaInternet_Click()
{
    Internet::Otvori(Internet::Adresa);
}

void Karuvel::OProgramu_Click()
{
    ZatvoriOstale();
    statusBar()->hide();
    auto* uvodna = new Uvodna(this);
    // The splash needs no title bar and no frame: it fills the frame's client area.
    QMdiSubWindow* podprozor = m_mdi->addSubWindow(uvodna, Qt::FramelessWindowHint);
    podprozor->setAttribute(Qt::WA_DeleteOnClose);
    podprozor->setGeometry(m_mdi->viewport()->rect());
    podprozor->show();
    m_mdi->setActiveSubWindow(podprozor);
}

namespace {
// The theory records of a category the candidate should repeat, weakest first, at least one test's worth.
Module1::BankaPitanja SlabaPitanja(const QByteArray& kategorija, const std::map<qint16, std::vector<bool>>& ishodi,
    Napredak::Ponavljanje* ponavljanje)
{
    Module1::BankaPitanja banka = Module1::UcitajTeoriju(kategorija);
    if (banka.greska)
        return banka;
    std::vector<qint16> kljucevi;
    std::map<qint16, std::size_t> mesto;
    for (std::size_t i = 0; i < banka.zapisi.size(); ++i) {
        kljucevi.push_back(banka.zapisi[i].kljuc);
        mesto.emplace(banka.zapisi[i].kljuc, i);
    }
    const Napredak::Ponavljanje p = Napredak::ZaPonavljanje(kljucevi, ishodi, Teorija::BrojOkvira);
    Module1::BankaPitanja izbor;
    for (const qint16 k : p.kljucevi)
        izbor.zapisi.push_back(banka.zapisi[mesto.at(k)]);
    if (ponavljanje)
        *ponavljanje = p;
    return izbor;
}
}  // namespace

void Karuvel::PonoviGreske_Click(const QByteArray& kategorija)
{
    static const std::map<QByteArray, QString> imena = {
        {"B", QStringLiteral("\"B\" kategorija")}, {"CD", QStringLiteral("\"C\" i \"D\" kategorija")},
        {"T", QStringLiteral("Traktor")}};
    Skladiste* napredak = m_napredak;
    const auto ishodi = [napredak] {
        return napredak ? napredak->Ishodi(Napredak::Banka::Teorija) : std::map<qint16, std::vector<bool>>();
    };
    // What the heading says is taken from the records the window will start with; the window's
    // first test uses the same reading of the store.
    auto prvi = std::make_shared<std::optional<std::map<qint16, std::vector<bool>>>>(ishodi());
    Napredak::Ponavljanje p;
    const bool ucitano = !SlabaPitanja(kategorija, **prvi, &p).greska;
    QString naslov = QStringLiteral("Ponovi greške – %1").arg(imena.at(kategorija));
    if (ucitano && p.slabih == 0)
        naslov += QStringLiteral(": nema grešaka za ponavljanje, ovo su pitanja koja još niste videli");
    else if (ucitano && p.novih > 0)
        naslov += QStringLiteral(": %1 za ponavljanje, dopunjeno pitanjima koja još niste videli").arg(p.slabih);
    else if (ucitano)
        naslov += QStringLiteral(": %1 za ponavljanje").arg(p.slabih);
    // Each new test draws again from the weak questions as they stand after the last check.
    Otvori([=, this] {
        return new Teorija([kategorija, ishodi, prvi] {
            if (*prvi) {
                const auto sada = std::move(**prvi);
                prvi->reset();
                return SlabaPitanja(kategorija, sada, nullptr);
            }
            return SlabaPitanja(kategorija, ishodi(), nullptr);
        },
            Teorija::BrojOkvira, NoviGenerator(), this);
    },
        naslov, Belezenje {Napredak::Aktivnost::Teorija, kategorija});
}

void Karuvel::NapredakPregled_Click()
{
    Otvori([this] { return new NapredakProzor(m_napredak, this); }, QStringLiteral("Napredak"));
}

void Karuvel::ObrisiNapredak_Click()
{
    if (!NapredakProzor::ObrisiUzPotvrdu(this, m_napredak))
        return;
    // An open progress window shows the store as it is now.
    for (QMdiSubWindow* podprozor : m_mdi->subWindowList()) {
        if (auto* n = qobject_cast<NapredakProzor*>(podprozor->widget()))
            n->Osvezi();
    }
}
