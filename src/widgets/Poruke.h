#pragma once

#include <QString>
#include <functional>

class QWidget;

// Message boxes of the program. Tests replace the shower so that nothing blocks.
namespace Poruke {
using Prikaz = std::function<void(QWidget* parent, const QString& tekst)>;

// Shows a modal error message with an OK button and the program's title.
void Greska(QWidget* parent, const QString& tekst);

// Replaces the shower; an empty function restores the message box. Returns the previous one.
Prikaz PostaviPrikaz(Prikaz prikaz);

// Asks a yes/no question (modal, the program's title, "No" by default); true for yes.
using Upit = std::function<bool(QWidget* parent, const QString& tekst)>;
bool Pitanje(QWidget* parent, const QString& tekst);
// Replaces the asker; an empty function restores the message box. Returns the previous one.
Upit PostaviUpit(Upit upit);
}
