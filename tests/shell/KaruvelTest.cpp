#include "GuiTest.h"
#include "shell/Karuvel.h"
#include "shell/Pokretanje.h"
#include "shell/Uvodna.h"
#include "theory/Teorija.h"

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct Stavka {
    const char* ime;
    const char* natpis;
};

struct Meni {
    const char* ime;
    const char* natpis;
    std::vector<Stavka> stavke;
};

const std::vector<Meni> OcekivaniMeni {
    { "SaobracajniZnakovi", "Saobracajni znakovi",
        { { "Znak_1", "Znakovi opasnosti" }, { "Znak_2", "Znakovi zabrane i ogranicenja" },
            { "Znak_3", "Znakovi obaveze" }, { "Znak_4", "Znakovi obavestenja" },
            { "Znak_5", "Dopunske table" }, { "TestSaZnakovima", "Test sa znakovima" } } },
    { "TeorijskaPitanja", "Teorijska pitanja",
        { { "TeorijaB", "\"B\" kategorija" }, { "TeorijaCD", "\"C\" i \"D\" kategorija" },
            { "TeorijaT", "za Traktor" } } },
    { "SituacijeSaSlikama", "Situacije sa slikama", { { "SituacijeP", "Za sve kategorije" } } },
    { "RaskrsniceGlavni", "Raskrsnice", { { "RaskrsniceP", "Za sve kategorije" } } },
    { "IspitGlavni", "Ispit",
        { { "IspitB", "\"B\" kategorija" }, { "IspitCD", "\"C\" i \"D\" kategorija" },
            { "IspitT", "za Traktor" } } },
    { "NapredakMeni", "Napredak",
        { { "PonoviGreskeB", "Ponovi greške – \"B\"" }, { "PonoviGreskeCD", "Ponovi greške – \"C\" i \"D\"" },
            { "PonoviGreskeT", "Ponovi greške – Traktor" }, { "NapredakPregled", "Napredak" },
            { "ObrisiNapredak", "Obriši napredak" } } },
    { "Pomoc", "Pomoc",
        { { "Uputstvo", "Uputstvo" }, { "NaInternet", "Karuvel na Internetu" },
            { "OProgramu", "O programu" } } },
};

QList<QMdiSubWindow*> Otvoreni(const Karuvel& k)
{
    QList<QMdiSubWindow*> otvoreni;
    for (QMdiSubWindow* w : k.Povrsina()->subWindowList())
        if (w->isVisible())
            otvoreni << w;
    return otvoreni;
}

class GlavniProzor : public GuiTest {
protected:
    void SetUp() override
    {
        m_glavni.show();
        m_glavni.OProgramu_Click();
    }
    void TearDown() override
    {
        m_glavni.ZatvoriOstale();
        GuiTest::TearDown();
    }
    Karuvel m_glavni { Seme() };
};

TEST_F(GlavniProzor, MenuTreeMatchesTheTableWithoutAcceleratorsShortcutsOrSeparators)
{
    EXPECT_EQ(m_glavni.windowTitle(), "Karuvel v1.1");
    const QList<QAction*> vrh = m_glavni.menuBar()->actions();
    ASSERT_EQ(vrh.size(), int(OcekivaniMeni.size()));
    for (size_t i = 0; i < OcekivaniMeni.size(); ++i) {
        const Meni& ocekivan = OcekivaniMeni[i];
        SCOPED_TRACE(ocekivan.ime);
        QMenu* meni = vrh[int(i)]->menu();
        ASSERT_NE(meni, nullptr);
        EXPECT_EQ(meni->objectName(), ocekivan.ime);
        EXPECT_EQ(meni->title(), QString::fromUtf8(ocekivan.natpis));
        const QList<QAction*> stavke = meni->actions();
        ASSERT_EQ(stavke.size(), int(ocekivan.stavke.size()));
        for (size_t j = 0; j < ocekivan.stavke.size(); ++j) {
            EXPECT_EQ(stavke[int(j)]->objectName(), ocekivan.stavke[j].ime);
            EXPECT_EQ(stavke[int(j)]->text(), QString::fromUtf8(ocekivan.stavke[j].natpis));
            EXPECT_FALSE(stavke[int(j)]->isSeparator());
            EXPECT_TRUE(stavke[int(j)]->shortcut().isEmpty());
            EXPECT_FALSE(stavke[int(j)]->text().contains('&'));
        }
    }
}

TEST_F(GlavniProzor, StartsWithTheSplashAsTheOnlyChild)
{
    const auto otvoreni = Otvoreni(m_glavni);
    ASSERT_EQ(otvoreni.size(), 1);
    EXPECT_NE(qobject_cast<Uvodna*>(otvoreni.front()->widget()), nullptr);
}

TEST_F(GlavniProzor, ACommandChosenTwiceReplacesTheOpenWindowWithAFreshOne)
{
    QPointer<QWidget> prvi = Otvoreni(m_glavni).front()->widget();
    m_glavni.findChild<QAction*>("OProgramu")->trigger();
    const auto otvoreni = Otvoreni(m_glavni);
    ASSERT_EQ(otvoreni.size(), 1);
    EXPECT_TRUE(prvi.isNull());
    EXPECT_NE(otvoreni.front()->widget(), nullptr);
}

TEST_F(GlavniProzor, ClosingStepClosesTopLevelWindowsButLeavesTheMainWindow)
{
    QWidget napolju;
    napolju.setWindowTitle("Progres");
    napolju.show();
    QWidget istiNaslov;
    istiNaslov.setWindowTitle(Karuvel::Naslov);
    istiNaslov.show();

    m_glavni.ZatvoriOstale();

    EXPECT_FALSE(napolju.isVisible());
    EXPECT_TRUE(istiNaslov.isVisible());
    EXPECT_TRUE(m_glavni.isVisible());
    EXPECT_TRUE(Otvoreni(m_glavni).isEmpty());
}

// An activity window maximises the frame when it becomes the active child; a frame the
// user put back to its normal size stays so until another child becomes active.
TEST_F(GlavniProzor, TheActiveActivityWindowMaximisesTheFrame)
{
    QByteArray b;
    for (int i = 1; i <= 20; ++i)
        b += Fiksture::Zapis(qint16(i), { "B", "p" + QByteArray::number(i), "a", "b", "c", "1" });
    izvori.Postavi(2, Fiksture::Dopuni(b));

    m_glavni.findChild<QAction*>("TeorijaB")->trigger();
    ASSERT_EQ(Otvoreni(m_glavni).size(), 1);
    ASSERT_NE(qobject_cast<Teorija*>(Otvoreni(m_glavni).front()->widget()), nullptr);
    EXPECT_TRUE(m_glavni.isMaximized());

    m_glavni.showNormal();
    m_glavni.findChild<QAction*>("TeorijaT")->trigger();
    EXPECT_FALSE(m_glavni.isMaximized()) << "the T bank is missing: no window opened";
    m_glavni.findChild<QAction*>("TeorijaB")->trigger();
    EXPECT_TRUE(m_glavni.isMaximized());
}

// What the start puts off until its window stands drawn (the progress store) runs once, after
// that window's first paint, from the event loop.
TEST(PoslePrvogCrtanja, JednomPosleCrtanjaProzora)
{
    class BrojacCrtanja : public QObject {
    public:
        int crtanja = 0;

    protected:
        bool eventFilter(QObject*, QEvent* e) override
        {
            crtanja += e->type() == QEvent::Paint;
            return false;
        }
    };
    QWidget prozor;
    prozor.resize(200, 100);
    BrojacCrtanja brojac;
    prozor.installEventFilter(&brojac);
    std::vector<int> posle;  // the window's paints when the work ran
    Pokretanje::PoslePrvogCrtanja(&prozor, [&] { posle.push_back(brojac.crtanja); });
    QCoreApplication::processEvents();
    EXPECT_TRUE(posle.empty()) << "nothing runs before the window is drawn";

    prozor.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !posle.empty(); }));
    EXPECT_GE(posle[0], 1);
    prozor.repaint();
    QTest::qWait(20);
    EXPECT_EQ(posle.size(), 1u);
}

}
