#include "shell/Karuvel.h"

#include "intersections/Raskrsnice.h"
#include "help/Internet.h"
#include "help/PomocProzor.h"
#include "shell/Stanje.h"
#include "shell/Uvodna.h"
#include "signs/Znakovi.h"
#include "signs/ZnakoviTest.h"
#include "situations/Situacije.h"
#include "theory/Teorija.h"

#include <QApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>

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

Karuvel::Karuvel(QWidget* parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Karuvel"));
    setWindowTitle(Naslov);
    setWindowIcon(QIcon(QStringLiteral(":/program/ikona.png")));

    m_mdi = new QMdiArea(this);
    m_mdi->setObjectName(QStringLiteral("MDIForm"));
    setCentralWidget(m_mdi);
    connect(m_mdi, &QMdiArea::subWindowActivated, this, &Karuvel::Aktiviran);

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
    for (QMdiSubWindow* prozor : m_mdi->subWindowList()) {
        const QWidget* sadrzaj = prozor->widget();
        const QString naslov = sadrzaj ? sadrzaj->windowTitle() : prozor->windowTitle();
        if (naslov != Naslov && prozor->close())
            delete prozor;
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

QMdiSubWindow* Karuvel::Prikazi(Prozor* prozor, const QString& naslov)
{
    if (!prozor->Ucitan()) {
        delete prozor;
        return nullptr;
    }
    prozor->Naslov()->setText(naslov);
    if (prozor->windowTitle().isNull())
        prozor->setWindowTitle(naslov);
    QMdiSubWindow* okvir = m_mdi->addSubWindow(prozor);
    okvir->setAttribute(Qt::WA_DeleteOnClose);
    okvir->setWindowIcon(windowIcon());
    okvir->show();
    m_mdi->setActiveSubWindow(okvir);
    return okvir;
}

void Karuvel::Aktiviran(QMdiSubWindow* prozor)
{
    // Only a change of the active child counts; the frame losing and regaining the
    // focus of the desktop does not.
    if (!prozor || prozor == m_aktivan)
        return;
    m_aktivan = prozor;
    if (auto* p = qobject_cast<Prozor*>(prozor->widget()))
        p->Form_Activate();
}

void Karuvel::Znak_Click(int index)
{
    ZatvoriOstale();
    auto* prozor = new Znakovi(this);
    prozor->Naslov()->setText(NasloviZnakova[index]);
    if (!prozor->Izgradi(qint16(index))) {
        delete prozor;
        return;
    }
    if (QMdiSubWindow* okvir = Prikazi(prozor, NasloviZnakova[index]))
        okvir->showMaximized();
}

void Karuvel::TestSaZnakovima_Click()
{
    ZatvoriOstale();
    if (QMdiSubWindow* okvir = Prikazi(new ZnakoviTest(this), QStringLiteral("Test sa znakovima")))
        okvir->showMaximized();
}

void Karuvel::OtvoriTeoriju(const QByteArray& kategorija, qint16 broj, const QString& naslov)
{
    ZatvoriOstale();
    Stanje::Kategorija = kategorija;
    Stanje::BrojPitanjaT = broj;
    if (QMdiSubWindow* okvir = Prikazi(new Teorija(this), naslov))
        okvir->showMaximized();
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
    ZatvoriOstale();
    Stanje::BrojPitanjaS = 20;
    if (QMdiSubWindow* okvir = Prikazi(new Situacije(this), QStringLiteral("Pitanja sa slikama za sve kategorije")))
        okvir->showMaximized();
}

void Karuvel::RaskrsniceP_Click()
{
    ZatvoriOstale();
    Stanje::BrojPitanjaR = 2;
    if (QMdiSubWindow* okvir = Prikazi(new Raskrsnice(this), QStringLiteral("Raskrsnice")))
        okvir->showMaximized();
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
    if (QMdiSubWindow* okvir = Prikazi(new Uvodna(this), QStringLiteral("KARUVEL"))) {
        // A splash needs no title bar; without one it fits the 800 x 600 frame.
        okvir->setWindowFlags(Qt::FramelessWindowHint);
        okvir->move(0, 0);
        okvir->show();
    }
}
