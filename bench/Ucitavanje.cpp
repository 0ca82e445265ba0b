// How long a window waits for its bank: extract, two passes, delete; and a field decipher.
#include "content/Kriptovanje.h"
#include "content/Module1.h"
#include "model/TestPitanja.h"

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

// A theory bank of 50,000 questions in one category (and 5,000 of another), as the record file
// holds them: the first theory test of that category, bank load and draw included.
static void PrviTestVelikeKategorije(benchmark::State& stanje)
{
    QByteArray resurs;
    for (int i = 0; i < 55000; ++i) {
        const qint16 kljuc = qint16(i - 27500);
        const QByteArray kt = Kriptovanje::KljucniTekst(kljuc);
        const QByteArray broj = QByteArray::number(i);
        const QList<QByteArray> polja { i < 50000 ? "B" : "CD",
            "Koliko iznosi najveca dozvoljena brzina u naselju, pitanje " + broj, "Odgovor prvi " + broj,
            "Odgovor drugi " + broj, "Odgovor treci " + broj, QByteArray::number(i % 3 + 1) };
        for (const QByteArray& p : polja)
            resurs += '"' + Kriptovanje::Enkriptuj(kt, p) + "\",";
        resurs += QByteArray::number(kljuc) + "\r\n";
    }
    Module1::PostaviIzvor([&](int n) -> std::optional<QByteArray> {
        if (n == 2)
            return resurs;
        return std::nullopt;
    });
    for (auto _ : stanje) {
        TestPitanja test([] { return Module1::UcitajTeoriju("B"); }, 20, 10, false, Module2::Generator(1));
        const Module1::Greska g = test.NoviTest();
        if (g)
            stanje.SkipWithError(qPrintable(g.opis));
        benchmark::DoNotOptimize(test.Pitanja().size());
    }
    Module1::PostaviIzvor({});
}
BENCHMARK(PrviTestVelikeKategorije)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
