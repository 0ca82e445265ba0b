#include "signs/Raspored.h"

#include <gtest/gtest.h>

using namespace Raspored;

TEST(KatalogZnakova, EachSignStartsAHundredTwipsBelowThePreviousElement)
{
    const Katalog k = RasporediKatalog({ 600, 450 });
    ASSERT_EQ(k.vrhovi.size(), 2u);
    EXPECT_EQ(k.vrhovi[0], 715);   // below the hidden template: 180 + 435 + 100
    EXPECT_EQ(k.vrhovi[1], 1415);  // 715 + 600 + 100
    EXPECT_NEAR(k.visinaSadrzaja, 203.0f + 1.0f / 3.0f, 1e-4);
}

TEST(KatalogZnakova, ContentReservesAThousandTwipsPerSignBesidesThePictures)
{
    // Heights as the real pictures give them (pixels × 15).
    const Katalog k = RasporediKatalog({ 203 * 15, 51 * 15, 130 * 15 });
    ASSERT_EQ(k.vrhovi.size(), 3u);
    EXPECT_EQ(k.vrhovi[1], 715 + 3045 + 100);
    EXPECT_EQ(k.vrhovi[2], 715 + 3045 + 100 + 765 + 100);
    EXPECT_NEAR(k.visinaSadrzaja, (203 + 51 + 130) + 3000.0f / 15, 1e-3);
    // The last sign ends inside the frame.
    EXPECT_LT((k.vrhovi[2] + 130 * 15) / 15.0f, k.visinaSadrzaja);
}

TEST(KatalogZnakova, NoSignsGiveAnEmptyFrame)
{
    const Katalog k = RasporediKatalog({});
    EXPECT_TRUE(k.vrhovi.empty());
    EXPECT_EQ(k.visinaSadrzaja, 0.0f);
}

struct SlucajUklapanja {
    const char* opis;
    Velicina slika;
    Velicina ocekivano;
};

class UklapanjeSlike : public ::testing::TestWithParam<SlucajUklapanja> {};

TEST_P(UklapanjeSlike, ShrinksBothSidesTogether)
{
    const SlucajUklapanja& s = GetParam();
    const Velicina v = Uklopi(s.slika);
    EXPECT_NEAR(v.sirina, s.ocekivano.sirina, 0.05) << s.opis;
    EXPECT_NEAR(v.visina, s.ocekivano.visina, 0.05) << s.opis;
    // The proportions stay those of the picture.
    EXPECT_NEAR(v.sirina / v.visina, s.slika.sirina / s.slika.visina, 1e-4) << s.opis;
}

INSTANTIATE_TEST_SUITE_P(Znakovi, UklapanjeSlike,
    ::testing::Values(
        // Too high: 193, 174, 148, 118, then 88.5 (k = 1..5); the width follows.
        SlucajUklapanja { "148 x 203", { 148, 203 }, { 64.53f, 88.52f } },
        // Too wide only: 176, 158, 134.5 (k = 1..3).
        SlucajUklapanja { "185 x 51", { 185, 51 }, { 134.45f, 37.07f } },
        // Within 135 x 116: untouched, edges included.
        SlucajUklapanja { "135 x 116", { 135, 116 }, { 135, 116 } },
        SlucajUklapanja { "100 x 80", { 100, 80 }, { 100, 80 } },
        // Just over the height limit: one step of 0.95, then within both limits.
        SlucajUklapanja { "130 x 117", { 130, 117 }, { 123.5f, 111.15f } },
        // The height fitting (0.95, 0.9) leaves it 158 wide; the width fitting starts again
        // at k = 1: 150.3, 135.2 (still over 135), then 114.95.
        SlucajUklapanja { "185 x 130", { 185, 130 }, { 114.95f, 80.78f } }));
