#pragma once

#include "content/Module2.h"
#include "model/TestRaskrsnica.h"
#include "widgets/Prozor.h"

#include <array>

class QGroupBox;
class QPushButton;
class NovTestBrava;

// The intersection test window: two pictured intersections, one above the other; the
// candidate clicks the vehicle numbers in passing order, "Provera" shows the correct order
// above and colours every position, "Nov TEST" brings a fresh pair.
class Raskrsnice : public Prozor {
    Q_OBJECT
public:
    static constexpr int BrojPolja = TestRaskrsnica::NajviseVozila;

    // brojPitanja: intersections per draw (two a test).
    Raskrsnice(int brojPitanja, Module2::Generator generator, QWidget* parent = nullptr);
    QLabel* Naslov() const override { return m_label0; }
    // Maximises the main window and composes the first test.
    Module1::Greska Ucitaj() override;
    // The keyboard starts at the first number button.
    void Form_Activate() override;

    const TestRaskrsnica& Test() const { return m_test; }
    int Pozicija() const { return m_test.Pozicija(); }

    // Number entry: button Index (1..9) of intersection f (0: Command2, 1: Command3).
    void Unos(int f, int Index);
    // "Provera".
    void Provera();
    // "Nov TEST".
    void NovTest();

    // Left edge of an intersection picture of this width (pixels): a picture narrower than
    // 5000 twips (333 1/3 pixels) sits at 125, a wider one at 7.
    static int LevaIvica(int sirina);

protected:
    // Digits 1..9 enter that vehicle number, as a click on its button, into the intersection
    // holding the keyboard focus while it still takes numbers, or else into the first one
    // that does.
    void keyPressEvent(QKeyEvent* dogadjaj) override;

private:
    // The controls of one intersection; arrays indexed 1..9 as the buttons' captions.
    struct Kontrole {
        QGroupBox* frame = nullptr;
        QLabel* image = nullptr;
        std::array<QPushButton*, BrojPolja + 1> dugme {};  // Command2 / Command3
        std::array<QLabel*, BrojPolja + 1> resenje {};     // Label2 / Label4 (correct order)
        std::array<QLabel*, BrojPolja + 1> odgovor {};     // Label1 / Label3 (candidate)
    };

    void NapraviKontrole(int f, QWidget* roditelj);
    // Composes a new pair into the controls.
    Module1::Greska Prikazi();
    Module1::Greska PrikaziPitanje(int f);

    TestRaskrsnica m_test;
    QLabel* m_label0 = nullptr;
    QPushButton* m_novTest = nullptr;
    QPushButton* m_provera = nullptr;
    std::array<Kontrole, TestRaskrsnica::PoTestu> m_kontrole;
    NovTestBrava* m_brava = nullptr;
};
