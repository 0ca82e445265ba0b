// How long a window waits for its bank: extract, two passes, delete; and a field decipher.
#include "content/Kriptovanje.h"
#include "content/Module1.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

static void UcitajTeorijuB(benchmark::State& stanje)
{
    for (auto _ : stanje) {
        const Module1::BankaPitanja banka = Module1::UcitajTeoriju("B");
        if (banka.greska)
            stanje.SkipWithError(qPrintable(banka.greska.opis));
        benchmark::DoNotOptimize(banka.zapisi.size());
    }
}
BENCHMARK(UcitajTeorijuB)->Unit(benchmark::kMicrosecond);

static void UcitajSveZnakove(benchmark::State& stanje)
{
    for (auto _ : stanje) {
        const Module1::BankaZnakova banka = Module1::UcitajSveZnakove();
        if (banka.greska)
            stanje.SkipWithError(qPrintable(banka.greska.opis));
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
