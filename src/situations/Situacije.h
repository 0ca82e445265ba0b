#pragma once

#include "widgets/Prozor.h"

#include <QString>
#include <QtGlobal>

#include <array>

class NovTestBrava;
class Panel;
class PitanjeOkvir;
class QPushButton;

// The situation test: five pictured questions per test, served from a cycle of
// BrojPitanjaS (20) questions drawn at once with one answer order; "Provera" shows the
// tick and cross marks, "Nov TEST" the next five (a new cycle after the fourth test).
class Situacije : public Prozor {
    Q_OBJECT
public:
    static constexpr int BrojOkvira = 5;
    static constexpr int VisinaSadrzaja = 1100;

    // Form_Load: composes the first test, then sets the panel up. On a failure (bank,
    // bank too small, picture) the window has shown a message and Ucitan() is false.
    explicit Situacije(QWidget* parent = nullptr);
    QLabel* Naslov() const override { return m_naslov; }
    void Form_Activate() override;

    // Composes the next five questions of the cycle, or a new cycle. False after a
    // failure, which it has reported.
    bool NovaPitanjaS();

    // "Provera".
    void Command2_Click();
    // "Nov TEST".
    void Command1_Click();
    // End of the 5-second lock of "Nov TEST".
    void Timer1_Timer();

    qint16 Pozicija() const { return m_pozicija; }
    PitanjeOkvir* Okvir(int k) const { return m_okvir[static_cast<std::size_t>(k)]; }  // 1..5
    QLabel* Slika(int k) const { return m_slika[static_cast<std::size_t>(k)]; }        // Image<k>_0
    Panel* Panel1() const { return m_panel; }

    // Left edge (pixels, inside the frame) of a situation picture this wide (pixels):
    // 105 twips (7 pixels), or 2205 twips (147 pixels) when narrower than 2200 twips.
    static int LevaIvica(int sirina);

protected:
    void closeEvent(QCloseEvent* event) override;

private:

    QLabel* m_naslov = nullptr;
    QPushButton* m_command1 = nullptr;
    QPushButton* m_command2 = nullptr;
    Panel* m_panel = nullptr;
    std::array<PitanjeOkvir*, BrojOkvira + 1> m_okvir {};  // element 0 unused
    std::array<QLabel*, BrojOkvira + 1> m_slika {};        // element 0 unused
    NovTestBrava* m_brava = nullptr;
    qint16 m_pozicija = 0;
};
