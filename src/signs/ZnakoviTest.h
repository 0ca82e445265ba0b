#pragma once

#include "content/Module2.h"
#include "model/TestZnakova.h"
#include "widgets/Prozor.h"

#include <QColor>
#include <array>

class NovTestBrava;
class QLabel;
class QLineEdit;
class QPushButton;

// The sign test window: ten sign pictures with an answer box each, and eight numbered
// descriptions below them. A description is placed by clicking it and then a picture (or
// its box), or by typing its number into the box; a filled box stays locked until the next
// test.
class ZnakoviTest : public Prozor {
    Q_OBJECT
public:
    static constexpr int BrojSlika = TestZnakova::BrojSlika;
    static constexpr int BrojOpisa = TestZnakova::BrojOpisa;

    // Colours of the options and the boxes.
    static inline const QColor SvetloZuta { 255, 255, 192 };   // option
    static inline const QColor SvetloZelena { 204, 255, 204 }; // selected option
    static inline const QColor SvetloCijan { 192, 255, 255 };  // filled and locked box
    static inline const QColor Zelena { 0, 255, 0 };           // right
    static inline const QColor Crvena { 255, 0, 0 };           // wrong; also the box's text
    static inline const QColor Zuta { 255, 255, 0 };           // text of a wrong box

    explicit ZnakoviTest(Module2::Generator generator, QWidget* parent = nullptr);
    QLabel* Naslov() const override { return m_label1[0]; }
    Module1::Greska Ucitaj() override;
    void Form_Activate() override;

    const TestZnakova& Test() const { return m_test; }
    // The option selected last, 0 for none.
    int Izabrano() const { return m_izabrano; }

    // Index 1..8 selects that option; the heading (Index 0) selects nothing.
    void Label1_Click(int Index);
    // Places the selected option into box Index (1..10) unless the box is locked; drops
    // the selection either way.
    void Image1_Click(int Index);
    // "Provera": shows the correct numbers and colours each box green or red.
    void Provera();
    // "Nov TEST": a new test, then the button rests for 5 seconds.
    void NovTest();

protected:
    bool eventFilter(QObject* objekat, QEvent* dogadjaj) override;

private:
    // Composes a new test into the controls.
    Module1::Greska Prikazi();
    void Upisano(int Index);
    void OsveziOpcije();

    TestZnakova m_test;
    std::array<QLabel*, BrojOpisa + 1> m_label1 {};   // 0: heading; 1..8: option numbers
    std::array<QLabel*, BrojOpisa + 1> m_label2 {};   // 1..8: option descriptions
    std::array<QLabel*, BrojSlika + 1> m_image1 {};   // 0: hidden size template; 1..10
    std::array<QLineEdit*, BrojSlika + 1> m_text3 {}; // 1..10
    std::array<QPushButton*, BrojSlika + 1> m_command6 {};  // 1..10: correct numbers
    QPushButton* m_provera = nullptr;
    QPushButton* m_novTest = nullptr;
    NovTestBrava* m_brava = nullptr;
    int m_izabrano = 0;
};
