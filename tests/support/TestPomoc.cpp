#include "TestPomoc.h"

#include "widgets/Poruke.h"
#include "widgets/Progres.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWheelEvent>
#include <QWidget>

namespace TestPomoc {

void Tocak(QWidget* prozor, int ugao, Qt::KeyboardModifiers modifikatori)
{
    const QPointF tacka(prozor->width() / 2.0, prozor->height() / 2.0);
    QWheelEvent dogadjaj(tacka, prozor->mapToGlobal(tacka), QPoint(), QPoint(0, ugao), Qt::NoButton,
        modifikatori, Qt::NoScrollPhase, false);
    QApplication::sendEvent(prozor, &dogadjaj);
}

void Kucaj(QWidget* w, const QString& tekst)
{
    for (const QChar c : tekst) {
        QKeyEvent pritisak(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &pritisak);
        QKeyEvent pustanje(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &pustanje);
    }
}

Poruke::Poruke()
{
    ::Poruke::PostaviPrikaz([this](QWidget*, const QString& tekst) {
        m_primljene << tekst;
        int progresi = 0;
        for (QWidget* w : QApplication::allWidgets())
            progresi += qobject_cast<Progres*>(w) && w->isVisible();
        m_progresi << progresi;
    });
}

Poruke::~Poruke()
{
    ::Poruke::PostaviPrikaz({});
}
}
