#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QtGlobal>

#include <vector>

// What the progress store keeps, apart from how it keeps it.
namespace Napredak {

// Where an answer was given.
enum class Aktivnost { Teorija = 1, Situacije = 2, TestZnakova = 3, Raskrsnice = 4, Ispit = 5 };

// The bank a question comes from: the number of its record file (TEKST 1..4).
enum class Banka { Znakovi = 1, Teorija = 2, Situacije = 3, Raskrsnice = 4 };

// One answered question. A question is known by its bank and its key number, which the
// content keeps for good.
struct Odgovor {
    Banka banka = Banka::Teorija;
    qint16 kljuc = 0;
    QByteArray izabrano;  // the answer as stored: "1".."3" for a question, the entry otherwise
    bool tacno = false;
};

// One checked test ("Provera") of an activity.
struct Provera {
    Aktivnost aktivnost = Aktivnost::Teorija;
    QByteArray kategorija;  // "B", "CD", "T"; empty where the activity has none
    QDateTime vreme;        // invalid: now
    std::vector<Odgovor> odgovori;
};

// A finished exam with its points and, if given, its answers.
struct Ispit {
    QByteArray kategorija;
    int bodovi = 0;
    int najvise = 0;
    bool polozen = false;
    QDateTime vreme;  // invalid: now
    std::vector<Odgovor> odgovori;
};

}  // namespace Napredak
