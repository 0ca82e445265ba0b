// Module2: the random draws that compose every test.
#pragma once

#include <QtGlobal>
#include <cstdint>
#include <vector>

namespace Module2 {

// Drawn bank indices and drawn answer order, indices 0..count; element 0 stays 0.
inline std::vector<qint16> IzabranaPitanja;
inline std::vector<qint16> RedosledOdgovora;

// Fill the array with count distinct numbers drawn uniformly from low..high, in the order
// drawn. A draw that can never finish (count < 0, or fewer than count numbers in the range)
// is refused: false, and the array is left empty.
bool SlucajnaPitanja(qint16 low, qint16 high, qint16 count);
bool SlucajniOdgovori(qint16 low, qint16 high, qint16 count);

// The draws use a std::mt19937 seeded once per run from std::random_device; tests fix it.
void PostaviSeme(std::uint32_t seed);

}  // namespace Module2
