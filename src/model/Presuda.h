#pragma once

#include <vector>

// The check's verdict on one question (or one box of the sign test).
enum class Ocena { BezOdgovora, Tacno, Netacno };

// The check's verdict on a whole test: one Ocena per question, in the order shown.
struct Presuda {
    std::vector<Ocena> ocene;

    int Tacnih() const;
    int Ukupno() const { return static_cast<int>(ocene.size()); }
};
