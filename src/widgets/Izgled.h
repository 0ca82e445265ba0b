#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QRect>

class QLabel;
class QPushButton;
class QWidget;

// Small helpers for the fixed look of the program's windows.
namespace Izgled {
// 15 twips make one pixel; a length in twips becomes the nearest whole pixel.
inline constexpr int TvipaPoPikselu = 15;
inline int Tvip(double tvipovi) { return qRound(tvipovi / TvipaPoPikselu); }
QRect Tvipovi(int levo, int vrh, int sirina, int visina);

QFont Arial(qreal tacke, bool podebljan);
void BojaTeksta(QWidget* w, const QColor& tekst);
// An opaque background with the given text colour.
void Boje(QWidget* w, const QColor& tekst, const QColor& pozadina);
void Pozadina(QWidget* w, const QColor& pozadina);

// A button of the test windows: its face (128, 128, 255), Arial 9.75 bold unless a font is
// given, and the pointing hand.
inline const QColor BojaDugmeta { 128, 128, 255 };
QPushButton* Dugme(QWidget* roditelj, const QString& ime, const QString& natpis, const QRect& mesto,
    const QFont& font = Arial(9.75, true));

// A flat face of one colour with a raised edge, painted so by every widget style.
void LiceDugmeta(QPushButton* dugme, const QColor& boja);

// A picture prepared at build time in the form it is drawn in (karuvel-slika), used in place
// in the program's resources without decoding. A null image when the resource is missing
// or not such a picture.
QImage PripremljenaSlika(const QString& resurs);

// A picture at the size it is drawn at, in device pixels of the given ratio, smoothed as a
// label with scaled contents smooths it, so that a label showing it draws without scaling.
// The picture named `ime` is scaled once for each size (two megabytes of results are kept).
QPixmap UVelicini(const QImage& slika, const QString& ime, const QSize& velicina, qreal razmera);

// The program's icon in the sizes it is shown at, made once from prepared pixels.
const QIcon& Ikona();

// The keyboard focus made visible: while w has the focus a 2-pixel frame of BojaFokusa is
// drawn over its edge. A button also clicks on Enter and Return, as it does on Space.
inline const QColor BojaFokusa { 0, 0, 0 };
inline constexpr int DebljinaFokusa = 2;
void Fokus(QWidget* w);
// A small black sign (such as "✓", "✗" or "▶") in the lower right corner of w, so that a
// state shown by colour is also shown by shape; an empty sign removes it. Implies Fokus(w).
void Znak(QWidget* w, const QString& znak);
QString Znak(const QWidget* w);

// The heading label every activity window carries: 600 wide, centred, Arial 18 bold,
// light blue on black.
void Naslov(QLabel* label);
}
