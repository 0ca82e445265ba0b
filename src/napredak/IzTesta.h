#pragma once

#include "model/Presuda.h"
#include "napredak/Zapis.h"

class TestIspita;
class TestPitanja;
class TestRaskrsnica;
class TestZnakova;

// The answered questions of a checked test, as the progress store keeps them. A question
// left without an answer is not an answer and is left out.
namespace Napredak {

// Each chosen answer as its stored number ("1".."3"), whatever order it was shown in.
std::vector<Odgovor> Odgovori(const TestPitanja& test, const Presuda& presuda, Banka banka);
// Each box as its entry (an empty box under a sign without a description is a right answer).
std::vector<Odgovor> Odgovori(const TestZnakova& test, const Presuda& presuda);
// Each intersection as the order entered.
std::vector<Odgovor> Odgovori(const TestRaskrsnica& test, const Presuda& presuda);
// Every answered question of an ended exam, each in its own bank: a question with choices as
// its stored answer number, a sign as the key number of the sign whose description was
// chosen, an intersection as the order entered.
std::vector<Odgovor> Odgovori(const TestIspita& test, const Presuda& presuda);

}  // namespace Napredak
