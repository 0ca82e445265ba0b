#include "widgets/Panel.h"

#include "TestPomoc.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QLabel>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include <vector>

namespace {

// --- the end rules, one wheel step (d > 0: away from the user, towards the top) ---

struct Korak {
    int vrednost;
    int maksimum;
    double d;
    int ocekivano;
};

TEST(PanelTocak, EndRules)
{
    const std::vector<Korak> slucajevi {
        { 0, 1000, 120, 0 },        // at the top, away from the user: stays
        { 1000, 1000, -120, 1000 }, // at the maximum, towards the user: stays
        { 180, 1000, 120, 0 },      // 60 would be less than a notch from the top: goes on to 0
        { 240, 1000, 120, 0 },      // 120 is exactly one notch from the top: goes on to 0
        { 300, 1000, 120, 180 },
        { 500, 1000, 120, 380 },
        { 500, 1000, -120, 620 },
        { 700, 1000, -120, 820 },
        { 820, 1000, -120, 1000 },  // 940 is less than a notch from the end: goes on to it
        { 900, 1000, -120, 1000 },  // 1020 would cross the end: lands on it
        { 100, 1000, 240, 0 },      // two notches at once across the top
        { 0, 0, 120, 0 },           // content shorter than the viewport: nothing moves
        { 0, 0, -120, 0 },
        { 100, 1000, 0.5, 100 },    // 99.5 rounds half to even
        { 101, 1000, 0.5, 100 },    // 100.5 rounds half to even
    };
    for (const Korak& k : slucajevi)
        EXPECT_EQ(Panel::Tocak(k.vrednost, k.maksimum, k.d), k.ocekivano)
            << "value " << k.vrednost << ", maximum " << k.maksimum << ", d " << k.d;
}

// --- the panel in a window ---

class PanelUProzoru : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_okno.resize(800, 600);
        m_panel = new Panel(&m_okno, 55, 2120);
        m_sadrzaj = new QLabel(QStringLiteral("sadrzaj"), m_panel->Frame1());
        m_sadrzaj->setGeometry(0, 0, 765, 2120);
        m_panel->Postavi(1024);
        m_roditelj.resize(800, 600);
        m_roditelj.show();
    }

    QScrollBar* Traka() const { return m_panel->VScroll1(); }
    int Vrh() const { return m_panel->Frame1()->y(); }

    QWidget m_roditelj;
    QWidget m_okno { &m_roditelj };
    Panel* m_panel = nullptr;
    QLabel* m_sadrzaj = nullptr;
};

TEST_F(PanelUProzoru, SetUpFromTheScreenHeight)
{
    EXPECT_EQ(m_panel->Picture1()->objectName(), QStringLiteral("Picture1"));
    EXPECT_EQ(m_panel->Frame1()->parentWidget(), m_panel->Picture1());
    EXPECT_EQ(Traka()->objectName(), QStringLiteral("VScroll1"));
    EXPECT_EQ(Traka()->parentWidget(), &m_okno);

    EXPECT_EQ(m_panel->Picture1()->geometry(), QRect(2, 45, 767, 904));
    EXPECT_EQ(m_panel->Frame1()->geometry(), QRect(0, 0, 765, 2120));
    EXPECT_EQ(Traka()->geometry(), QRect(770, 55, 18, 894));
    EXPECT_EQ(Traka()->minimum(), 0);
    EXPECT_EQ(Traka()->maximum(), 2120 - 904);
    EXPECT_EQ(Traka()->singleStep(), 20);
    EXPECT_EQ(Traka()->pageStep(), 200);
}

TEST_F(PanelUProzoru, ContentShorterThanTheViewportGivesNoRange)
{
    m_panel->PostaviVisinuSadrzaja(500);
    m_panel->Postavi(1024);
    EXPECT_EQ(Traka()->maximum(), 0);
    TestPomoc::Tocak(&m_okno, -120);
    EXPECT_EQ(Traka()->value(), 0);
    EXPECT_EQ(Vrh(), 0);

    // The catalogue sets a new height per category: the range follows it.
    m_panel->PostaviVisinuSadrzaja(1500);
    m_panel->Postavi(1024);
    EXPECT_EQ(Traka()->maximum(), 1500 - 904);
}

TEST_F(PanelUProzoru, ContentFollowsTheBarAndTheThumbWhileDragged)
{
    Traka()->setValue(300);
    EXPECT_EQ(Vrh(), -300);

    Traka()->setSliderDown(true);
    Traka()->setSliderPosition(400);
    EXPECT_EQ(Vrh(), -400);
    Traka()->setSliderPosition(420);
    EXPECT_EQ(Vrh(), -420);
    Traka()->setSliderDown(false);
    EXPECT_EQ(Traka()->value(), 420);
    EXPECT_EQ(Vrh(), -420);

    m_panel->NaVrh();
    EXPECT_EQ(Traka()->value(), 0);
    EXPECT_EQ(Vrh(), 0);
    EXPECT_EQ(m_okno.focusWidget(), Traka());
}

TEST_F(PanelUProzoru, ArrowAndPageKeysOnTheFocusedBar)
{
    m_panel->Fokus();
    QTest::keyClick(Traka(), Qt::Key_Down);
    EXPECT_EQ(Traka()->value(), 20);
    QTest::keyClick(Traka(), Qt::Key_PageDown);
    EXPECT_EQ(Traka()->value(), 220);
    EXPECT_EQ(Vrh(), -220);
}

// A wheel notch over the window moves the panel by the end rules, whatever modifier key is
// held; over the scroll bar too (the bar would move 60 on its own). A real wheel event over a
// label or frame inside the window is not taken by them and reaches the window's filter
// through Qt's propagation; the synthesized events of a test are not propagated, so they
// are sent to the window itself.
TEST_F(PanelUProzoru, WheelOverTheWindowFollowsTheEndRules)
{
    struct Slucaj {
        int pocetak;
        int ugao;
        int ocekivano;
    };
    const std::vector<Slucaj> slucajevi {
        { 0, 120, 0 }, { 180, 120, 0 }, { 300, 120, 180 }, { 300, -120, 420 },
        { 1100, -120, 1216 }, { 1216, -120, 1216 },
    };
    const std::vector<QWidget*> mesta { &m_okno, Traka() };
    const std::vector<Qt::KeyboardModifiers> modifikatori { Qt::NoModifier, Qt::ShiftModifier,
        Qt::ControlModifier, Qt::AltModifier, Qt::ControlModifier | Qt::ShiftModifier };
    for (QWidget* mesto : mesta) {
        for (Qt::KeyboardModifiers m : modifikatori) {
            for (const Slucaj& s : slucajevi) {
                Traka()->setValue(s.pocetak);
                TestPomoc::Tocak(mesto, s.ugao, m);
                EXPECT_EQ(Traka()->value(), s.ocekivano)
                    << mesto->objectName().toStdString() << " modifiers " << int(m) << " from "
                    << s.pocetak << " by " << s.ugao;
                EXPECT_EQ(Vrh(), -Traka()->value());
            }
        }
    }
}

class BrojacTocka : public QObject {
public:
    int broj = 0;

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Wheel)
            ++broj;
        return false;
    }
};

TEST_F(PanelUProzoru, WheelIsConsumedByTheWindow)
{
    BrojacTocka brojac;
    m_roditelj.installEventFilter(&brojac);
    Traka()->setValue(500);
    TestPomoc::Tocak(&m_okno, 120);
    TestPomoc::Tocak(Traka(), 120);
    EXPECT_EQ(Traka()->value(), 260);
    EXPECT_EQ(brojac.broj, 0);
}

// Where the system turns the wheel into a horizontal one while Alt is held, it still moves
// the panel; a horizontal wheel without Alt does not, and is consumed all the same.
TEST_F(PanelUProzoru, AltWheelTurnedHorizontalStillScrolls)
{
    Traka()->setValue(500);
    const QPointF tacka(10, 100);
    QWheelEvent alt(tacka, m_okno.mapToGlobal(tacka), QPoint(), QPoint(120, 0), Qt::NoButton,
        Qt::AltModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&m_okno, &alt);
    EXPECT_EQ(Traka()->value(), 380);
    QWheelEvent vodoravno(tacka, m_okno.mapToGlobal(tacka), QPoint(), QPoint(120, 0), Qt::NoButton,
        Qt::NoModifier, Qt::NoScrollPhase, false);
    EXPECT_TRUE(QApplication::sendEvent(&m_okno, &vodoravno));
    EXPECT_EQ(Traka()->value(), 380);
}

// Fine-grained wheels and touchpads send parts of a notch: they add up, and each whole notch
// goes through the same rule as a real notch.
TEST_F(PanelUProzoru, PartsOfANotchAddUp)
{
    struct Slucaj {
        const char* opis;
        int pocetak;
        std::vector<int> uglovi;
        int ocekivano;
        int ostatak;
    };
    const std::vector<Slucaj> slucajevi {
        { "touchpad 4 x 30 = one notch", 300, { 30, 30, 30, 30 }, 180, 0 },
        { "3 x 30 is not yet a notch", 300, { 30, 30, 30 }, 300, 90 },
        { "4 x 30 near the top goes on to the end like a notch", 180, { 30, 30, 30, 30 }, 0, 0 },
        { "8 x 15 towards the user", 900, { -15, -15, -15, -15, -15, -15, -15, -15 }, 1020, 0 },
        { "a notch and a half keeps the half", 600, { 90, 90 }, 480, 60 },
        { "turning back drops the rest", 300, { 90, -30, 60 }, 300, 60 },
    };
    for (const Slucaj& s : slucajevi) {
        QWidget okno;
        Panel panel(&okno, 55, 2120);
        panel.Postavi(1024);
        panel.VScroll1()->setValue(s.pocetak);
        for (int ugao : s.uglovi)
            TestPomoc::Tocak(&okno, ugao);
        EXPECT_EQ(panel.VScroll1()->value(), s.ocekivano) << s.opis;
        EXPECT_EQ(panel.Frame1()->y(), -s.ocekivano) << s.opis;
        EXPECT_EQ(panel.Ostatak(), s.ostatak) << s.opis;
    }
}

TEST_F(PanelUProzoru, NoTimer)
{
    TestPomoc::Tocak(&m_okno, -120);
    Traka()->setValue(10);
    QList<QObject*> objekti = m_okno.findChildren<QObject*>();
    objekti << &m_okno << m_panel;
    for (QObject* o : objekti) {
        EXPECT_TRUE(QAbstractEventDispatcher::instance()->registeredTimers(o).isEmpty())
            << o->metaObject()->className() << " " << o->objectName().toStdString();
        if (auto* t = qobject_cast<QTimer*>(o)) {
            EXPECT_FALSE(t->isActive());
        }
    }
}

}  // namespace
