#include "widgets/Prozor.h"

#include "content/Module1.h"
#include "widgets/Poruke.h"

#include <QMainWindow>
#include <QMdiSubWindow>

Prozor::Prozor(QWidget* parent)
    : QWidget(parent)
{
}

void Prozor::Neuspeh(const QString& poruka)
{
    if (!m_ucitan)
        return;
    Poruke::Greska(GlavniProzor(), poruka);
    if (auto* okvir = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        okvir->close();
        return;
    }
    // Still loading, or standing alone: the main window will not show it.
    m_ucitan = false;
    close();
}

void Prozor::NeuspehUcitavanja()
{
    Neuspeh(Module1::PorukaZaKorisnika());
}

QMainWindow* Prozor::GlavniProzor() const
{
    for (QWidget* w = parentWidget(); w; w = w->parentWidget()) {
        if (auto* glavni = qobject_cast<QMainWindow*>(w))
            return glavni;
    }
    return nullptr;
}
