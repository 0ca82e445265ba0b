#pragma once

#include <QWidget>

class QLabel;
class QMainWindow;

// Base of the windows that live inside the main window: the splash and the activity windows.
class Prozor : public QWidget {
    Q_OBJECT
public:
    explicit Prozor(QWidget* parent = nullptr);

    // The heading label whose caption the main window sets when it opens the window.
    virtual QLabel* Naslov() const = 0;

    // Runs whenever the window becomes the active child of the main window.
    virtual void Form_Activate() {}

    // False when loading failed; the window has told the user and must not be shown.
    bool Ucitan() const { return m_ucitan; }

protected:
    // Reports a failure to the user and closes the window (unloading it); while the window
    // loads, it is also marked unusable, so the main window drops it.
    void Neuspeh(const QString& poruka);
    // A failure of the content store while loading, with its message.
    void NeuspehUcitavanja();
    // The main window around this child, or nullptr while the window stands alone.
    QMainWindow* GlavniProzor() const;

private:
    bool m_ucitan = true;
};
