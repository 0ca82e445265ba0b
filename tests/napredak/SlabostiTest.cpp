// The Leitner boxes and the choice of questions to repeat.
#include "napredak/Slabosti.h"

#include <gtest/gtest.h>

namespace {

using Napredak::Ponavljanje;
using Ishodi = std::vector<bool>;
constexpr bool T = true;
constexpr bool N = false;

TEST(Slabosti, BoxAndWeaknessFollowTheLastAnswers)
{
    struct Slucaj {
        Ishodi ishodi;
        int kutija;
        bool slabo;
    };
    const std::vector<Slucaj> slucajevi = {
        {{}, 0, false},                 // never answered: not weak, just new
        {{N}, 0, true},                 // wrong the last time
        {{T}, 1, true},                 // right only once
        {{T, T}, 2, false},             // right twice in a row
        {{T, T, N}, 0, true},           // a mistake sends it back
        {{N, T}, 1, true},
        {{N, T, T}, 2, false},
        {{T, N, T, N, T}, 1, true},     // right twice, but never in a row
        {{T, T, T, T, T, T, T}, 5, false},  // the top box holds
        {{T, T, T, T, T, T, T, N}, 0, true},
    };
    for (const Slucaj& s : slucajevi) {
        SCOPED_TRACE(::testing::PrintToString(s.ishodi));
        EXPECT_EQ(Napredak::Kutija(s.ishodi), s.kutija);
        EXPECT_EQ(Napredak::Slabo(s.ishodi), s.slabo);
    }
}

TEST(Slabosti, WeakFirstThenNewThenTheLeastLearnt)
{
    struct Slucaj {
        const char* opis;
        std::vector<qint16> banka;
        std::map<qint16, Ishodi> ishodi;
        int najmanje;
        std::vector<qint16> kljucevi;
        int slabih;
        int novih;
    };
    const std::vector<Slucaj> slucajevi = {
        {"nothing answered: new questions in bank order", {5, -3, 9}, {}, 2, {5, -3}, 0, 2},
        {"weak ones by box, then bank order", {1, 2, 3, 4}, {{1, {T}}, {2, {N}}, {3, {T, N}}, {4, {T, T}}}, 0, {2, 3, 1}, 3, 0},
        {"more weak than asked for: all of them", {1, 2, 3}, {{1, {N}}, {2, {N}}, {3, {N}}}, 2, {1, 2, 3}, 3, 0},
        {"few weak: new ones fill up", {1, 2, 3, 4}, {{3, {N}}, {1, {T, T}}}, 3, {3, 2, 4}, 1, 2},
        {"no new left: the least learnt fill up", {1, 2, 3}, {{1, {T, T, T}}, {2, {T, T}}, {3, {N}}}, 3, {3, 2, 1}, 1, 0},
        {"all learnt and nothing to fill", {1, 2}, {{1, {T, T}}, {2, {T, T}}}, 0, {}, 0, 0},
        {"answers of questions no longer in the bank are ignored", {1}, {{7, {N}}}, 1, {1}, 0, 1},
        {"bank smaller than asked for", {1, 2}, {{2, {N}}}, 10, {2, 1}, 1, 1},
    };
    for (const Slucaj& s : slucajevi) {
        SCOPED_TRACE(s.opis);
        const Ponavljanje p = Napredak::ZaPonavljanje(s.banka, s.ishodi, s.najmanje);
        EXPECT_EQ(p.kljucevi, s.kljucevi);
        EXPECT_EQ(p.slabih, s.slabih);
        EXPECT_EQ(p.novih, s.novih);
    }
}

}  // namespace
