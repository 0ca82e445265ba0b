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

namespace {
Upit& upit()
{
    static Upit u;
    return u;
}
}

bool Pitanje(QWidget* parent, const QString& tekst)
{
    if (upit())
        return upit()(parent, tekst);
    return QMessageBox::question(parent, QApplication::applicationName(), tekst, QMessageBox::Yes | QMessageBox::No,
               QMessageBox::No)
        == QMessageBox::Yes;
}

Upit PostaviUpit(Upit novi)
{
    return std::exchange(upit(), std::move(novi));
}
}
