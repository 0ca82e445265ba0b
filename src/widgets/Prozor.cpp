#include "widgets/Prozor.h"

#include "widgets/Poruke.h"

#include <QMainWindow>
#include <QMdiSubWindow>

Prozor::Prozor(QWidget* parent)
    : QWidget(parent)
{
}

void Prozor::Neuspeh(const Module1::Greska& greska)
{
    Poruke::Greska(GlavniProzor(), greska.ZaKorisnika());
    if (auto* podprozor = qobject_cast<QMdiSubWindow*>(parentWidget()))
        podprozor->close();
    else
        close();
}

QMainWindow* Prozor::GlavniProzor() const
{
    for (QWidget* w = parentWidget(); w; w = w->parentWidget()) {
        if (auto* glavni = qobject_cast<QMainWindow*>(w))
            return glavni;
    }
    return nullptr;
}
