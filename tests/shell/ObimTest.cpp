// Every activity window on the screen it is given (ctest runs this program on a 1920 x 1080
// screen, with and without a scale factor of 2): at the design size and zoomed to 200 %,
// every control of the window can be brought into view, by the main window's area scrolling
// where the window is larger than the area, and nothing scrolls where it fits.
#include "GlavniTest.h"
#include "shell/Karuvel.h"
#include "shell/Uvodna.h"
#include "widgets/Prozor.h"
#include "widgets/Uvelicanje.h"

#include <QApplication>
#include <QLayout>
#include <QPixmap>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace {

class Obim : public GlavniTest, public ::testing::WithParamInterface<const char*> {
protected:
    void SetUp() override { NapraviGlavni(true); }

    Prozor* Otvori()
    {
        auto* prozor = OtvoriAktivnost<Prozor>(GetParam());
        if (prozor)
            QApplication::setActiveWindow(glavni);
        Smiri();
        return prozor;
    }

    // The controls of the window in the area's viewport: what of them lies on the window
    // (a design may let an edge stick out above it).
    QRect Sadrzaj(const Prozor* prozor) const
    {
        QRect sadrzaj;
        for (const QWidget* w : prozor->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (!w->isWindow() && w->isVisible())
                sadrzaj |= w->geometry() & QRect(0, 0, QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        }
        return sadrzaj.translated(prozor->mapTo(Povrsina()->viewport(), QPoint(0, 0)));
    }

    QMdiArea* Povrsina() const { return glavni->Povrsina(); }

    // A change of sizes goes up through nested layouts an event at a time: lets it settle.
    static void Smiri()
    {
        for (int i = 0; i < 6; ++i)
            QCoreApplication::processEvents();
    }

    // Controls a layout places never lie over one another.
    static void BezPreklapanja(const Prozor* prozor)
    {
        for (const QWidget* roditelj : prozor->findChildren<QWidget*>()) {
            if (!roditelj->layout() || !roditelj->isVisible())
                continue;
            const QList<QWidget*> deca = roditelj->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
            for (qsizetype i = 0; i < deca.size(); ++i) {
                for (qsizetype j = i + 1; j < deca.size(); ++j) {
                    if (deca[i]->isVisible() && deca[j]->isVisible() && !deca[i]->isWindow() && !deca[j]->isWindow()) {
                        EXPECT_FALSE(deca[i]->geometry().intersects(deca[j]->geometry()))
                            << deca[i]->objectName().toStdString() << " over " << deca[j]->objectName().toStdString();
                    }
                }
            }
        }
    }

    // What of a control of the window its parents let be seen (a panel shows a part of its
    // content; a design may let an edge stick out above the window), in the area's viewport.
    QRect Vidljivo(const QWidget* kontrola, const Prozor* prozor) const
    {
        QRect mesto = kontrola->rect();
        for (const QWidget* w = kontrola; w != prozor; w = w->parentWidget())
            mesto = mesto.translated(w->pos()) & w->parentWidget()->rect();
        return mesto.translated(prozor->mapTo(Povrsina()->viewport(), QPoint(0, 0)));
    }

    // With KARUVEL_SNIMCI naming a folder, the main window is saved there as it is checked.
    void Snimi(const char* kada) const
    {
        const QString fascikla = qEnvironmentVariable("KARUVEL_SNIMCI");
        if (fascikla.isEmpty())
            return;
        const QSize ekran = glavni->screen()->size();
        glavni->grab().save(QStringLiteral("%1/%2-%3x%4-x%5-%6.png").arg(fascikla, QLatin1String(GetParam()))
                                .arg(ekran.width()).arg(ekran.height()).arg(glavni->devicePixelRatio())
                                .arg(QString::fromLatin1(kada).remove(QLatin1Char(' ')).remove(QLatin1Char('%'))));
    }

    // Brings the far corner of the area into view and checks that every control has been
    // within reach: none before the start, none beyond the end.
    void ProveriDoseg(const Prozor* prozor, const char* kada)
    {
        QScrollBar* h = Povrsina()->horizontalScrollBar();
        QScrollBar* v = Povrsina()->verticalScrollBar();
        h->setValue(0);
        v->setValue(0);
        const QRect sadrzaj = Sadrzaj(prozor);
        const QSize pogled = Povrsina()->viewport()->size();
        SCOPED_TRACE(std::string(GetParam()) + " " + kada);
        Snimi(kada);
        BezPreklapanja(prozor);
        EXPECT_GE(sadrzaj.left(), 0);
        EXPECT_GE(sadrzaj.top(), 0);
        EXPECT_LE(sadrzaj.right() + 1, pogled.width() + (h->isVisible() ? h->maximum() : 0));
        EXPECT_LE(sadrzaj.bottom() + 1, pogled.height() + (v->isVisible() ? v->maximum() : 0));

        // Scrolled to the end, the farthest corner of the controls is in view.
        h->setValue(h->maximum());
        v->setValue(v->maximum());
        const QRect kraj = Sadrzaj(prozor);
        EXPECT_TRUE(QRect(QPoint(0, 0), pogled).contains(kraj.bottomRight()))
            << "the farthest corner " << kraj.right() << "," << kraj.bottom() << " outside "
            << pogled.width() << " x " << pogled.height();
        h->setValue(0);
        v->setValue(0);
    }

};

TEST_P(Obim, EveryControlCanBeScrolledIntoViewAtTheDesignSizeAndAt200Percent)
{
    Prozor* prozor = Otvori();
    ASSERT_TRUE(prozor);
    ASSERT_EQ(prozor->Zum()->Procenat(), Uvelicanje::Najmanje);
    ProveriDoseg(prozor, "at 100 %");
    // On a full-HD screen at the scale of 1 the design fits: nothing scrolls.
    if (prozor->screen()->geometry().height() >= 1080) {
        EXPECT_FALSE(Povrsina()->horizontalScrollBar()->isVisible());
        EXPECT_FALSE(Povrsina()->verticalScrollBar()->isVisible());
    }

    for (int i = 0; i < 10; ++i)
        QTest::keyClick(prozor, Qt::Key_Plus, Qt::ControlModifier);
    ASSERT_EQ(prozor->Zum()->Procenat(), Uvelicanje::Najvise);
    Smiri();
    ProveriDoseg(prozor, "at 200 %");
    // A window of fixed places outgrows the area; a layout may still fit.
    if (!prozor->layout()) {
        EXPECT_TRUE(Povrsina()->verticalScrollBar()->isVisible());
    }

    // The zoom is kept: in the settings for the next start, and the next window opens at it.
    EXPECT_EQ(QSettings().value(QStringLiteral("Izgled/Uvelicanje")).toInt(), Uvelicanje::Najvise);
    Otvori();
    prozor = qobject_cast<Prozor*>(Povrsina()->activeSubWindow()->widget());
    ASSERT_TRUE(prozor);
    EXPECT_EQ(prozor->Zum()->Procenat(), Uvelicanje::Najvise);
    ProveriDoseg(prozor, "opened at 200 %");

    // Back at the design size the area scrolls no more than the design itself needs.
    QTest::keyClick(prozor, Qt::Key_0, Qt::ControlModifier);
    Smiri();
    EXPECT_EQ(prozor->Zum()->Procenat(), Uvelicanje::Najmanje);
    ProveriDoseg(prozor, "back at 100 %");
    if (prozor->screen()->geometry().height() >= 1080) {
        EXPECT_FALSE(Povrsina()->verticalScrollBar()->isVisible());
    }
}

INSTANTIATE_TEST_SUITE_P(Aktivnosti, Obim,
    ::testing::Values("Znak_1", "TestSaZnakovima", "TeorijaB", "SituacijeP", "RaskrsniceP", "IspitB"),
    [](const auto& info) { return std::string(info.param); });

// Tab through a zoomed window: the area keeps the control with the focus in view.
TEST_P(Obim, TheFocusedControlIsScrolledIntoView)
{
    Prozor* prozor = Otvori();
    ASSERT_TRUE(prozor);
    for (int i = 0; i < 10; ++i)
        QTest::keyClick(prozor, Qt::Key_Plus, Qt::ControlModifier);
    const QRect pogled = Povrsina()->viewport()->rect();
    for (int i = 0; i < 25; ++i) {
        QWidget* fokus = QApplication::focusWidget();
        ASSERT_TRUE(fokus);
        QTest::keyClick(fokus, Qt::Key_Tab);
        fokus = QApplication::focusWidget();
        ASSERT_TRUE(fokus);
        Smiri();
        const QRect mesto = Vidljivo(fokus, prozor);
        EXPECT_TRUE(pogled.contains(mesto.topLeft())
            && (pogled.contains(mesto.bottomRight()) || mesto.height() > pogled.height() || mesto.width() > pogled.width()))
            << GetParam() << ": " << fokus->objectName().toStdString() << " at " << mesto.x() << "," << mesto.y()
            << " " << mesto.width() << " x " << mesto.height();
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_0, Qt::ControlModifier);
}

// Ctrl with the wheel zooms a window that has no scrolling panel of its own: a notch a step.
// A window laid out by a layout needs only the layout's minimum: after a zoom there and back
// it still shrinks with the main window, and the area scrolls only below that minimum.
TEST_F(Obim, AWindowWithALayoutShrinksWithTheMainWindow)
{
    for (const char* stavka : { "IspitB", "NapredakPregled" }) {
        SCOPED_TRACE(stavka);
        Komanda(glavni, QLatin1String(stavka));
        auto* prozor = qobject_cast<Prozor*>(Povrsina()->activeSubWindow()->widget());
        ASSERT_TRUE(prozor);
        QTest::keyClick(prozor, Qt::Key_Plus, Qt::ControlModifier);
        QTest::keyClick(prozor, Qt::Key_0, Qt::ControlModifier);
        Smiri();
        const QSize najmanje = prozor->layout()->totalMinimumSize();
        glavni->showNormal();
        glavni->resize(glavni->size() - QSize(120, 120));
        Smiri();
        const QSize pogled = Povrsina()->viewport()->size();
        if (pogled.width() >= najmanje.width() && pogled.height() >= najmanje.height()) {
            EXPECT_FALSE(Povrsina()->verticalScrollBar()->isVisible());
            EXPECT_FALSE(Povrsina()->horizontalScrollBar()->isVisible());
            EXPECT_EQ(Povrsina()->activeSubWindow()->size(), pogled);
        } else {
            EXPECT_TRUE(Povrsina()->verticalScrollBar()->isVisible() || Povrsina()->horizontalScrollBar()->isVisible());
        }
        glavni->showMaximized();
        Smiri();
    }
}

// The splash keeps its size.
TEST_F(Obim, CtrlWheelZoomsAWindowWithoutAPanel)
{
    Komanda(glavni, QStringLiteral("OProgramu"));
    Prozor* prozor = glavni->findChild<Uvodna*>();
    ASSERT_TRUE(prozor);
    auto tocak = [&](int ugao, Qt::KeyboardModifiers mod) {
        const QPointF mesto(10, 10);
        QWheelEvent dogadjaj(mesto, prozor->mapToGlobal(mesto), {}, { 0, ugao }, Qt::NoButton, mod,
            Qt::NoScrollPhase, false);
        QApplication::sendEvent(prozor, &dogadjaj);
    };
    tocak(120, Qt::ControlModifier);
    EXPECT_EQ(prozor->Zum()->Procenat(), Uvelicanje::Najmanje) << "the splash";

    Komanda(glavni, QStringLiteral("RaskrsniceP"));
    prozor = qobject_cast<Prozor*>(Povrsina()->activeSubWindow()->widget());
    ASSERT_TRUE(prozor);
    tocak(120, Qt::ControlModifier);
    EXPECT_EQ(prozor->Zum()->Procenat(), Uvelicanje::Najmanje + Uvelicanje::Korak);
    tocak(60, Qt::ControlModifier);
    EXPECT_EQ(prozor->Zum()->Procenat(), Uvelicanje::Najmanje + Uvelicanje::Korak);
    tocak(60, Qt::ControlModifier);
    EXPECT_EQ(prozor->Zum()->Procenat(), Uvelicanje::Najmanje + 2 * Uvelicanje::Korak);
    tocak(-240, Qt::ControlModifier);
    EXPECT_EQ(prozor->Zum()->Procenat(), Uvelicanje::Najmanje);
    tocak(120, Qt::NoModifier);
    EXPECT_EQ(prozor->Zum()->Procenat(), Uvelicanje::Najmanje);
}

}  // namespace
