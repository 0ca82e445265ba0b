// Progres: the small loading window with a disc and a percentage.
//
// A separate top-most tool window (not a child of the main window) with an empty caption
// and a 125 x 125 pixel client area. Ucitavanje(value, maximum) draws at once: a red disc
// sector for the part still to do, a green one for the part done (from 1 degree, so a
// 1-degree red sliver stays at 100 percent), blue outlines, and the percentage in bold
// 20 pt. The disc has radius 1000 around (1000, 1000) and the text stands at (700, 700)
// in drawing units; 2100 units (the disc and a margin of 50) span the client area.
//
// Callers compose without returning to the event loop, so Ucitavanje repaints at once. A
// step drawn once (the same value, maximum and size) is copied the next time it is shown.
// Usual use, with the window unloaded on every way out of the scope:
//     Progres::Prikaz progres(this);
//     progres.Ucitavanje(0, 100); ...
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>
#include <QtGlobal>

#include <optional>

class Progres : public QWidget {
    Q_OBJECT
public:
    // Client area in pixels (1875 twips).
    static constexpr int Strana = 125;

    // A disc sector in degrees, counter-clockwise from the direction to the right.
    struct Isecak {
        double pocetak;
        double raspon;
    };

    // Form_Load: a top-most tool window; parent only owns it (it is not a child window).
    explicit Progres(QWidget* parent = nullptr);

    // Redraws the disc and the percentage now. 0 <= value <= maximum, maximum > 0.
    void Ucitavanje(qint16 value, qint16 maximum);

    qint16 Vrednost() const { return m_vrednost; }
    qint16 Maksimum() const { return m_maksimum; }

    // value / maximum * 360 degrees, single precision.
    static float Ugao(qint16 value, qint16 maximum);
    // value / maximum * 100 rounded to the nearest integer, halves to the even one, and "%".
    static QString Procenat(qint16 value, qint16 maximum);
    // The red sector: from the angle counter-clockwise through 360 on to 1 degree.
    static Isecak Preostalo(float ugao);
    // The green sector: from 1 degree to the angle; none while the angle is not above 1.
    static std::optional<Isecak> Uradjeno(float ugao);

    // Opens a progress window for a scope and unloads it at the end of the scope.
    class Prikaz {
    public:
        explicit Prikaz(QWidget* vlasnik = nullptr);
        ~Prikaz();
        Prikaz(const Prikaz&) = delete;
        Prikaz& operator=(const Prikaz&) = delete;
        void Ucitavanje(qint16 value, qint16 maximum);
        Progres* Prozor() const { return m_prozor; }

    private:
        QPointer<Progres> m_prozor;
    };

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The disc and the percentage over the background, in the window's own coordinates.
    void Nacrtaj(QPainter& p, const QColor& pozadina) const;

    qint16 m_vrednost = 0;
    qint16 m_maksimum = 100;
    bool m_crtaj = false;  // nothing is drawn before the first Ucitavanje
};
