#include "shell/Prozor.h"

#include "content/Module1.h"
#include "shell/Poruke.h"

#include <QMainWindow>
#include <QMdiSubWindow>

Prozor::Prozor(QWidget* parent)
    : QWidget(parent)
{
}

void Prozor::Neuspeh(const QString& poruka)
{
    auto* okvir = qobject_cast<QMdiSubWindow*>(parentWidget());
    if (!okvir) {
        if (!m_ucitan)
            return;
        m_ucitan = false;
        Poruke::Greska(GlavniProzor(), poruka);
        return;
    }
    Poruke::Greska(GlavniProzor(), poruka);
    okvir->close();
}

void Prozor::NeuspehUcitavanja()
{
    Neuspeh(Module1::PorukaGreske);
}

QMainWindow* Prozor::GlavniProzor() const
{
    for (QWidget* w = parentWidget(); w; w = w->parentWidget()) {
        if (auto* glavni = qobject_cast<QMainWindow*>(w))
            return glavni;
    }
    return nullptr;
}
