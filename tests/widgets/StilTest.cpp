#include "widgets/Stil.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPainter>
#include <QStyleFactory>
#include <gtest/gtest.h>

#include <memory>

namespace {

QImage Slika(const QIcon& ikona, int strana)
{
    return ikona.pixmap(strana).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// An icon read only when it is drawn still draws as the style's own.
TEST(Stil, StandardIconsDrawAsTheStylesOwn)
{
    Stil stil;
    const std::unique_ptr<QStyle> svoj(QStyleFactory::create(stil.baseStyle()->name()));
    ASSERT_TRUE(svoj);
    for (const QStyle::StandardPixmap vrsta : { QStyle::SP_TitleBarMenuButton, QStyle::SP_TitleBarCloseButton,
             QStyle::SP_TitleBarNormalButton, QStyle::SP_MessageBoxCritical, QStyle::SP_MessageBoxQuestion }) {
        SCOPED_TRACE(vrsta);
        const QIcon ikona = stil.standardIcon(vrsta);
        const QIcon izvorna = svoj->standardIcon(vrsta);
        ASSERT_FALSE(ikona.isNull());
        EXPECT_EQ(ikona.availableSizes(), izvorna.availableSizes());
        for (const int strana : { 16, 32 }) {
            EXPECT_EQ(ikona.actualSize(QSize(strana, strana)), izvorna.actualSize(QSize(strana, strana)));
            EXPECT_EQ(Slika(ikona, strana), Slika(izvorna, strana)) << strana;
        }
        // Painted straight onto a device, as a menu paints it.
        auto naslikana = [](const QIcon& i) {
            QImage slika(32, 32, QImage::Format_ARGB32_Premultiplied);
            slika.fill(Qt::transparent);
            QPainter p(&slika);
            i.paint(&p, QRect(0, 0, 32, 32));
            return slika;
        };
        EXPECT_EQ(naslikana(ikona), naslikana(izvorna));
    }
}

// A sub-window's menu under the style carries the title bar icons.
TEST(Stil, ASubWindowsMenuShowsItsIcons)
{
    QApplication::setStyle(new Stil);
    QMdiArea povrsina;
    QMdiSubWindow* podprozor = povrsina.addSubWindow(new QWidget);
    ASSERT_NE(podprozor->systemMenu(), nullptr);
    int saIkonom = 0;
    for (QAction* a : podprozor->systemMenu()->actions())
        if (!a->icon().isNull() && !a->icon().pixmap(16).isNull())
            ++saIkonom;
    EXPECT_GE(saIkonom, 3);
}

}  // namespace
