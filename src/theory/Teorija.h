#pragma once

#include "widgets/Prozor.h"

#include <QtGlobal>
#include <array>

class Panel;
class PitanjeOkvir;
class QPushButton;

// The theory test: ten questions at a time, three answers each, drawn from the theory bank
// of the category the main window set (Stanje::Kategorija). One draw (a cycle) of
// Stanje::BrojPitanjaT questions and one answer order serves BrojPitanjaT / 10 tests.
class Teorija : public Prozor {
    Q_OBJECT
public:
    static constexpr int BrojOkvira = 10;
    static constexpr int VisinaSadrzaja = 2120;

    // The window's load: composes the first test and sets up the panel. When the bank cannot
    // be loaded or the draw is refused, the window reports it through NeuspehUcitavanja().
    explicit Teorija(QWidget* parent = nullptr);
    QLabel* Naslov() const override { return m_naslov; }

    // Composes the next test into the ten frames: the next ten questions of the cycle, or a
    // new cycle (bank reloaded, new draw, new answer order) when Pozicija is 0 or has reached
    // BrojPitanjaT. False when no test can be composed (bank not loaded, too few questions,
    // a count that is not a positive multiple of ten, an unreadable correct-answer field);
    // the frames are then left as they were.
    bool NovaPitanjaT();

    // Maximises the main window and gives the scroll bar the keyboard focus.
    void Form_Activate() override;

    // Question frame k (1..10).
    PitanjeOkvir* Okvir(int k) const { return m_okvir[static_cast<std::size_t>(k)]; }
    Panel* Ploca() const { return m_panel; }
    qint16 Pozicija() const { return m_pozicija; }

    // "Provera": every answer mark becomes visible.
    void Command4_Click();
    // "Nov TEST": clears the frames, composes the next test, scrolls back to the top. When no
    // test can be composed the window reports it and closes.
    void Command1_Click();

protected:
    void closeEvent(QCloseEvent* dogadjaj) override;

private:
    QLabel* m_naslov = nullptr;
    QPushButton* m_command4 = nullptr;
    QPushButton* m_command1 = nullptr;
    Panel* m_panel = nullptr;
    std::array<PitanjeOkvir*, BrojOkvira + 1> m_okvir {};  // element 0 unused
    qint16 m_pozicija = 0;
};
