#pragma once

#include "widgets/Prozor.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <array>

class QGroupBox;
class QPushButton;
class NovTestBrava;

// The intersection test: two pictured intersections, one above the other; the candidate
// clicks the vehicle numbers in passing order, "Provera" shows the correct order above and
// colours every position, "Nov TEST" brings a fresh pair.
class Raskrsnice : public Prozor {
    Q_OBJECT
public:
    // Form_Load: maximises the main window and composes the first test. On a failure (bank,
    // bank too small, picture) the window has shown a message and Ucitan() is false.
    explicit Raskrsnice(QWidget* parent = nullptr);
    QLabel* Naslov() const override { return m_label0; }

    // Composes a new pair. False after a failure, which it has reported.
    bool NovaPitanjaR();

    // Number entry: button Index (1..9) of the first (Command2) and second (Command3) frame.
    void Command2_Click(int Index);
    void Command3_Click(int Index);
    // "Provera".
    void Command4_Click();
    // "Nov TEST".
    void Command1_Click();
    // End of the 5-second lock of "Nov TEST".
    void Timer1_Timer();

    qint16 Pozicija() const { return m_pozicija; }

    // Left edge of an intersection picture of this width (pixels): a picture narrower than
    // 5000 twips (333 1/3 pixels) sits at 125, a wider one at 7.
    static int LevaIvica(int sirina);

    static constexpr int BrojPolja = 9;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Controls of one question frame; arrays indexed 1..9 as the buttons' captions.
    struct Okvir {
        QGroupBox* frame = nullptr;
        QLabel* image = nullptr;
        std::array<QPushButton*, BrojPolja + 1> dugme {};  // Command2 / Command3
        std::array<QLabel*, BrojPolja + 1> resenje {};     // Label2 / Label4 (correct order)
        std::array<QLabel*, BrojPolja + 1> odgovor {};     // Label1 / Label3 (candidate)
        int duzina = 0;                                    // vehicles of the question
    };

    void NapraviOkvir(int f, QWidget* roditelj);
    // Fills frame f with record q; false (with the message in greska) on a failure.
    bool PostaviPitanje(Okvir& okvir, int q, QString& greska);
    void Unos(Okvir& okvir, int Index);
    void Proveri(Okvir& okvir);
    // Shows the message; while loading the window stays unloaded, afterwards it closes.

    QLabel* m_label0 = nullptr;
    QPushButton* m_command1 = nullptr;
    QPushButton* m_command4 = nullptr;
    QWidget* m_picture1 = nullptr;
    QWidget* m_frame1 = nullptr;
    std::array<Okvir, 2> m_okvir;
    NovTestBrava* m_brava = nullptr;
    qint16 m_pozicija = 0;
};
