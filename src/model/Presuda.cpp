#include "model/Presuda.h"

#include <algorithm>

int Presuda::Tacnih() const
{
    return static_cast<int>(std::count(ocene.begin(), ocene.end(), Ocena::Tacno));
}
