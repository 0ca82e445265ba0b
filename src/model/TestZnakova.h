#pragma once

#include "content/Module1.h"
#include "content/Module2.h"
#include "model/Presuda.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <functional>

// The sign test: ten sign pictures, each with a box, and eight numbered descriptions; eight
// pictures have their description among the eight, two have none. The candidate puts an
// option's number into a box; a filled box is locked until the next test.
class TestZnakova {
public:
    static constexpr int BrojSlika = 10;
    static constexpr int BrojOpisa = 8;
    static constexpr int BrojZnakova = 20;  // signs 1..20 of the bank, pictures ZNAK 1..20

    using Ucitavac = std::function<Module1::BankaZnakova()>;

    TestZnakova(Ucitavac ucitavac, Module2::Generator generator);

    // Draws ten of the twenty signs and eight of them for the descriptions, with the bank
    // loaded afresh; the boxes are emptied. On a failure the test stays as it was.
    Module1::Greska NoviTest();

    // Picture number (ZNAK) shown at place `polje` (0..9).
    int Slika(int polje) const { return m_slike[static_cast<std::size_t>(polje)]; }
    // Key number of the sign shown at place `polje`: its identity for good.
    qint16 Kljuc(int polje) const { return m_kljucevi[static_cast<std::size_t>(polje)]; }
    // Deciphered description of option `opcija` (0..7), code page 1250.
    const QByteArray& Opis(int opcija) const { return m_opisi[static_cast<std::size_t>(opcija)]; }
    // What belongs in box `polje`: the option's number ("1".."8"), or empty for a picture
    // whose description is not among the options.
    const QString& Tacno(int polje) const { return m_tacno[static_cast<std::size_t>(polje)]; }

    // The candidate's entry into box `polje`; false (nothing changes) when the box is
    // locked, the entry is empty or the index is out of range.
    bool Upisi(int polje, const QString& tekst);
    const QString& Upisano(int polje) const { return m_upisano[static_cast<std::size_t>(polje)]; }
    bool Zakljucano(int polje) const { return !Upisano(polje).isEmpty(); }

    // "Provera": a box is right when it holds what belongs in it (an empty box under a
    // picture without a description is right too).
    Presuda Proveri();
    bool Provereno() const { return m_provereno; }

private:
    Ucitavac m_ucitavac;
    Module2::Generator m_generator;
    std::array<int, BrojSlika> m_slike {};
    std::array<qint16, BrojSlika> m_kljucevi {};
    std::array<QByteArray, BrojOpisa> m_opisi;
    std::array<QString, BrojSlika> m_tacno;
    std::array<QString, BrojSlika> m_upisano;
    bool m_provereno = false;
};
