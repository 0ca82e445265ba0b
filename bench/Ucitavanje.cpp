// How long a window waits for its bank: extract, two passes, delete; and a field decipher.
#include "content/Kriptovanje.h"
#include "content/Module1.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

static void UcitajTeorijuB(benchmark::State& stanje)
{
    for (auto _ : stanje) {
        Module1::IsprazniTeoriju();
        if (!Module1::UcitajTeoriju("B"))
            stanje.SkipWithError(qPrintable(Module1::PoslednjaGreska()));
        benchmark::DoNotOptimize(Module1::TeorijaPitanje.GornjaGranica());
    }
}
BENCHMARK(UcitajTeorijuB)->Unit(benchmark::kMicrosecond);

static void UcitajSveZnakove(benchmark::State& stanje)
{
    for (auto _ : stanje) {
        Module1::IsprazniZnakove();
        if (!Module1::UcitajSveZnakove())
            stanje.SkipWithError(qPrintable(Module1::PoslednjaGreska()));
    }
}
BENCHMARK(UcitajSveZnakove)->Unit(benchmark::kMicrosecond);

static void DekriptujPitanje(benchmark::State& stanje)
{
    const QByteArray kljuc = Kriptovanje::KljucniTekst(-1234);
    const QByteArray sifra = Kriptovanje::Enkriptuj(
        kljuc, "Koliko iznosi najveca dozvoljena brzina kretanja vozila u naselju, ako saobracajnim znakom nije drukcije odredjeno");
    for (auto _ : stanje)
        benchmark::DoNotOptimize(Kriptovanje::Dekriptuj(kljuc, sifra));
}
BENCHMARK(DekriptujPitanje);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
