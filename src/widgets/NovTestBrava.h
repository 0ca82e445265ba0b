// NovTestBrava: the 5-second lock of a "Nov TEST" button.
//
// Zakljucaj() disables the button and starts the window's single-shot timer `Timer1`
// (5000 ms); its tick, Timer1_Timer(), enables the button again and stops the timer.
#pragma once

#include <QObject>
#include <QPointer>

class QAbstractButton;
class QTimer;

class NovTestBrava : public QObject {
    Q_OBJECT
public:
    static constexpr int Interval = 5000;  // ms

    // The timer `Timer1` is created as a child of prozor (the window), so it stops with it.
    NovTestBrava(QAbstractButton* dugme, QObject* prozor);

    // Disables the button and starts Timer1.
    void Zakljucaj();
    // End of the lock: enables the button, stops Timer1.
    void Timer1_Timer();

    QTimer* Timer1() const { return m_timer; }
    bool Zakljucano() const;

private:
    QPointer<QAbstractButton> m_dugme;
    QTimer* m_timer = nullptr;
};
