#include "situations/Situacije.h"

#include "content/ResPicture.h"
#include "content/Tekst.h"
#include "widgets/Izgled.h"

#include <QLabel>

namespace {

// Inside a frame (twips / 15): question 4170, 285, 7200 x 780; answers at 4695 with tops
// 1095, 1745, 2390, 6660 x 600; marks at 4200 with tops 1160, 1805, 2450, 480 x 480.
ProzorPitanja::Oblik OblikSituacija()
{
    ProzorPitanja::Oblik o;
    o.ime = QStringLiteral("Situacije");
    o.banka = Napredak::Banka::Situacije;
    o.imeProvere = QStringLiteral("Command2");
    // 0, 3170, 6290, 9410 and 12580 twips.
    o.vrhovi = { 0, 211, 419, 627, 839 };
    o.mere = {
        QRect(278, 19, 480, 52),
        { QRect(313, 73, 444, 40), QRect(313, 116, 444, 40), QRect(313, 159, 444, 40) },
        { QRect(280, 77, 32, 32), QRect(280, 120, 32, 32), QRect(280, 163, 32, 32) },
        9.75,
        9,
    };
    o.visinaSadrzaja = Situacije::VisinaSadrzaja;
    o.brava = true;
    o.progres = true;
    return o;
}

// The picture: 105 twips from the frame's left edge, 300 from its top.
constexpr int LevoSlike = 7;
constexpr int VrhSlike = 20;

}  // namespace

Situacije::Situacije(int brojPitanja, Module2::Generator generator, QWidget* parent)
    : ProzorPitanja(OblikSituacija(),
          TestPitanja([] { return Module1::UcitajSituacije("sve"); }, brojPitanja, BrojOkvira, true, generator),
          parent)
{
    for (int k = 1; k <= BrojOkvira; ++k) {
        auto* slika = new QLabel(Okvir(k));
        slika->setObjectName(QStringLiteral("Image%1_0").arg(k));
        slika->setFrameStyle(QFrame::Box | QFrame::Plain);
        slika->setLineWidth(1);
        slika->move(LevoSlike, VrhSlike);
        m_slike[static_cast<std::size_t>(k - 1)] = slika;
    }
}

int Situacije::LevaIvica(int sirina)
{
    // 105 twips, plus 2100 when the picture is narrower than 2200 twips.
    return Izgled::Tvip(sirina * Izgled::TvipaPoPikselu < 2200 ? 105 + 2100 : 105);
}

Module1::Greska Situacije::PrikaziDodatak(int k, const TestPitanja::Pitanje& pitanje)
{
    QLabel* slika = Slika(k);
    slika->move(LevoSlike, VrhSlike);
    ResPicture ucitavac;
    const QImage decodirana = ucitavac.LoadResPicture(QStringLiteral("SITUACIJA"), pitanje.slika);
    if (decodirana.isNull())
        return { ucitavac.Err().Description };
    slika->setPixmap(QPixmap::fromImage(decodirana));
    // The control takes the picture's size plus its thin border; the width rule looks at
    // the picture.
    slika->resize(decodirana.size() + QSize(2, 2));
    slika->move(LevaIvica(decodirana.width()), VrhSlike);
    slika->setAccessibleName(QStringLiteral("Slika situacije %1").arg(pitanje.slika));
    slika->setAccessibleDescription(Tekst::izCp1250(pitanje.tekst));
    return {};
}
