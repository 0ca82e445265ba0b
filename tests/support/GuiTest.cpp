#include "GuiTest.h"

void GuiTest::TearDown()
{
    // Windows the test owns are deleted by the test; those that delete themselves on closing
    // go now.
    for (QWidget* w : QApplication::topLevelWidgets())
        w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

int GuiTest::OtvoreniProgresi()
{
    int n = 0;
    for (QWidget* w : QApplication::allWidgets())
        if (qobject_cast<Progres*>(w) && w->isVisible())
            ++n;
    return n;
}

bool PracenjeProgresa::eventFilter(QObject* o, QEvent* e)
{
    if (e->type() == QEvent::Paint) {
        if (auto* p = qobject_cast<Progres*>(o)) {
            const std::pair<int, int> k { p->Vrednost(), p->Maksimum() };
            if (koraci.empty() || koraci.back() != k)
                koraci.push_back(k);
        }
    }
    return false;
}
