#pragma once

#include "content/Module2.h"
#include "widgets/ProzorPitanja.h"

#include <QByteArray>

// The theory test: ten questions at a time, three answers each, drawn from the theory bank
// of one category. One draw (a cycle) of brojPitanja questions and one answer order serves
// brojPitanja / 10 tests.
class Teorija : public ProzorPitanja {
    Q_OBJECT
public:
    static constexpr int BrojOkvira = 10;
    static constexpr int VisinaSadrzaja = 2120;

    // kategorija: "B", "CD" or "T"; brojPitanja: questions per cycle, a multiple of ten.
    Teorija(const QByteArray& kategorija, int brojPitanja, Module2::Generator generator, QWidget* parent = nullptr);
    // The same window on questions of its own choice: `ucitavac` returns the records to draw from.
    Teorija(TestPitanja::Ucitavac ucitavac, int brojPitanja, Module2::Generator generator, QWidget* parent = nullptr);
};
