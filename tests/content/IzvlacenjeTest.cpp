#include "content/Module2.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace Module2;

namespace {

void ProveriIzvlacenje(const std::optional<std::vector<int>>& niz, int low, int high, int count)
{
    ASSERT_TRUE(niz.has_value());
    ASSERT_EQ(niz->size(), static_cast<std::size_t>(count));
    std::set<int> razliciti;
    for (const int v : *niz) {
        EXPECT_GE(v, low);
        EXPECT_LE(v, high);
        razliciti.insert(v);
    }
    EXPECT_EQ(razliciti.size(), static_cast<std::size_t>(count));
}

}  // namespace

TEST(Draws, DistinctValuesInRange)
{
    Generator g(1);
    EXPECT_EQ(SlucajnaPitanja(g, 1, 1, 1), (std::vector<int>{1}));

    struct Slucaj {
        int low, high, count;
    };
    for (const Slucaj s : {Slucaj{1, 20, 10}, Slucaj{1, 10, 8}, Slucaj{1, 20, 20}, Slucaj{-5, 5, 11},
                           Slucaj{-32768, 32767, 50}, Slucaj{32760, 32767, 8}, Slucaj{0, 49999, 20}}) {
        for (std::uint32_t seme = 0; seme < 20; ++seme) {
            Generator gs(seme);
            ProveriIzvlacenje(SlucajnaPitanja(gs, s.low, s.high, s.count), s.low, s.high, s.count);
            ProveriIzvlacenje(SlucajniOdgovori(gs, s.low, s.high, s.count), s.low, s.high, s.count);
        }
    }
}

TEST(Draws, AnswerOrdersAreUniformPermutations)
{
    Generator g(20261209);
    std::map<std::vector<int>, int> permutacije;
    const int n = 6000;
    for (int i = 0; i < n; ++i) {
        const auto redosled = SlucajniOdgovori(g, 1, 3, 3);
        ProveriIzvlacenje(redosled, 1, 3, 3);
        ++permutacije[*redosled];
    }
    ASSERT_EQ(permutacije.size(), 6u);
    for (const auto& [p, broj] : permutacije)
        EXPECT_NEAR(broj, n / 6, 120) << p[0] << p[1] << p[2];  // about 4 standard deviations
}

TEST(Draws, EveryQuestionEquallyLikelyAtEveryPosition)
{
    Generator g(7);
    std::map<std::pair<int, int>, int> broj;  // (position, value)
    const int n = 4000;
    for (int i = 0; i < n; ++i) {
        const auto izvuceno = SlucajnaPitanja(g, 1, 20, 10);
        ASSERT_TRUE(izvuceno);
        for (int j = 0; j < 10; ++j)
            ++broj[std::make_pair(j, (*izvuceno)[static_cast<std::size_t>(j)])];
    }
    for (int j = 0; j < 10; ++j)
        for (int v = 1; v <= 20; ++v)
            EXPECT_NEAR(broj[std::make_pair(j, v)], n / 20, 60) << "position " << j << " value " << v;
}

TEST(Draws, ImpossibleDrawsAreRefused)
{
    struct Slucaj {
        int low, high, count;
    };
    Generator g(3);
    for (const Slucaj s : {Slucaj{1, 3, 4}, Slucaj{1, 3, -1}, Slucaj{5, 4, 1}, Slucaj{1, 20, 21}}) {
        EXPECT_FALSE(SlucajnaPitanja(g, s.low, s.high, s.count));
        EXPECT_FALSE(SlucajniOdgovori(g, s.low, s.high, s.count));
    }
    EXPECT_EQ(SlucajnaPitanja(g, 1, 3, 0), std::vector<int>{});
    EXPECT_EQ(SlucajnaPitanja(g, 5, 4, 0), std::vector<int>{});
}

TEST(Draws, FixedSeedRepeatsAndOtherSeedsDiffer)
{
    Generator a(42);
    const auto prvi = SlucajnaPitanja(a, 1, 100, 20);
    Generator b(42);
    EXPECT_EQ(SlucajnaPitanja(b, 1, 100, 20), prvi);
    EXPECT_NE(SlucajnaPitanja(b, 1, 100, 20), prvi);
    Generator c(43);
    EXPECT_NE(SlucajnaPitanja(c, 1, 100, 20), prvi);
}
