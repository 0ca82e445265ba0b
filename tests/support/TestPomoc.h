#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QWidget;

// Helpers for widget tests.
namespace TestPomoc {

// Sends a wheel event of `ugao` eighths of a degree (120 per notch, positive away from the user)
// to the middle of `prozor`. Qt does not pass synthesized wheel events on to parents, so send it
// to the widget whose handling is under test.
void Tocak(QWidget* prozor, int ugao, Qt::KeyboardModifiers modifikatori = Qt::NoModifier);

// Types the text one key event per character; works for letters outside Latin-1 such as č.
void Kucaj(QWidget* w, const QString& tekst);

// Collects the program's error messages instead of showing message boxes, for its lifetime,
// and how many progress windows were visible when each message came.
class Poruke {
public:
    Poruke();
    ~Poruke();
    Poruke(const Poruke&) = delete;
    Poruke& operator=(const Poruke&) = delete;
    const QStringList& Primljene() const { return m_primljene; }
    // Element i: visible progress windows at the moment message i was shown.
    const QList<int>& ProgresiPriPoruci() const { return m_progresi; }

private:
    QStringList m_primljene;
    QList<int> m_progresi;
};
}
