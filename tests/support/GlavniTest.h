// The base of the widget tests that drive the whole program: its main window over the
// program's own content, and its activities opened by their menu items. A test using it links
// karuvel_shell.
#pragma once

#include "GuiTest.h"
#include "shell/Karuvel.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>

class GlavniTest : public GuiTest {
protected:
    // Makes and shows the main window (maximised when asked) and makes it the active one; it
    // is closed, and so deleted, after the test.
    void NapraviGlavni(bool maksimizovan = false)
    {
        Module1::PostaviIzvor({});
        glavni = new Karuvel(Seme());
        glavni->setAttribute(Qt::WA_DeleteOnClose);
        if (maksimizovan)
            glavni->showMaximized();
        else
            glavni->show();
        QApplication::setActiveWindow(glavni);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(glavni));
    }

    // Chooses the menu item `stavka`; the activity window it opened, when it is a T.
    template <class T>
    T* OtvoriAktivnost(const char* stavka)
    {
        Komanda(glavni, QLatin1String(stavka));
        QMdiSubWindow* pod = glavni->Povrsina()->activeSubWindow();
        T* prozor = pod ? qobject_cast<T*>(pod->widget()) : nullptr;
        EXPECT_TRUE(prozor) << stavka;
        return prozor;
    }

    Karuvel* glavni = nullptr;
};
