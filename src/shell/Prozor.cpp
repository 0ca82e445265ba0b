#include "shell/Prozor.h"

#include "content/Module1.h"
#include "shell/Poruke.h"

#include <QMainWindow>

Prozor::Prozor(QWidget* parent)
    : QWidget(parent)
{
}

void Prozor::NeuspehUcitavanja()
{
    if (!m_ucitan)
        return;
    m_ucitan = false;
    Poruke::Greska(GlavniProzor(), Module1::PorukaGreske);
}

QMainWindow* Prozor::GlavniProzor() const
{
    for (QWidget* w = parentWidget(); w; w = w->parentWidget()) {
        if (auto* glavni = qobject_cast<QMainWindow*>(w))
            return glavni;
    }
    return nullptr;
}
