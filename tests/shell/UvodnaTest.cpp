#include "shell/Karuvel.h"
#include "shell/Uvodna.h"

#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

Uvodna* OtvorenaUvodna(const Karuvel& k)
{
    for (QMdiSubWindow* w : k.Povrsina()->subWindowList())
        if (w->isVisible())
            if (auto* u = qobject_cast<Uvodna*>(w->widget()))
                return u;
    return nullptr;
}

// Which of Image1(4) and Label1(0..4) are still visible.
QString Vidljivi(const Uvodna& u)
{
    QString s;
    s += u.findChild<QLabel*>("Image1_4")->isVisibleTo(&u) ? 'I' : '-';
    for (int i = 0; i <= 4; ++i)
        s += u.findChild<QLabel*>(QStringLiteral("Label1_%1").arg(i))->isVisibleTo(&u) ? char('0' + i) : '-';
    return s;
}

TEST(Uvodna, LayoutTextsAndFonts)
{
    Uvodna u;
    EXPECT_EQ(u.windowTitle(), "Uvodna");
    EXPECT_EQ(u.size(), QSize(760, 592));
    struct Ocekivano {
        const char* ime;
        QRect mesto;
        const char* tekst;
    };
    const Ocekivano kontrole[] = {
        { "Label1_0", { 50, 24, 300, 250 }, "NAUČITE ZNAČENJE SVIH SAOBRAĆAJNIH ZNAKOVA" },
        { "Label1_1", { 450, 25, 300, 250 }, "SAVLADAJTE SVA PRAVILA POTREBNA ZA BEZBEDNU VOŽNJU" },
        { "Label1_2", { 50, 325, 300, 250 }, "NAUČITE KAKO POSTUPATI U RAZLIČITIM SITUACIJAMA U SAOBRAĆAJU" },
        { "Label1_3", { 450, 325, 300, 250 }, "SAVLADAJTE SNALAŽENJE NA RASKRSNICAMA" },
        { "Label1_4", { 224, 240, 41, 41 }, "" },
        { "Label6", { 56, 8, 662, 64 }, "KARUVEL" },
    };
    for (const auto& k : kontrole) {
        SCOPED_TRACE(k.ime);
        auto* l = u.findChild<QLabel*>(k.ime);
        ASSERT_NE(l, nullptr);
        EXPECT_EQ(l->geometry(), k.mesto);
        EXPECT_EQ(l->text(), QString::fromUtf8(k.tekst));
    }
    EXPECT_EQ(u.findChild<QLabel*>("Image1_4")->geometry(), QRect(192, 144, 400, 300));
    EXPECT_FALSE(u.findChild<QLabel*>("Image1_4")->pixmap().isNull());
    EXPECT_EQ(u.findChild<QLabel*>("Label3")->font().pointSizeF(), 18.75);
    EXPECT_TRUE(u.findChild<QLabel*>("Label1_0")->font().bold());
    EXPECT_EQ(u.findChild<QLabel*>("Label6")->font().pointSize(), 36);
    EXPECT_EQ(u.findChild<QTimer*>("Timer1")->interval(), 5000);
    EXPECT_TRUE(u.findChild<QTimer*>("Timer1")->isActive());
}

// The animation runs on the window's own timer, with a short interval handed in.
TEST(Uvodna, AnimationRemovesPanelsInOrderThenStops)
{
    Uvodna u;
    QTimer* timer = u.Timer1();
    std::vector<QString> posle { Vidljivi(u) };
    // Connected after the window's own handler, so it sees each step's result.
    QObject::connect(timer, &QTimer::timeout, &u, [&] { posle.push_back(Vidljivi(u)); });
    timer->setInterval(10);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !timer->isActive(); }, 3000));
    const std::vector<QString> ocekivano { "I01234", "-0123-", "-012--", "--12--", "---2--", "------", "------" };
    EXPECT_EQ(posle, ocekivano);
    EXPECT_EQ(u.Korak(), 0);
}

TEST(Uvodna, AboutAfterAPartialAnimationStartsAgainWithEverythingVisible)
{
    Karuvel glavni;
    glavni.show();
    glavni.OProgramu_Click();
    Uvodna* prva = OtvorenaUvodna(glavni);
    ASSERT_NE(prva, nullptr);
    prva->Timer1()->setInterval(10);
    EXPECT_TRUE(QTest::qWaitFor([&] { return prva->Korak() == 2; }, 3000));  // two steps done
    prva->Timer1()->stop();
    EXPECT_EQ(Vidljivi(*prva), "-012--");

    glavni.findChild<QAction*>("OProgramu")->trigger();
    Uvodna* druga = OtvorenaUvodna(glavni);
    ASSERT_NE(druga, nullptr);
    EXPECT_EQ(Vidljivi(*druga), "I01234");
    EXPECT_EQ(druga->Korak(), 0);
    EXPECT_TRUE(druga->Timer1()->isActive());
}

TEST(Uvodna, FillsTheFramesClientAreaWithNothingCutOff)
{
    Karuvel glavni;
    glavni.show();
    glavni.OProgramu_Click();
    Uvodna* u = OtvorenaUvodna(glavni);
    ASSERT_NE(u, nullptr);
    QWidget* povrsina = glavni.Povrsina()->viewport();
    EXPECT_EQ(u->mapTo(povrsina, QPoint(0, 0)), QPoint(0, 0)) << "no title bar or frame above the splash";
    EXPECT_EQ(u->size(), povrsina->size());
    for (QLabel* l : u->findChildren<QLabel*>()) {
        const QRect mesto(l->mapTo(povrsina, QPoint(0, 0)), l->size());
        EXPECT_TRUE(povrsina->rect().contains(mesto)) << l->objectName().toStdString() << " is cut off";
    }
}

TEST(Uvodna, ActivationPutsTheMainWindowBackToNormalAt800By600)
{
    Karuvel glavni;
    glavni.show();
    glavni.showMaximized();
    glavni.OProgramu_Click();
    EXPECT_FALSE(glavni.isMaximized());
    EXPECT_EQ(glavni.size(), QSize(800, 600));
}
}
