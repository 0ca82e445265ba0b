// The base of every widget test: fixture record files instead of the program's, a fixed
// seed, the program's messages caught instead of shown, controls found by objectName, and
// every window closed after each test.
#pragma once

#include "Fiksture.h"
#include "TestPomoc.h"
#include "content/Module2.h"
#include "widgets/Progres.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QObject>
#include <QString>
#include <QWidget>
#include <gtest/gtest.h>

#include <utility>
#include <vector>

class GuiTest : public ::testing::Test {
protected:
    void TearDown() override;

    // The engine a window under test draws from.
    static Module2::Generator Seme(std::uint32_t seme = 7) { return Module2::Generator { seme }; }

    // The control of a window by its objectName; fails the test when it is missing.
    template <class T = QWidget>
    static T* Kontrola(const QObject* prozor, const QString& ime)
    {
        T* w = prozor->findChild<T*>(ime);
        if (!w)
            ADD_FAILURE() << "no control " << ime.toStdString();
        return w;
    }

    // Progress windows still open anywhere in the program.
    static int OtvoreniProgresi();

    // "Nov TEST" (the button named `dugme`) on the lock's own timer, shortened: the click
    // locks the button, the timer lets it go again.
    static void NovTestNaTajmeru(QWidget* prozor, const QString& dugme);

    // What a message says below the general one; empty when it does not start with it.
    static QString OpisPoruke(const QString& poruka);

    // Exactly one message came since there were `pre`: the general one with a description
    // that names every word of `reci` below it, shown with no progress window open.
    void ProveriPoruku(qsizetype pre, const QStringList& reci);

    // Chooses the main window's menu command `ime`; windows it closed are gone after.
    static void Komanda(const QObject* glavni, const QString& ime)
    {
        if (QAction* komanda = Kontrola<QAction>(glavni, ime))
            komanda->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // The one window open in the main window's area when it is a T, else nullptr.
    template <class T>
    static T* JedinoOtvoren(const QObject* glavni)
    {
        const auto* povrsina = glavni->findChild<QMdiArea*>();
        const QList<QMdiSubWindow*> w = povrsina ? povrsina->subWindowList() : QList<QMdiSubWindow*>();
        return w.size() == 1 ? qobject_cast<T*>(w.front()->widget()) : nullptr;
    }

    Fiksture::Izvori izvori;
    TestPomoc::Poruke poruke;
};

// Records every (value, maximum) the progress window draws while alive.
class PracenjeProgresa : public QObject {
public:
    PracenjeProgresa() { qApp->installEventFilter(this); }
    ~PracenjeProgresa() override { qApp->removeEventFilter(this); }
    std::vector<std::pair<int, int>> koraci;

protected:
    bool eventFilter(QObject* o, QEvent* e) override;
};
