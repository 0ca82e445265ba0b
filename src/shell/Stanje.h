#pragma once

#include <QByteArray>
#include <QtGlobal>

// Program-wide values that the main window sets right before it creates an activity
// window; the window reads them while it loads and resets its own count when it closes.
namespace Stanje {
inline QByteArray Kategorija;   // "B", "CD" or "T"
inline qint16 BrojPitanjaT = 0; // theory questions per cycle
inline qint16 BrojPitanjaS = 0; // situation questions per cycle
inline qint16 BrojPitanjaR = 0; // intersections per test
}
