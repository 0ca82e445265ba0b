// Raspored: the layout arithmetic of the sign windows, free of widgets.
#pragma once

#include <vector>

namespace Raspored {

// Sign catalogue, in twips (15 to a pixel) inside the content frame.
inline constexpr int VrhSablona = 180;      // top of the hidden picture template Image1(0)
inline constexpr int VisinaSablona = 435;   // its height
inline constexpr int Razmak = 100;          // gap between one sign and the next
inline constexpr int RezervaPoZnaku = 1000; // content reserved per sign besides its picture

struct Katalog {
    std::vector<int> vrhovi;   // top of sign i (index 0 = sign 1), twips
    float visinaSadrzaja = 0;  // height of the content frame, pixels
};

// Each sign starts 100 twips below the bottom of the element above it (the template for the
// first one: 180 + 435 + 100 = 715); the content frame holds the pictures' heights plus
// 1000 twips per sign, divided by 15.
// Pictures 600 and 450 twips high: tops 715 and 1415, content (600+1000+450+1000)/15 = 203 1/3.
Katalog RasporediKatalog(const std::vector<int>& visineTvipovi);

// Sign test: the size a sign picture is shown at.
struct Velicina {
    float sirina = 0;
    float visina = 0;
};

// The picture template Image1(0) of the sign test, pixels.
inline constexpr Velicina Sablon { 140, 121 };
inline constexpr float Margina = 5;

// Height fitting, then width fitting: for k = 1 to 10, while the side is more than the
// template's less 5 pixels, both sides are multiplied by 1 - 0.05 k (single precision,
// each k testing the size the previous one left). 148 x 203 ends at about 64.5 x 88.5,
// 185 x 51 at about 134.5 x 37; a picture within 135 x 116 keeps its size.
Velicina Uklopi(Velicina slika, Velicina sablon = Sablon);

}  // namespace Raspored
