#pragma once

#include <QtGlobal>

#include <map>
#include <vector>

// Which questions a candidate should repeat, from the outcomes of their answers. Each question
// sits in a Leitner box: a wrong answer puts it back into box 0, each right answer moves it one
// box up. A question is weak while it is below box 2: wrong the last time, or not yet right
// twice in a row.
namespace Napredak {

constexpr int NajvecaKutija = 5;
constexpr int KutijaNauceno = 2;

// The box of a question after these outcomes (oldest first); 0 for a question never answered.
int Kutija(const std::vector<bool>& ishodi);
// Answered at least once and still below KutijaNauceno.
bool Slabo(const std::vector<bool>& ishodi);

struct Ponavljanje {
    std::vector<qint16> kljucevi;  // the questions to serve
    int slabih = 0;                // how many of them are weak (they come first)
    int novih = 0;                 // then this many never answered
};

// The questions of a bank (keys in bank order) to repeat: every weak one, lowest box first
// and bank order within a box; when they are fewer than `najmanje`, questions never answered
// (bank order) and then the rest, lowest box first, make up `najmanje`.
Ponavljanje ZaPonavljanje(const std::vector<qint16>& banka, const std::map<qint16, std::vector<bool>>& ishodi, int najmanje);

}  // namespace Napredak
