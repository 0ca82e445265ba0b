#pragma once

#include "content/Module1.h"
#include "content/Module2.h"
#include "model/FormatIspita.h"
#include "model/Presuda.h"

#include <QByteArray>

#include <array>
#include <functional>
#include <optional>
#include <vector>

// The exam simulation: an exam composed from the banks as the category's format says,
// theory questions of the category, situations, intersections and signs, each worth its
// points; the candidate's answers may change until the exam ends, on time or earlier. The
// clock is handed in as milliseconds, so the time left never depends on when it is read.
// Texts are deciphered, code page 1250 bytes.
class TestIspita {
public:
    struct Pitanje {
        VrstaPitanja vrsta = VrstaPitanja::Teorija;
        int poeni = 0;
        int zapis = 0;                       // index in its bank
        qint16 kljuc = 0;                    // the record's key number: its identity for good
        QByteArray tekst;                    // the question
        std::array<QByteArray, 3> odgovori;  // choices in the order shown; empty for an intersection
        int tacan = 0;                       // shown position (0..2) of the right choice
        // What each shown choice is in the bank: the stored answer (0..2) of a question with
        // choices, the key number of the sign whose description it is for a sign.
        std::array<int, 3> izvorni {};
        int slika = 0;                       // picture number of its kind (SITUACIJA, RASKRSNICA, ZNAK); 0 for none
        QByteArray resenje;                  // intersection: the vehicles' numbers in passing order
    };

    struct Izvori {
        std::function<Module1::BankaPitanja()> teorija;      // the category's theory questions
        std::function<Module1::BankaPitanja()> situacije;
        std::function<Module1::BankaRaskrsnica()> raskrsnice;
        std::function<Module1::BankaZnakova()> znakovi;
    };

    struct Ishod {
        int poena = 0;
        int najvise = 0;
        int potrebno = 0;
        bool polozio = false;
        Presuda presuda;          // per question, in the exam's order
        std::vector<int> greske;  // questions not answered right, in order
    };

    TestIspita(FormatIspita format, Izvori izvori, Module2::Generator generator);

    // Composes a new exam with every bank loaded afresh and clears the answers; the clock
    // starts at `sada`. On a failure the exam stays as it was.
    Module1::Greska Sastavi(qint64 sada);

    const FormatIspita& Format() const { return m_format; }
    const std::vector<Pitanje>& Pitanja() const { return m_pitanja; }
    int Broj() const { return static_cast<int>(m_pitanja.size()); }

    // The candidate's choice (0..2, shown order) for a question with choices; false for an
    // intersection, an index out of range or an ended exam.
    bool Izaberi(int pitanje, int odgovor);
    std::optional<int> Izabran(int pitanje) const;
    // The candidate's passing order for an intersection: digits 1..9, at most as many as
    // vehicles; an empty text takes the answer back. False (nothing changes) otherwise.
    bool Upisi(int pitanje, const QByteArray& redosled);
    QByteArray Upisano(int pitanje) const;
    bool Odgovoreno(int pitanje) const;

    // Milliseconds left at `sada`; never below zero.
    qint64 Preostalo(qint64 sada) const;

    // Ends the exam and scores it as it stands; later calls give the same outcome.
    const Ishod& Zavrsi();
    bool Zavrsen() const { return m_ishod.has_value(); }

private:
    Module1::Greska SastaviPitanja(std::vector<Pitanje>& pitanja);

    FormatIspita m_format;
    Izvori m_izvori;
    Module2::Generator m_generator;
    std::vector<Pitanje> m_pitanja;
    std::vector<std::optional<int>> m_izabrani;
    std::vector<QByteArray> m_upisani;
    qint64 m_pocetak = 0;
    std::optional<Ishod> m_ishod;
};
