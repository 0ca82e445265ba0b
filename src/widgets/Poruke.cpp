#include "widgets/Poruke.h"

#include <QApplication>
#include <QMessageBox>

namespace Poruke {
namespace {
Prikaz& prikaz()
{
    static Prikaz p;
    return p;
}
}

void Greska(QWidget* parent, const QString& tekst)
{
    if (prikaz()) {
        prikaz()(parent, tekst);
        return;
    }
    QMessageBox::warning(parent, QApplication::applicationName(), tekst, QMessageBox::Ok);
}

Prikaz PostaviPrikaz(Prikaz novi)
{
    return std::exchange(prikaz(), std::move(novi));
}
}
