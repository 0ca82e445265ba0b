#pragma once

#include "content/Module1.h"
#include "model/Presuda.h"
#include "napredak/Zapis.h"

#include <QKeySequence>
#include <QWidget>

#include <functional>
#include <utility>
#include <vector>

class QKeyEvent;
class QWheelEvent;
class QLabel;
class QMainWindow;
class QPushButton;
class Uvelicanje;

// Base of the windows that live inside the main window: the splash and the activity windows.
// The main window creates one, sets its heading, calls Ucitaj() and shows the window, or
// tells the user what went wrong and drops it.
class Prozor : public QWidget {
    Q_OBJECT
public:
    explicit Prozor(QWidget* parent = nullptr);

    // The keys of "Provera" and "Nov TEST" in every test window.
    static inline const QKeySequence TasterProvere { Qt::Key_F5 };
    static inline const QKeySequence TasterNovogTesta { Qt::Key_F6 };

    // The heading label whose caption the main window sets when it opens the window.
    virtual QLabel* Naslov() const = 0;

    // The window's load: composes its first content. Any progress window is closed again
    // before it returns.
    virtual Module1::Greska Ucitaj() { return {}; }

    // Runs whenever the window becomes the active child of the main window.
    virtual void Form_Activate() {}

    // Where the window hands the answered questions of every checked test; none by default.
    using Zapisnik = std::function<void(const std::vector<Napredak::Odgovor>&)>;
    void PostaviZapisnik(Zapisnik zapisnik) { m_zapisnik = std::move(zapisnik); }

    // The window's zoom (Ctrl++, Ctrl+-, Ctrl+0; Ctrl+wheel where no panel takes the wheel).
    Uvelicanje* Zum() const { return m_zum; }

    // The room the window's controls take: from its corner to the far edges of the farthest,
    // or the minimum of the layout that places them.
    QSize Obim() const;
    // The window never gets smaller than its controls: where the main window's area is
    // smaller, the area scrolls instead of cutting the window off. Follows the zoom.
    void DrziObim();

signals:
    // The outcome of the last check as one line for the main window ("Tačno 7 od 10"), or an
    // empty text once a new test has cleared it.
    void Rezultat(const QString& tekst);

protected:
    // Announces the verdict of a check; jedinica names what was counted ("polja") when the
    // test counts something other than questions.
    void ObjaviRezultat(const Presuda& presuda, const QString& jedinica = {});
    // A new test: the last result no longer holds.
    void PonistiRezultat();
    // "Nov TEST": the last result cleared, the next test composed at the design size. On a
    // failure the user is told and the window closes: false.
    bool NoviSastav(const std::function<Module1::Greska()>& sastavi);
    // Hands the answers of a checked test to the Zapisnik, if there is one and there are answers.
    void Zabelezi(const std::vector<Napredak::Odgovor>& odgovori) const
    {
        if (m_zapisnik && !odgovori.empty())
            m_zapisnik(odgovori);
    }

    // A failure after the window was shown: tells the user, then closes the window.
    void Neuspeh(const Module1::Greska& greska);
    // The main window around this child, or nullptr while the window stands alone.
    QMainWindow* GlavniProzor() const;

    // The key that clicks dugme wherever the keyboard focus is inside the window; the
    // button's tooltip names it, its caption stays.
    void Taster(QPushButton* dugme, const QKeySequence& taster);
    bool event(QEvent* dogadjaj) override;
    void keyPressEvent(QKeyEvent* dogadjaj) override;
    void wheelEvent(QWheelEvent* dogadjaj) override;

private:
    Zapisnik m_zapisnik;
    std::vector<std::pair<QKeySequence, QPushButton*>> m_tasteri;
    Uvelicanje* m_zum = nullptr;
};
