#include "content/Module2.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace Module2;

namespace {

void ProveriIzvlacenje(const std::vector<qint16>& niz, int low, int high, int count)
{
    ASSERT_EQ(niz.size(), static_cast<std::size_t>(count) + 1);
    EXPECT_EQ(niz[0], 0);
    std::set<int> razliciti;
    for (int i = 1; i <= count; ++i) {
        EXPECT_GE(niz[static_cast<std::size_t>(i)], low);
        EXPECT_LE(niz[static_cast<std::size_t>(i)], high);
        razliciti.insert(niz[static_cast<std::size_t>(i)]);
    }
    EXPECT_EQ(razliciti.size(), static_cast<std::size_t>(count));
}

}  // namespace

TEST(Draws, DistinctValuesInRange)
{
    PostaviSeme(1);
    ASSERT_TRUE(SlucajnaPitanja(1, 1, 1));
    EXPECT_EQ(IzabranaPitanja, (std::vector<qint16>{0, 1}));

    struct Slucaj {
        qint16 low, high, count;
    };
    for (const Slucaj s : {Slucaj{1, 20, 10}, Slucaj{1, 10, 8}, Slucaj{1, 20, 20}, Slucaj{-5, 5, 11},
                           Slucaj{-32768, 32767, 50}, Slucaj{32760, 32767, 8}}) {
        for (std::uint32_t seme = 0; seme < 20; ++seme) {
            PostaviSeme(seme);
            ASSERT_TRUE(SlucajnaPitanja(s.low, s.high, s.count));
            ProveriIzvlacenje(IzabranaPitanja, s.low, s.high, s.count);
            ASSERT_TRUE(SlucajniOdgovori(s.low, s.high, s.count));
            ProveriIzvlacenje(RedosledOdgovora, s.low, s.high, s.count);
        }
    }
}

TEST(Draws, AnswerOrdersAreUniformPermutations)
{
    PostaviSeme(20261209);
    std::map<std::vector<qint16>, int> permutacije;
    const int n = 6000;
    for (int i = 0; i < n; ++i) {
        ASSERT_TRUE(SlucajniOdgovori(1, 3, 3));
        ProveriIzvlacenje(RedosledOdgovora, 1, 3, 3);
        ++permutacije[RedosledOdgovora];
    }
    ASSERT_EQ(permutacije.size(), 6u);
    for (const auto& [p, broj] : permutacije)
        EXPECT_NEAR(broj, n / 6, 120) << p[1] << p[2] << p[3];  // about 4 standard deviations
}

TEST(Draws, EveryQuestionEquallyLikelyAtEveryPosition)
{
    PostaviSeme(7);
    std::map<std::pair<int, int>, int> broj;  // (position, value)
    const int n = 4000;
    for (int i = 0; i < n; ++i) {
        ASSERT_TRUE(SlucajnaPitanja(1, 20, 10));
        for (int j = 1; j <= 10; ++j)
            ++broj[std::make_pair(j, static_cast<int>(IzabranaPitanja[static_cast<std::size_t>(j)]))];
    }
    for (int j = 1; j <= 10; ++j)
        for (int v = 1; v <= 20; ++v)
            EXPECT_NEAR(broj[std::make_pair(j, v)], n / 20, 60) << "position " << j << " value " << v;
}

TEST(Draws, ImpossibleDrawsAreRefused)
{
    struct Slucaj {
        qint16 low, high, count;
    };
    for (const Slucaj s : {Slucaj{1, 3, 4}, Slucaj{1, 3, -1}, Slucaj{5, 4, 1}, Slucaj{1, 20, 21}}) {
        IzabranaPitanja = {0, 9};
        RedosledOdgovora = {0, 9};
        EXPECT_FALSE(SlucajnaPitanja(s.low, s.high, s.count));
        EXPECT_TRUE(IzabranaPitanja.empty());
        EXPECT_FALSE(SlucajniOdgovori(s.low, s.high, s.count));
        EXPECT_TRUE(RedosledOdgovora.empty());
    }
    ASSERT_TRUE(SlucajnaPitanja(1, 3, 0));
    EXPECT_EQ(IzabranaPitanja, std::vector<qint16>{0});
    ASSERT_TRUE(SlucajnaPitanja(5, 4, 0));
    EXPECT_EQ(IzabranaPitanja, std::vector<qint16>{0});
}

TEST(Draws, FixedSeedRepeatsAndOtherSeedsDiffer)
{
    PostaviSeme(42);
    SlucajnaPitanja(1, 100, 20);
    const auto prvi = IzabranaPitanja;
    PostaviSeme(42);
    SlucajnaPitanja(1, 100, 20);
    EXPECT_EQ(IzabranaPitanja, prvi);
    SlucajnaPitanja(1, 100, 20);
    EXPECT_NE(IzabranaPitanja, prvi);
}
