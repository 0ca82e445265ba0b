#pragma once

#include "widgets/Prozor.h"

#include <QColor>
#include <QtGlobal>
#include <array>

class NovTestBrava;
class QLabel;
class QLineEdit;
class QPushButton;

// The sign test: ten sign pictures with an answer box each, and eight numbered
// descriptions below them; eight pictures have their description among the eight, two
// have none. A description is placed by clicking it and then a picture (or its box), or by
// typing its number into the box; a filled box stays locked until the next test.
class ZnakoviTest : public Prozor {
    Q_OBJECT
public:
    static constexpr int BrojSlika = 10;
    static constexpr int BrojOpisa = 8;
    static constexpr int BrojZnakova = 20;  // signs 1..20 of the bank, pictures ZNAK 1..20

    // Colours of the options and the boxes.
    static inline const QColor SvetloZuta { 255, 255, 192 };   // option
    static inline const QColor SvetloZelena { 204, 255, 204 }; // selected option
    static inline const QColor SvetloCijan { 192, 255, 255 };  // filled and locked box
    static inline const QColor Zelena { 0, 255, 0 };           // right
    static inline const QColor Crvena { 255, 0, 0 };           // wrong; also the box's text
    static inline const QColor Zuta { 255, 255, 0 };           // text of a wrong box

    // Form_Load: composes the first test; on failure the user has been told and Ucitan()
    // is false.
    explicit ZnakoviTest(QWidget* parent = nullptr);
    QLabel* Naslov() const override { return Label1[0]; }

    // Composes a new test. False when the signs or a picture could not be loaded (the
    // message has been shown).
    bool NoviTest();

    void Form_Activate() override;

    // Index 1..8 selects that option; the heading (Index 0) selects nothing.
    void Label1_Click(int Index);
    void Label2_Click(int Index) { Label1_Click(Index); }
    // Places the selected option into box Index (1..10) unless the box is locked; drops
    // the selection either way.
    void Image1_Click(int Index);
    void Text3_Click(int Index) { Image1_Click(Index); }
    // A box that received a character locks (light cyan).
    void Text3_Change(int Index);
    // "Provera": shows the correct numbers and colours each box green or red.
    void Command1_Click();
    // "Nov TEST": a new test, then the button rests for 5 seconds.
    void Command2_Click();
    void Timer1_Timer();

    // The option selected last, 0 for none.
    qint16 Izabrano() const { return m_izabrano; }

protected:
    bool eventFilter(QObject* objekat, QEvent* dogadjaj) override;

private:
    void OsveziOpcije();

    std::array<QLabel*, BrojOpisa + 1> Label1 {};   // 0: heading; 1..8: option numbers
    std::array<QLabel*, BrojOpisa + 1> Label2 {};   // 1..8: option descriptions
    std::array<QLabel*, BrojSlika + 1> Image1 {};   // 0: hidden size template; 1..10
    std::array<QLineEdit*, BrojSlika + 1> Text3 {}; // 1..10
    std::array<QPushButton*, BrojSlika + 1> Command6 {};  // 1..10
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QWidget* Picture1 = nullptr;
    QWidget* Picture2 = nullptr;
    NovTestBrava* m_brava = nullptr;
    qint16 m_izabrano = 0;
};
