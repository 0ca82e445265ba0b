// Shared helpers of the sign-window tests.
#pragma once

#include "widgets/Progres.h"

#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QString>
#include <QWidget>
#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace ZnakoviPomoc {

// The control of a window by its objectName; fails the test when it is missing.
template <class T = QWidget>
T* Kontrola(const QObject* prozor, const QString& ime)
{
    T* w = prozor->findChild<T*>(ime);
    if (!w)
        ADD_FAILURE() << "no control " << ime.toStdString();
    return w;
}

// Records every (value, maximum) the progress window draws while alive.
class PracenjeProgresa : public QObject {
public:
    PracenjeProgresa() { qApp->installEventFilter(this); }
    ~PracenjeProgresa() override { qApp->removeEventFilter(this); }
    std::vector<std::pair<int, int>> koraci;

protected:
    bool eventFilter(QObject* o, QEvent* e) override
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
};

// Progress windows still open anywhere in the program.
inline int OtvoreniProgresi()
{
    int n = 0;
    for (QWidget* w : QApplication::allWidgets())
        if (qobject_cast<Progres*>(w) && w->isVisible())
            ++n;
    return n;
}

}  // namespace ZnakoviPomoc
