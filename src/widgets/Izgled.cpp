#include "widgets/Izgled.h"

#include <QLabel>
#include <QPushButton>

namespace Izgled {

QRect Tvipovi(int levo, int vrh, int sirina, int visina)
{
    return { Tvip(levo), Tvip(vrh), Tvip(sirina), Tvip(visina) };
}

QFont Arial(qreal tacke, bool podebljan)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(tacke);
    font.setBold(podebljan);
    return font;
}

void BojaTeksta(QWidget* w, const QColor& tekst)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, tekst);
    p.setColor(QPalette::Text, tekst);
    p.setColor(QPalette::ButtonText, tekst);
    w->setPalette(p);
}

void Pozadina(QWidget* w, const QColor& pozadina)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, pozadina);
    p.setColor(QPalette::Base, pozadina);
    p.setColor(QPalette::Button, pozadina);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

void Boje(QWidget* w, const QColor& tekst, const QColor& pozadina)
{
    BojaTeksta(w, tekst);
    Pozadina(w, pozadina);
}

void Naslov(QLabel* label)
{
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setFont(Arial(18, true));
    Boje(label, QColor(128, 128, 255), Qt::black);
}
}

namespace Izgled {

QPushButton* Dugme(QWidget* roditelj, const QString& ime, const QString& natpis, const QRect& mesto,
    const QFont& font)
{
    auto* dugme = new QPushButton(natpis, roditelj);
    dugme->setObjectName(ime);
    dugme->setGeometry(mesto);
    dugme->setFont(font);
    dugme->setCursor(Qt::PointingHandCursor);
    LiceDugmeta(dugme, BojaDugmeta);
    return dugme;
}

void LiceDugmeta(QPushButton* dugme, const QColor& boja)
{
    const QString rgb = QStringLiteral("rgb(%1, %2, %3)").arg(boja.red()).arg(boja.green()).arg(boja.blue());
    dugme->setStyleSheet(QStringLiteral(
        "QPushButton { background-color: %1; border: 2px outset %1; padding: 0px; }"
        "QPushButton:pressed { border-style: inset; }"
        "QPushButton:disabled { color: rgb(128, 128, 128); }").arg(rgb));
}
}
