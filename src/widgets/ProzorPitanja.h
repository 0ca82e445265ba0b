#pragma once

#include "model/TestPitanja.h"
#include "widgets/PitanjeOkvir.h"
#include "widgets/Prozor.h"

#include <vector>

class NovTestBrava;
class Panel;
class QPushButton;

// A test window of questions with three answers each (the theory and the situation tests):
// the heading, "Provera" and "Nov TEST", and the question frames in a scrolling panel. It
// shows its TestPitanja and forwards the candidate's clicks to it.
class ProzorPitanja : public Prozor {
    Q_OBJECT
public:
    // What differs between the windows built on this one.
    struct Oblik {
        QString ime;                // objectName of the window
        QString imeProvere;         // objectName of "Provera"
        std::vector<int> vrhovi;    // tops of the question frames in the content frame
        PitanjeOkvir::Mere mere;    // the controls inside a frame
        int visinaSadrzaja = 0;     // height of the content frame
        bool brava = false;         // "Nov TEST" rests for 5 seconds after a new test
        bool progres = false;       // composing shows the progress window
        Napredak::Banka banka = Napredak::Banka::Teorija;  // where the questions come from
    };

    QLabel* Naslov() const override { return m_naslov; }
    Module1::Greska Ucitaj() override;
    // Maximises the main window and gives the scroll bar the keyboard focus.
    void Form_Activate() override;

    int BrojOkvira() const { return static_cast<int>(m_okviri.size()); }
    PitanjeOkvir* Okvir(int k) const { return m_okviri[static_cast<std::size_t>(k - 1)]; }  // 1..BrojOkvira
    Panel* Ploca() const { return m_panel; }
    const TestPitanja& Test() const { return m_test; }
    int Pozicija() const { return m_test.Pozicija(); }

    // "Provera": every answer mark becomes visible.
    void Provera();
    // "Nov TEST": clears the frames, composes the next test and scrolls back to the top.
    // When no test can be composed the window reports it and closes.
    void NovTest();

protected:
    ProzorPitanja(const Oblik& oblik, TestPitanja test, QWidget* parent);

    // Shows what a window adds to question k (1-based) of a new test, such as its picture.
    virtual Module1::Greska PrikaziDodatak(int /*k*/, const TestPitanja::Pitanje& /*pitanje*/) { return {}; }

private:
    Module1::Greska Prikazi();

    TestPitanja m_test;
    bool m_saProgresom;
    Napredak::Banka m_banka;
    QLabel* m_naslov = nullptr;
    QPushButton* m_provera = nullptr;
    QPushButton* m_novTest = nullptr;
    NovTestBrava* m_brava = nullptr;
    Panel* m_panel = nullptr;
    std::vector<PitanjeOkvir*> m_okviri;
};
