// Preloaded into a Qt program (LD_PRELOAD), it prints the nanoseconds from KARUVEL_POCETAK
// (a steady-clock time in ns) to the first paint of a widget, and ends the program there.
// KARUVEL_PRVI_CRTEZ names the widget class waited for; unset, any widget counts.
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <unistd.h>

namespace {

class Stoperica : public QObject {
protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (m_videno || e->type() != QEvent::Paint || !o->isWidgetType())
            return false;
        const QByteArray klasa = qgetenv("KARUVEL_PRVI_CRTEZ");
        if (!klasa.isEmpty() && !o->inherits(klasa.constData()))
            return false;
        // The time is taken once the whole window has been painted (its children come after
        // it in the same pass) and put on the screen: at the next turn of the event loop.
        m_videno = true;
        QTimer::singleShot(0, [] {
            const long long sada = std::chrono::duration_cast<std::chrono::nanoseconds>(
                std::chrono::steady_clock::now().time_since_epoch()).count();
            std::printf("%lld\n", sada - qgetenv("KARUVEL_POCETAK").toLongLong());
            std::fflush(stdout);
            _exit(0);
        });
        return false;
    }

private:
    bool m_videno = false;
};

void Postavi()
{
    QCoreApplication::instance()->installEventFilter(new Stoperica);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(Postavi)
