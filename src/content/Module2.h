// Module2: the random draws that compose every test.
#pragma once

#include <optional>
#include <random>
#include <vector>

namespace Module2 {

// The engine every draw takes its numbers from. The program seeds one from
// std::random_device; tests hand in a fixed seed.
using Generator = std::mt19937;
Generator NoviGenerator();

// count distinct numbers drawn uniformly from low..high, in the order drawn. A draw that can
// never finish (count < 0, or fewer than count numbers in the range) is refused: nullopt.
std::optional<std::vector<int>> SlucajnaPitanja(Generator& generator, int low, int high, int count);
// The same draw, used for an order of answers.
std::optional<std::vector<int>> SlucajniOdgovori(Generator& generator, int low, int high, int count);

}  // namespace Module2
