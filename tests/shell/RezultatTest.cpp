// The result line of the main window: what every test's "Provera" announces there, and that
// "Nov TEST" or another window takes it away again.
#include "GuiTest.h"
#include "intersections/Raskrsnice.h"
#include "shell/Karuvel.h"
#include "signs/ZnakoviTest.h"
#include "situations/Situacije.h"
#include "theory/Teorija.h"

#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>

namespace {

class RezultatProvere : public GuiTest {
protected:
    void SetUp() override
    {
        Module1::PostaviIzvor({});  // the program's own content
        m_glavni.show();
    }
    void TearDown() override
    {
        m_glavni.ZatvoriOstale();
        GuiTest::TearDown();
    }

    QLabel* Rezultat() { return Kontrola<QLabel>(&m_glavni, QStringLiteral("Rezultat")); }
    Prozor* Otvoren() const
    {
        QMdiSubWindow* w = m_glavni.Povrsina()->activeSubWindow();
        return w ? qobject_cast<Prozor*>(w->widget()) : nullptr;
    }
    Prozor* Otvori(const char* stavka)
    {
        m_glavni.findChild<QAction*>(QString::fromLatin1(stavka))->trigger();
        return Otvoren();
    }

    Karuvel m_glavni { Seme() };
};

struct Slucaj {
    const char* stavka;       // menu item that opens the test
    const char* provera;      // objectName of its "Provera"
    const char* ocekivano;    // the result of a check without any answer
    std::function<void(Prozor*)> novTest;
};

TEST_F(RezultatProvere, EveryTestAnnouncesItsCheckAndANewTestClearsIt)
{
    const std::vector<Slucaj> slucajevi {
        { "TeorijaB", "Command4", "Tačno 0 od 10", [](Prozor* p) { static_cast<Teorija*>(p)->NovTest(); } },
        { "SituacijeP", "Command2", "Tačno 0 od 5", [](Prozor* p) { static_cast<Situacije*>(p)->NovTest(); } },
        // Two of the ten pictures have no description: their empty boxes are right.
        { "TestSaZnakovima", "Command1", "Tačno 2 od 10 polja", [](Prozor* p) { static_cast<ZnakoviTest*>(p)->NovTest(); } },
        { "RaskrsniceP", "Command4", "Tačno 0 od 2 raskrsnice", [](Prozor* p) { static_cast<Raskrsnice*>(p)->NovTest(); } },
    };
    for (const Slucaj& s : slucajevi) {
        SCOPED_TRACE(s.stavka);
        Prozor* p = Otvori(s.stavka);
        ASSERT_NE(p, nullptr);
        EXPECT_TRUE(Rezultat()->text().isEmpty());
        QTest::mouseClick(Kontrola<QPushButton>(p, QString::fromLatin1(s.provera)), Qt::LeftButton);
        EXPECT_EQ(Rezultat()->text(), QString::fromUtf8(s.ocekivano));
        EXPECT_TRUE(Rezultat()->isVisible());
        s.novTest(p);
        EXPECT_TRUE(Rezultat()->text().isEmpty());

        // Another window takes the last result away as well.
        QTest::mouseClick(Kontrola<QPushButton>(p, QString::fromLatin1(s.provera)), Qt::LeftButton);
        EXPECT_FALSE(Rezultat()->text().isEmpty());
        m_glavni.OProgramu_Click();
        EXPECT_TRUE(Rezultat()->text().isEmpty());
        EXPECT_FALSE(m_glavni.statusBar()->isVisible()) << "the splash keeps the whole area";
    }
}

TEST_F(RezultatProvere, CountsTheRightAnswersAndCoversNoControlOfTheWindow)
{
    auto* t = qobject_cast<Teorija*>(Otvori("TeorijaB"));
    ASSERT_NE(t, nullptr);
    const auto& pitanja = t->Test().Pitanja();
    ASSERT_EQ(t->ProzorPitanja::BrojOkvira(), 10);
    // Seven right, two wrong, one left open.
    for (int k = 0; k < 9; ++k) {
        const int j = k < 7 ? pitanja[std::size_t(k)].tacan : (pitanja[std::size_t(k)].tacan + 1) % 3;
        QTest::mouseClick(t->Okvir(k + 1)->Label(j + 1), Qt::LeftButton);
    }
    QTest::mouseClick(Kontrola<QPushButton>(t, QStringLiteral("Command4")), Qt::LeftButton);
    EXPECT_EQ(Rezultat()->text(), QStringLiteral("Tačno 7 od 10"));

    // The line sits below the area of the child windows, not over it.
    const QRect linija(Rezultat()->mapTo(&m_glavni, QPoint(0, 0)), Rezultat()->size());
    const QRect povrsina(m_glavni.Povrsina()->mapTo(&m_glavni, QPoint(0, 0)), m_glavni.Povrsina()->size());
    EXPECT_FALSE(linija.intersects(povrsina));
    EXPECT_TRUE(m_glavni.statusBar()->isVisible());
}

}  // namespace
