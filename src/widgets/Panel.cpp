#include "widgets/Panel.h"

#include "widgets/Izgled.h"
#include "widgets/Prozor.h"
#include "widgets/Uvelicanje.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QScrollBar>
#include <QWheelEvent>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace {
// Round to the nearest whole number, ties to even.
int Zaokruzi(double x)
{
    return static_cast<int>(std::nearbyint(x));
}
}

Panel::Panel(QWidget* prozor, int vrhTrake, int visinaSadrzaja)
    : QObject(prozor)
    , m_prozor(prozor)
{
    m_picture = new QWidget(prozor);
    m_picture->setObjectName(QStringLiteral("Picture1"));
    m_picture->setGeometry(2, 45, 767, 0);

    m_frame = new QWidget(m_picture);
    m_frame->setObjectName(QStringLiteral("Frame1"));
    m_frame->setGeometry(0, 0, 765, visinaSadrzaja);

    m_vscroll = new QScrollBar(Qt::Vertical, prozor);
    m_vscroll->setObjectName(QStringLiteral("VScroll1"));
    m_vscroll->setGeometry(770, vrhTrake, 18, 0);
    m_vscroll->setRange(0, 0);
    m_vscroll->setSingleStep(Korak);
    m_vscroll->setPageStep(Strana);
    m_vscroll->setTracking(true);
    m_vscroll->setFocusPolicy(Qt::StrongFocus);
    // Every change of the value, the drag of the thumb included, moves the content.
    connect(m_vscroll, &QScrollBar::valueChanged, this, [this](int v) { m_frame->move(0, -v); });

    // A zoom leaves the viewport at the screen's measure; the scroll range follows the content.
    if (auto* p = qobject_cast<Prozor*>(prozor)) {
        connect(p->Zum(), &Uvelicanje::Promenjeno, this, [this, p] {
            Postavi();
            p->DrziObim();
        });
    }
    prozor->installEventFilter(this);
    m_vscroll->installEventFilter(this);
    Izgled::Fokus(m_vscroll);
    // The panel follows the keyboard focus through the content.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* novi) {
        if (novi && m_frame->isAncestorOf(novi))
            Pokazi(novi);
    });
}

void Panel::Pokazi(QWidget* kontrola)
{
    if (!kontrola || !m_frame->isAncestorOf(kontrola))
        return;
    const QRect mesto(kontrola->mapTo(m_frame, QPoint(0, 0)), kontrola->size());
    int v = m_vscroll->value();
    if (mesto.bottom() + 1 > v + m_picture->height())
        v = mesto.bottom() + 1 - m_picture->height();
    if (mesto.top() < v)
        v = mesto.top();
    m_vscroll->setValue(std::clamp(v, 0, m_vscroll->maximum()));
}

void Panel::PostaviVisinuSadrzaja(int visina)
{
    m_frame->resize(m_frame->width(), visina);
}

void Panel::Postavi()
{
    QScreen* ekran = m_prozor->screen();
    if (!ekran)
        ekran = QGuiApplication::primaryScreen();
    Postavi(ekran ? ekran->geometry().height() : 0);
}

void Panel::Postavi(double visinaEkrana)
{
    const int visina = std::max(0, static_cast<int>(visinaEkrana - 120));
    m_picture->resize(m_picture->width(), visina);
    m_vscroll->resize(m_vscroll->width(), std::max(0, static_cast<int>(visinaEkrana - 130)));
    m_vscroll->setMinimum(0);
    m_vscroll->setMaximum(std::max(0, Zaokruzi(double(m_frame->height()) - m_picture->height())));
    m_frame->move(0, -m_vscroll->value());
}

void Panel::Fokus()
{
    m_vscroll->setFocus(Qt::OtherFocusReason);
}

void Panel::NaVrh()
{
    Fokus();
    m_vscroll->setValue(0);
    m_frame->move(0, 0);
}

int Panel::Tocak(int vrednost, int maksimum, double d)
{
    double v = vrednost;
    if (v - d >= 0 && v - d <= maksimum)
        v = Zaokruzi(v - d);
    if (v - d <= 0)
        v = 0;
    if (v - d > maksimum)
        v = maksimum;
    return static_cast<int>(v);
}

void Panel::Okreni(int ugao)
{
    const int zupci = m_zupci.Dodaj(ugao);
    const int zubac = zupci > 0 ? Zubac : -Zubac;
    for (int i = 0; i < std::abs(zupci); ++i)
        Pomeri(Tocak(m_vscroll->value(), m_vscroll->maximum(), zubac));
}

void Panel::Pomeri(int vrednost)
{
    m_vscroll->setValue(vrednost);
}

bool Panel::eventFilter(QObject* objekat, QEvent* dogadjaj)
{
    if (dogadjaj->type() != QEvent::Wheel || (objekat != m_prozor && objekat != m_vscroll))
        return QObject::eventFilter(objekat, dogadjaj);
    auto* tocak = static_cast<QWheelEvent*>(dogadjaj);
    int ugao = tocak->angleDelta().y();
    // Some systems turn a vertical wheel into a horizontal one while Alt is held; the
    // panel moves the same with or without modifier keys.
    if (ugao == 0 && (tocak->modifiers() & Qt::AltModifier))
        ugao = tocak->angleDelta().x();
    Okreni(ugao);
    tocak->accept();
    return true;
}
