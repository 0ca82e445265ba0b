#include "theory/Teorija.h"

namespace {

ProzorPitanja::Oblik OblikTeorije()
{
    ProzorPitanja::Oblik o;
    o.ime = QStringLiteral("Teorija");
    o.imeProvere = QStringLiteral("Command4");
    o.vrhovi = { 0, 211, 419, 627, 839, 1050, 1261, 1473, 1684, 1895 };
    o.mere = {
        QRect(10, 20, 747, 40),
        { QRect(43, 67, 680, 40), QRect(43, 110, 680, 40), QRect(43, 153, 680, 40) },
        { QRect(10, 71, 32, 32), QRect(10, 114, 32, 32), QRect(10, 157, 32, 32) },
        9.75,
        9.75,
    };
    o.visinaSadrzaja = Teorija::VisinaSadrzaja;
    return o;
}

}  // namespace

Teorija::Teorija(const QByteArray& kategorija, int brojPitanja, Module2::Generator generator, QWidget* parent)
    : ProzorPitanja(OblikTeorije(),
          TestPitanja([kategorija] { return Module1::UcitajTeoriju(kategorija); }, brojPitanja, BrojOkvira, false, generator),
          parent)
{
}

Teorija::Teorija(TestPitanja::Ucitavac ucitavac, int brojPitanja, Module2::Generator generator, QWidget* parent)
    : ProzorPitanja(OblikTeorije(), TestPitanja(std::move(ucitavac), brojPitanja, BrojOkvira, false, generator), parent)
{
}
