#pragma once

#include "content/Module1.h"
#include "content/Module2.h"
#include "model/Ciklus.h"
#include "model/Presuda.h"

#include <QByteArray>

#include <array>
#include <functional>

// The intersection test: two pictured intersections a test; for each the candidate enters
// the vehicles' numbers in passing order.
class TestRaskrsnica {
public:
    static constexpr int PoTestu = 2;
    static constexpr int NajviseVozila = 9;

    struct Zadatak {
        int zapis = 0;       // index in the bank
        qint16 kljuc = 0;    // the record's key number: its identity for good
        int slika = 0;       // picture number (RASKRSNICA)
        QByteArray resenje;  // one digit per vehicle, in passing order
        QByteArray uneto;    // the candidate's digits so far
    };

    using Ucitavac = std::function<Module1::BankaRaskrsnica()>;

    // brojPitanja: intersections per draw, a positive multiple of two.
    TestRaskrsnica(Ucitavac ucitavac, int brojPitanja, Module2::Generator generator);

    // The next pair of the draw, or a new draw with the bank loaded afresh. On a failure the
    // test stays as it was.
    Module1::Greska NoviTest();

    const Zadatak& Pitanje(int f) const { return m_zadaci[static_cast<std::size_t>(f)]; }
    int Pozicija() const { return m_ciklus.Pozicija(); }

    // The candidate clicks vehicle `broj` (1..9) for intersection f: it takes the next free
    // place. False when every place is taken or the input is out of range.
    bool Unesi(int f, int broj);

    // Whether place i (0-based) of intersection f holds the right vehicle.
    bool TacnoNaMestu(int f, int i) const;

    // "Provera": an intersection is right when its whole order is.
    Presuda Proveri();
    bool Provereno() const { return m_provereno; }

private:
    Ucitavac m_ucitavac;
    Module2::Generator m_generator;
    Ciklus m_ciklus;
    Module1::BankaRaskrsnica m_banka;
    std::array<Zadatak, PoTestu> m_zadaci;
    bool m_provereno = false;
};
