#include "Module2.h"

#include <algorithm>
#include <numeric>

namespace Module2 {

namespace {

// Distinct uniform draws in the order drawn: a partial Fisher-Yates shuffle over the range,
// which gives every ordered selection the same chance as drawing with rejection of repeats.
std::optional<std::vector<int>> Izvuci(Generator& generator, int low, int high, int count)
{
    const long long sirina = static_cast<long long>(high) - low + 1;
    if (count < 0 || count > std::max(sirina, 0LL))
        return std::nullopt;
    std::vector<int> niz(static_cast<std::size_t>(count));
    if (count == 0)
        return niz;
    std::vector<int> opseg(static_cast<std::size_t>(sirina));
    std::iota(opseg.begin(), opseg.end(), low);
    for (int i = 0; i < count; ++i) {
        std::uniform_int_distribution<int> raspodela(i, static_cast<int>(sirina) - 1);
        const int j = raspodela(generator);
        std::swap(opseg[static_cast<std::size_t>(i)], opseg[static_cast<std::size_t>(j)]);
        niz[static_cast<std::size_t>(i)] = opseg[static_cast<std::size_t>(i)];
    }
    return niz;
}

}  // namespace

Generator NoviGenerator()
{
    return Generator { std::random_device {}() };
}

std::optional<std::vector<int>> SlucajnaPitanja(Generator& generator, int low, int high, int count)
{
    return Izvuci(generator, low, high, count);
}

std::optional<std::vector<int>> SlucajniOdgovori(Generator& generator, int low, int high, int count)
{
    return Izvuci(generator, low, high, count);
}

}  // namespace Module2
