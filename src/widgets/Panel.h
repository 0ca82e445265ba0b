#pragma once

#include "widgets/Zupci.h"

#include <QObject>

class QScrollBar;
class QWidget;

// The scrolling panel of the windows whose content is taller than the screen (the sign
// catalogue, the theory test, the situation test): a viewport `Picture1` that clips the
// content frame `Frame1` (its child, moved to -value), and the scroll bar `VScroll1` beside
// the viewport. Wheel rotation anywhere over the window moves the panel: an event filter on
// the window (and on the scroll bar, which would otherwise take the wheel itself) consumes
// every wheel event. No timer is involved; the panel only reacts to events.
class Panel : public QObject {
    Q_OBJECT
public:
    // Pixels per wheel notch; one notch moves the content by as many pixels.
    static constexpr int Zubac = Zupci::Zubac;
    static constexpr int Korak = 20;    // arrow step
    static constexpr int Strana = 200;  // page step

    // Creates Picture1 (left 2, top 45, width 767), Frame1 (left 0, top 0, width 765, height
    // visinaSadrzaja) inside it and VScroll1 (left 770, width 18, top vrhTrake: 54 for the
    // sign catalogue, 55 for the tests) as children of prozor, and watches prozor's wheel
    // events. The heights of the viewport and the bar are set by Postavi().
    Panel(QWidget* prozor, int vrhTrake, int visinaSadrzaja);

    QWidget* Picture1() const { return m_picture; }
    QWidget* Frame1() const { return m_frame; }
    QScrollBar* VScroll1() const { return m_vscroll; }

    // Height of the content frame (the catalogue computes it per category); call Postavi()
    // afterwards.
    void PostaviVisinuSadrzaja(int visina);

    // The set-up, in this order: viewport height := screen height - 120; bar height :=
    // screen height - 130; minimum 0; maximum := content height - viewport height, rounded
    // half to even, 0 when the content is shorter than the viewport. The screen is the
    // window's screen (the primary screen while the window has none).
    void Postavi();
    void Postavi(double visinaEkrana);

    // Brings a control of the content into view: the least move of the panel that shows
    // all of it (its top when it is taller than the viewport). Called whenever the keyboard
    // focus enters the content.
    void Pokazi(QWidget* kontrola);

    // Keyboard focus to the scroll bar (activation of the test windows).
    void Fokus();
    // Focus to the scroll bar and back to the top (every new test).
    void NaVrh();

    // The end rules of one wheel step, a pure function. d is the wheel amount in pixels,
    // positive when the wheel turns away from the user (towards the top of the content):
    //   1. if 0 <= v - d <= m: v := v - d (rounded half to even);
    //   2. then, if v - d <= 0: v := 0;
    //   3. then, if v - d > m: v := m.
    // So a step that would cross an end lands on it, and a step that leaves the panel less
    // than one further step from an end goes on to that end.
    static int Tocak(int vrednost, int maksimum, double d);

    // Applies wheel rotation of `ugao` eighths of a degree (120 per notch, as
    // QWheelEvent::angleDelta). Fine-grained wheels and touchpads send less than a notch:
    // their amounts are added up here, and every whole notch goes through Tocak() with
    // d = 120; the rest waits for the next event. A change of direction drops the rest.
    void Okreni(int ugao);
    // Rotation received but not yet a whole notch (for tests).
    int Ostatak() const { return m_zupci.Ostatak(); }

protected:
    bool eventFilter(QObject* objekat, QEvent* dogadjaj) override;

private:
    void Pomeri(int vrednost);

    QWidget* m_prozor = nullptr;
    QWidget* m_picture = nullptr;
    QWidget* m_frame = nullptr;
    QScrollBar* m_vscroll = nullptr;
    Zupci m_zupci;
};
