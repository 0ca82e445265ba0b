#include "theory/Teorija.h"

#include "content/Kriptovanje.h"
#include "content/Module1.h"
#include "content/Module2.h"
#include "content/Tekst.h"
#include "widgets/Izgled.h"
#include "widgets/Panel.h"
#include "widgets/PitanjeOkvir.h"
#include "shell/Stanje.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMdiSubWindow>
#include <QPushButton>

namespace {

// Tops of the ten question frames inside the content frame.
constexpr std::array<int, Teorija::BrojOkvira> VrhOkvira {
    0, 211, 419, 627, 839, 1050, 1261, 1473, 1684, 1895
};

const PitanjeOkvir::Raspored& Raspored()
{
    static const PitanjeOkvir::Raspored r {
        QRect(10, 20, 747, 40),
        { QRect(43, 67, 680, 40), QRect(43, 110, 680, 40), QRect(43, 153, 680, 40) },
        { QRect(10, 71, 32, 32), QRect(10, 114, 32, 32), QRect(10, 157, 32, 32) },
        9.75,
        9.75,
    };
    return r;
}

}  // namespace

Teorija::Teorija(QWidget* parent)
    : Prozor(parent)
{
    setObjectName(QStringLiteral("Teorija"));
    resize(760, 592);

    m_naslov = new QLabel(this);
    m_naslov->setObjectName(QStringLiteral("Label0"));
    m_naslov->setGeometry(100, 5, 600, 35);
    Izgled::Naslov(m_naslov);

    m_command4 = Izgled::Dugme(this, QStringLiteral("Command4"), QStringLiteral("Provera"), QRect(19, 11, 80, 22));
    m_command1 = Izgled::Dugme(this, QStringLiteral("Command1"), QStringLiteral("Nov TEST"), QRect(701, 11, 80, 22));
    connect(m_command4, &QPushButton::clicked, this, &Teorija::Command4_Click);
    connect(m_command1, &QPushButton::clicked, this, &Teorija::Command1_Click);

    m_panel = new Panel(this, 55, VisinaSadrzaja);
    for (int k = 1; k <= BrojOkvira; ++k) {
        const QRect mesto(0, VrhOkvira[static_cast<std::size_t>(k - 1)], 765, 208);
        m_okvir[static_cast<std::size_t>(k)] = new PitanjeOkvir(k, mesto, Raspored(), m_panel->Frame1());
    }
    PitanjeOkvir::StockSlike(this);

    if (!NovaPitanjaT()) {
        NeuspehUcitavanja();
        return;
    }
    m_panel->Postavi();
}

bool Teorija::NovaPitanjaT()
{
    const qint16 broj = Stanje::BrojPitanjaT;
    if (broj <= 0 || broj % 10 != 0)
        return false;

    if (m_pozicija >= broj || m_pozicija == 0) {
        Module1::IsprazniZnakove();
        Module1::IsprazniTeoriju();
        if (!Module1::UcitajTeoriju(Stanje::Kategorija))
            return false;
        const int n = Module1::TeorijaPitanje.GornjaGranica();
        if (n > 32767 || !Module2::SlucajnaPitanja(1, qint16(n), broj)
            || !Module2::SlucajniOdgovori(1, 3, 3))
            return false;
        m_pozicija = 0;
    }

    // Everything is read before anything is shown, so a failure leaves the frames as they were.
    struct Pitanje {
        QString tekst;
        std::array<QString, 3> odgovori;
        std::array<bool, 3> tacan {};
    };
    std::array<Pitanje, BrojOkvira> pitanja;
    for (int k = 1; k <= BrojOkvira; ++k) {
        Pitanje& p = pitanja[static_cast<std::size_t>(k - 1)];
        const qint16 q = Module2::IzabranaPitanja[static_cast<std::size_t>(m_pozicija + k)];
        const QByteArray kljuc = Kriptovanje::KljucniTekst(Module1::TeorijaKljuc(q));
        p.tekst = Tekst::Procitaj(kljuc, Module1::TeorijaPitanje(q));
        const std::optional<int> c = Module1::Broj(Kriptovanje::Dekriptuj(kljuc, Module1::TeorijaTacan(q)));
        if (!c)
            return false;
        for (int j = 1; j <= 3; ++j) {
            const int a = Module2::RedosledOdgovora[static_cast<std::size_t>(j)];
            p.odgovori[static_cast<std::size_t>(j - 1)] = Tekst::Procitaj(kljuc, Module1::TeorijaOdgovor(q, a));
            p.tacan[static_cast<std::size_t>(j - 1)] = (*c == a);
        }
    }

    for (int k = 1; k <= BrojOkvira; ++k) {
        const Pitanje& p = pitanja[static_cast<std::size_t>(k - 1)];
        PitanjeOkvir* okvir = Okvir(k);
        okvir->PostaviPitanje(p.tekst);
        for (int j = 1; j <= 3; ++j)
            okvir->PostaviOdgovor(j, p.odgovori[static_cast<std::size_t>(j - 1)], p.tacan[static_cast<std::size_t>(j - 1)]);
    }
    m_pozicija = qint16(m_pozicija + BrojOkvira);
    return true;
}

void Teorija::Form_Activate()
{
    if (QMainWindow* glavni = GlavniProzor())
        glavni->showMaximized();
    m_panel->Fokus();
}

void Teorija::Command4_Click()
{
    for (int k = 1; k <= BrojOkvira; ++k)
        Okvir(k)->Provera();
}

void Teorija::Command1_Click()
{
    for (int k = 1; k <= BrojOkvira; ++k)
        Okvir(k)->Ocisti();
    if (!NovaPitanjaT()) {
        NeuspehUcitavanja();
        return;
    }
    m_panel->NaVrh();
}

void Teorija::closeEvent(QCloseEvent* dogadjaj)
{
    m_pozicija = 0;
    Stanje::BrojPitanjaT = 0;
    Prozor::closeEvent(dogadjaj);
}
