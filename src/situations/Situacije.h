#pragma once

#include "content/Module2.h"
#include "widgets/ProzorPitanja.h"

#include <array>

// The situation test: five pictured questions per test, served from a cycle of brojPitanja
// (20) questions drawn at once with one answer order; "Provera" shows the tick and cross
// marks, "Nov TEST" the next five (a new cycle after the fourth test) and then rests for
// five seconds.
class Situacije : public ProzorPitanja {
    Q_OBJECT
public:
    static constexpr int BrojOkvira = 5;
    static constexpr int VisinaSadrzaja = 1100;

    Situacije(int brojPitanja, Module2::Generator generator, QWidget* parent = nullptr);

    QLabel* Slika(int k) const { return m_slike[static_cast<std::size_t>(k - 1)]; }  // Image<k>_0, k = 1..5

    // Left edge (pixels, inside the frame) of a situation picture this wide (pixels):
    // 105 twips (7 pixels), or 2205 twips (147 pixels) when narrower than 2200 twips.
    static int LevaIvica(int sirina);

protected:
    Module1::Greska PrikaziDodatak(int k, const TestPitanja::Pitanje& pitanje) override;

private:
    std::array<QLabel*, BrojOkvira> m_slike {};
};
