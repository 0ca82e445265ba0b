#include "widgets/Uvelicanje.h"

#include <QLabel>
#include <QSettings>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace {
const QString Kljuc = QStringLiteral("Izgled/Uvelicanje");

int Puta(int v, double f)
{
    return static_cast<int>(std::lround(v * f));
}

// The zoom kept in the settings, read once.
int& Zapamceno()
{
    static int procenat = std::clamp(QSettings().value(Kljuc, Uvelicanje::Najmanje).toInt(),
        Uvelicanje::Najmanje, Uvelicanje::Najvise);
    return procenat;
}
}

Uvelicanje::Uvelicanje(QWidget* prozor)
    : QObject(prozor)
    , m_prozor(prozor)
{
}

int Uvelicanje::Sacuvano()
{
    return Zapamceno();
}

void Uvelicanje::Postavi(int procenat)
{
    procenat = std::clamp(procenat, Najmanje, Najvise);
    if (procenat != Zapamceno()) {
        Zapamceno() = procenat;
        QSettings().setValue(Kljuc, procenat);
    }
    if (procenat == m_procenat)
        return;
    if (m_procenat == Najmanje)
        Zapamti();
    Primeni(procenat);
}

void Uvelicanje::Okreni(int ugao)
{
    if (const int zupci = m_zupci.Dodaj(ugao))
        Postavi(m_procenat + zupci * Korak);
}

void Uvelicanje::UDizajnu(const std::function<void()>& izmena)
{
    const int procenat = m_procenat;
    if (procenat != Najmanje)
        Primeni(Najmanje);
    izmena();
    if (procenat != Najmanje && m_prozor) {
        Zapamti();
        Primeni(procenat);
    }
}

void Uvelicanje::Zapamti()
{
    m_dizajn.clear();
    for (QWidget* w : m_prozor->findChildren<QWidget*>()) {
        if (w->isWindow())
            continue;
        Dizajn d;
        d.w = w;
        d.geometrija = w->geometry();
        d.najmanje = w->minimumSize();
        d.najvise = w->maximumSize();
        d.svojFont = w->testAttribute(Qt::WA_SetFont);
        d.font = w->font();
        if (auto* label = qobject_cast<QLabel*>(w); label && !label->hasScaledContents())
            d.slika = label->pixmap();
        m_dizajn.push_back(d);
    }
}

void Uvelicanje::Primeni(int procenat)
{
    const double f = procenat / 100.0;
    for (const Dizajn& d : m_dizajn) {
        if (!d.w)
            continue;
        const QRect& g = d.geometrija;
        // A control of fixed size in a layout grows with the zoom as well.
        if (!d.najmanje.isNull())
            d.w->setMinimumSize(Puta(d.najmanje.width(), f), Puta(d.najmanje.height(), f));
        if (d.najvise != QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX))
            d.w->setMaximumSize(std::min(QWIDGETSIZE_MAX, Puta(d.najvise.width(), f)), std::min(QWIDGETSIZE_MAX, Puta(d.najvise.height(), f)));
        d.w->setGeometry(Puta(g.x(), f), Puta(g.y(), f), Puta(g.width(), f), Puta(g.height(), f));
        if (d.svojFont) {
            QFont font = d.font;
            if (procenat != Najmanje)
                font.setPointSizeF(d.font.pointSizeF() * f);
            d.w->setFont(font);
        }
        if (!d.slika.isNull()) {
            auto* label = static_cast<QLabel*>(d.w.data());
            label->setPixmap(procenat == Najmanje
                    ? d.slika
                    : d.slika.scaled(d.slika.size() * f, Qt::KeepAspectRatio, Qt::SmoothTransformation));
        }
    }
    m_procenat = procenat;
    emit Promenjeno(procenat);
}
