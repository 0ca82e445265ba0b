#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <vector>

// The kinds of question an exam is made of, in the order the exam asks them.
enum class VrstaPitanja { Teorija, Situacija, Raskrsnica, Znak };
inline constexpr int BrojVrsta = 4;

// How many questions of one kind the exam draws and what a right answer to each brings.
struct DeoIspita {
    int broj = 0;
    int poeni = 0;
};

// The exam of one category: its parts, its time and its pass mark.
struct FormatIspita {
    QByteArray kategorija;  // "B", "CD" or "T", as the theory bank names it
    std::array<DeoIspita, BrojVrsta> delovi {};
    int minuta = 0;
    int prolaz = 0;  // per cent of all points

    const DeoIspita& Deo(VrstaPitanja vrsta) const { return delovi[static_cast<std::size_t>(vrsta)]; }
    int UkupnoPitanja() const;
    int NajvisePoena() const;
    // The fewest points that pass: the pass mark's share of all points, rounded up.
    int PotrebnoPoena() const;
};

// The table of every category's exam (content/ispit.tsv), or what is wrong with it.
struct TabelaIspita {
    std::vector<FormatIspita> formati;
    QString greska;

    const FormatIspita* Za(const QByteArray& kategorija) const;
};

// Reads the table: UTF-8 text, '#' lines are comments, the first other line names the
// columns, then one line per category of eleven tab-separated fields.
TabelaIspita ProcitajTabeluIspita(const QByteArray& tekst);
// The table built into the program (:/ISPIT/ispit.tsv).
TabelaIspita UcitajTabeluIspita();
