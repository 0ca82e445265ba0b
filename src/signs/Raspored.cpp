#include "signs/Raspored.h"

#include "widgets/Izgled.h"

namespace Raspored {

Katalog RasporediKatalog(const std::vector<int>& visineTvipovi)
{
    Katalog k;
    k.vrhovi.reserve(visineTvipovi.size());
    int vrh = VrhSablona;
    int visina = VisinaSablona;
    int ukupno = 0;
    for (const int h : visineTvipovi) {
        vrh = vrh + visina + Razmak;
        visina = h;
        k.vrhovi.push_back(vrh);
        ukupno += h + RezervaPoZnaku;
    }
    k.visinaSadrzaja = static_cast<float>(ukupno) / Izgled::TvipaPoPikselu;
    return k;
}

namespace {
void Smanji(Velicina& v, const float& strana, float granica)
{
    for (int k = 1; k <= 10; ++k) {
        if (strana > granica) {
            const float faktor = 1.0f - 0.05f * static_cast<float>(k);
            v.visina *= faktor;
            v.sirina *= faktor;
        }
    }
}
}

Velicina Uklopi(Velicina slika, Velicina sablon)
{
    Smanji(slika, slika.visina, sablon.visina - Margina);
    Smanji(slika, slika.sirina, sablon.sirina - Margina);
    return slika;
}

}  // namespace Raspored
