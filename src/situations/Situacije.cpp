#include "situations/Situacije.h"

#include "content/Kriptovanje.h"
#include "content/Module1.h"
#include "content/Module2.h"
#include "content/ResPicture.h"
#include "content/Tekst.h"
#include "widgets/Izgled.h"
#include "widgets/NovTestBrava.h"
#include "widgets/Panel.h"
#include "widgets/PitanjeOkvir.h"
#include "widgets/Poruke.h"
#include "widgets/Progres.h"
#include "shell/Stanje.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMdiSubWindow>
#include <QPushButton>

namespace {

// Tops of the five question frames inside the content frame (0, 3170, 6290, 9410 and
// 12580 twips).
constexpr std::array<int, Situacije::BrojOkvira> VrhOkvira { 0, 211, 419, 627, 839 };

// Inside a frame (twips / 15): question 4170, 285, 7200 x 780; answers at 4695 with tops
// 1095, 1745, 2390, 6660 x 600; marks at 4200 with tops 1160, 1805, 2450, 480 x 480.
const PitanjeOkvir::Raspored& Raspored()
{
    static const PitanjeOkvir::Raspored r {
        QRect(278, 19, 480, 52),
        { QRect(313, 73, 444, 40), QRect(313, 116, 444, 40), QRect(313, 159, 444, 40) },
        { QRect(280, 77, 32, 32), QRect(280, 120, 32, 32), QRect(280, 163, 32, 32) },
        9.75,
        9,
    };
    return r;
}

// The picture: 105 twips from the frame's left edge, 300 from its top.
constexpr int LevoSlike = 7;
constexpr int VrhSlike = 20;

}  // namespace

Situacije::Situacije(QWidget* parent)
    : Prozor(parent)
{
    setObjectName(QStringLiteral("Situacije"));
    resize(760, 592);

    m_naslov = new QLabel(this);
    m_naslov->setObjectName(QStringLiteral("Label0"));
    m_naslov->setGeometry(100, 5, 600, 35);
    Izgled::Naslov(m_naslov);

    m_command2 = Izgled::Dugme(this, QStringLiteral("Command2"), QStringLiteral("Provera"), QRect(19, 11, 80, 22));
    m_command1 = Izgled::Dugme(this, QStringLiteral("Command1"), QStringLiteral("Nov TEST"), QRect(701, 11, 80, 22));
    connect(m_command2, &QPushButton::clicked, this, &Situacije::Command2_Click);
    connect(m_command1, &QPushButton::clicked, this, &Situacije::Command1_Click);
    m_brava = new NovTestBrava(m_command1, this);

    // The panel's wheel handling takes the place of the pump timer Timer2.
    m_panel = new Panel(this, 55, VisinaSadrzaja);
    for (int k = 1; k <= BrojOkvira; ++k) {
        const auto i = static_cast<std::size_t>(k);
        const QRect mesto(0, VrhOkvira[i - 1], 765, 208);
        m_okvir[i] = new PitanjeOkvir(k, mesto, Raspored(), m_panel->Frame1());
        auto* slika = new QLabel(m_okvir[i]);
        slika->setObjectName(QStringLiteral("Image%1_0").arg(k));
        slika->setFrameStyle(QFrame::Box | QFrame::Plain);
        slika->setLineWidth(1);
        slika->move(LevoSlike, VrhSlike);
        m_slika[i] = slika;
    }
    PitanjeOkvir::StockSlike(this);

    // Form_Load
    if (!NovaPitanjaS())
        return;
    m_panel->Postavi();
}

int Situacije::LevaIvica(int sirina)
{
    // 105 twips, plus 2100 when the picture is narrower than 2200 twips.
    return sirina * 15 < 2200 ? (105 + 2100) / 15 : LevoSlike;
}

bool Situacije::NovaPitanjaS()
{
    using namespace Module1;
    const qint16 broj = Stanje::BrojPitanjaS;
    if (m_pozicija >= broj || m_pozicija == 0) {
        IsprazniZnakove();
        IsprazniTeoriju();
        IsprazniSituacije();
        if (!UcitajSituacije("sve")) {
            NeuspehUcitavanja();
            return false;
        }
        // A cycle is whole tests of five different questions.
        const int n = SituacijaPitanje.GornjaGranica();
        if (broj < BrojOkvira || broj % BrojOkvira != 0 || n > 32767
            || !Module2::SlucajnaPitanja(1, qint16(n), broj) || !Module2::SlucajniOdgovori(1, 3, 3)) {
            NeuspehUcitavanja();
            return false;
        }
        m_pozicija = 0;
    }

    QString greska;
    {
        Progres::Prikaz progres(this);
        progres.Ucitavanje(0, 100);
        for (int k = 1; k <= BrojOkvira && greska.isEmpty(); ++k) {
            const auto ik = static_cast<std::size_t>(k);
            const qint16 q = Module2::IzabranaPitanja[static_cast<std::size_t>(m_pozicija + k)];
            const QByteArray kljuc = Kriptovanje::KljucniTekst(SituacijaKljuc(q));
            QLabel* slika = m_slika[ik];

            slika->move(LevoSlike, VrhSlike);
            const auto p = Broj(Kriptovanje::Dekriptuj(kljuc, SituacijaSlika(q)));
            QImage decodirana;
            {
                ResPicture rp;
                if (p)
                    decodirana = rp.LoadResPicture(QStringLiteral("SITUACIJA"), *p);
                if (decodirana.isNull()) {
                    greska = p ? rp.Err().Description : PorukaGreske;
                    break;
                }
            }
            slika->setPixmap(QPixmap::fromImage(decodirana));
            // The control takes the picture's size plus its thin border; the width rule
            // looks at the picture.
            slika->resize(decodirana.size() + QSize(2, 2));
            slika->move(LevaIvica(decodirana.width()), VrhSlike);

            PitanjeOkvir* okvir = m_okvir[ik];
            okvir->PostaviPitanje(Tekst::Procitaj(kljuc, SituacijaPitanje(q)));
            for (int i = 1; i <= 3; ++i) {
                const int a = Module2::RedosledOdgovora[static_cast<std::size_t>(i)];
                const auto tacan = Broj(Kriptovanje::Dekriptuj(kljuc, SituacijaTacan(q)));
                okvir->PostaviOdgovor(i, Tekst::Procitaj(kljuc, SituacijaOdgovor(q, a)), tacan && *tacan == a);
            }
            progres.Ucitavanje(qint16(20 * k), 100);
        }
    }
    if (!greska.isEmpty()) {
        Neuspeh(greska);
        return false;
    }
    m_pozicija = qint16(m_pozicija + BrojOkvira);
    return true;
}

void Situacije::Form_Activate()
{
    if (QMainWindow* glavni = GlavniProzor())
        glavni->showMaximized();
    m_panel->Fokus();
}

void Situacije::Command2_Click()
{
    for (int k = 1; k <= BrojOkvira; ++k)
        Okvir(k)->Provera();
}

void Situacije::Command1_Click()
{
    for (int k = 1; k <= BrojOkvira; ++k)
        Okvir(k)->Ocisti();
    if (!NovaPitanjaS())
        return;
    m_panel->NaVrh();
    m_brava->Zakljucaj();
}

void Situacije::Timer1_Timer()
{
    m_brava->Timer1_Timer();
}


void Situacije::closeEvent(QCloseEvent* event)
{
    // Form_Unload
    m_pozicija = 0;
    Stanje::BrojPitanjaS = 0;
    Prozor::closeEvent(event);
}
