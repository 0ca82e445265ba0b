#pragma once

#include "content/Module1.h"
#include "content/Module2.h"
#include "model/Ciklus.h"
#include "model/Presuda.h"

#include <QByteArray>

#include <array>
#include <functional>
#include <optional>
#include <vector>

// A test of questions with three answers each, served from a cycle: the theory test (ten
// questions a test) and the situation test (five, each with a picture). One answer order is
// drawn with every cycle and used for all its questions. Texts are deciphered, still code
// page 1250 bytes.
class TestPitanja {
public:
    struct Pitanje {
        int zapis = 0;                       // index in the bank
        qint16 kljuc = 0;                    // the record's key number: its identity for good
        std::array<int, 3> izvorni {};       // stored answer (0..2) shown at each position
        QByteArray tekst;
        std::array<QByteArray, 3> odgovori;  // in the order shown
        int tacan = 0;                       // shown position (0..2) of the correct answer
        int slika = 0;                       // picture number; 0 for none
    };

    using Ucitavac = std::function<Module1::BankaPitanja()>;

    // brojPitanja: questions per cycle; poTestu: questions per test; saSlikom: every record
    // names a picture.
    TestPitanja(Ucitavac ucitavac, int brojPitanja, int poTestu, bool saSlikom, Module2::Generator generator);

    // Composes the next test: the next questions of the cycle, or a new cycle (bank loaded
    // afresh, new draw, new answer order) at the start and after the cycle's last test.
    // The answers are cleared. On a failure the test stays as it was.
    Module1::Greska NoviTest();

    const std::vector<Pitanje>& Pitanja() const { return m_pitanja; }
    int Pozicija() const { return m_ciklus.Pozicija(); }
    int BrojPitanja() const { return m_ciklus.Broj(); }

    // The candidate chooses answer `odgovor` (0..2, shown order) of question `pitanje`. A
    // question takes one choice; false when it already has one or the index is out of range.
    bool Izaberi(int pitanje, int odgovor);
    std::optional<int> Izabran(int pitanje) const;

    // "Provera": the verdict on every question. Answers stay as they are.
    Presuda Proveri();
    bool Provereno() const { return m_provereno; }

private:
    Ucitavac m_ucitavac;
    bool m_saSlikom;
    Module2::Generator m_generator;
    Ciklus m_ciklus;
    Module1::BankaPitanja m_banka;
    std::vector<int> m_redosled;  // stored answer (0..2) shown at each position
    std::vector<Pitanje> m_pitanja;
    std::vector<std::optional<int>> m_izabrani;
    bool m_provereno = false;
};
