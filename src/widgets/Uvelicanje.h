#pragma once

#include "widgets/Zupci.h"

#include <QFont>
#include <QObject>
#include <QPixmap>
#include <QPointer>
#include <QRect>

#include <functional>
#include <vector>

class QWidget;

// The zoom of an activity window, 100 % to 200 %: every control's place and size, every
// font set on a control and every picture shown at its own size grow by the same factor,
// pictures smoothly resampled. The design values are taken from the window at 100 % when
// the zoom first leaves it; a change of content (a new test) is made at 100 % through
// UDizajnu(), so at 100 % everything is exactly as designed.
class Uvelicanje : public QObject {
    Q_OBJECT
public:
    static constexpr int Najmanje = 100;
    static constexpr int Najvise = 200;
    static constexpr int Korak = 10;

    explicit Uvelicanje(QWidget* prozor);

    int Procenat() const { return m_procenat; }
    // Clamped to Najmanje..Najvise; kept in the settings for the next start.
    void Postavi(int procenat);
    void Uvecaj() { Postavi(m_procenat + Korak); }
    void Umanji() { Postavi(m_procenat - Korak); }
    // A turn of the wheel by ugao eighths of a degree (120 per notch, as
    // QWheelEvent::angleDelta): one step per notch, away from the user enlarges. Finer
    // wheels add up to whole notches.
    void Okreni(int ugao);

    // Runs izmena with the window at its design size, then returns to the zoom, with the
    // design values taken afresh.
    void UDizajnu(const std::function<void()>& izmena);

    // The zoom kept from the last run (100 when none).
    static int Sacuvano();

signals:
    // After the window took a new zoom.
    void Promenjeno(int procenat);

private:
    struct Dizajn {
        QPointer<QWidget> w;
        QRect geometrija;
        QSize najmanje;  // the size limits a layout keeps it in
        QSize najvise;
        bool svojFont = false;
        QFont font;
        QPixmap slika;  // a picture the label shows at its own size
    };

    void Zapamti();
    void Primeni(int procenat);

    QWidget* m_prozor;
    int m_procenat = Najmanje;
    Zupci m_zupci;
    std::vector<Dizajn> m_dizajn;
};
