#include "Module2.h"

#include <algorithm>
#include <numeric>
#include <random>

namespace Module2 {

namespace {

std::mt19937& Motor()
{
    static std::mt19937 motor{std::random_device{}()};
    return motor;
}

// Distinct uniform draws in the order drawn: a partial Fisher-Yates shuffle over the range,
// which gives every ordered selection the same chance as drawing with rejection of repeats.
bool Izvuci(std::vector<qint16>& niz, qint16 low, qint16 high, qint16 count)
{
    niz.clear();
    const int sirina = static_cast<int>(high) - static_cast<int>(low) + 1;
    if (count < 0 || count > std::max(sirina, 0))
        return false;
    niz.assign(static_cast<std::size_t>(count) + 1, 0);
    if (count == 0)
        return true;
    std::vector<qint16> opseg(static_cast<std::size_t>(sirina));
    std::iota(opseg.begin(), opseg.end(), low);
    for (int i = 0; i < count; ++i) {
        std::uniform_int_distribution<int> raspodela(i, sirina - 1);
        const int j = raspodela(Motor());
        std::swap(opseg[static_cast<std::size_t>(i)], opseg[static_cast<std::size_t>(j)]);
        niz[static_cast<std::size_t>(i) + 1] = opseg[static_cast<std::size_t>(i)];
    }
    return true;
}

}  // namespace

bool SlucajnaPitanja(qint16 low, qint16 high, qint16 count)
{
    return Izvuci(IzabranaPitanja, low, high, count);
}

bool SlucajniOdgovori(qint16 low, qint16 high, qint16 count)
{
    return Izvuci(RedosledOdgovora, low, high, count);
}

void PostaviSeme(std::uint32_t seed)
{
    Motor().seed(seed);
}

}  // namespace Module2
