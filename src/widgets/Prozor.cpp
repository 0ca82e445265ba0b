#include "widgets/Prozor.h"

#include "widgets/Poruke.h"
#include "widgets/Uvelicanje.h"

#include <QKeyEvent>
#include <QLayout>
#include <QMainWindow>
#include <QPushButton>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QWheelEvent>

#include <algorithm>

Prozor::Prozor(QWidget* parent)
    : QWidget(parent)
    , m_zum(new Uvelicanje(this))
{
    connect(m_zum, &Uvelicanje::Promenjeno, this, &Prozor::DrziObim);
}

QSize Prozor::Obim() const
{
    // A layout places the controls over whatever room there is; it needs its minimum, and
    // where texts wrap, the height they take at the window's width.
    if (QLayout* raspored = layout()) {
        QSize najmanje = raspored->totalMinimumSize();
        if (raspored->hasHeightForWidth())
            najmanje.setHeight(std::max(najmanje.height(), raspored->totalHeightForWidth(std::max(width(), najmanje.width()))));
        return najmanje;
    }
    QRect obim;
    for (QObject* o : children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (w && !w->isWindow() && !w->isHidden())
            obim |= w->geometry();
    }
    return obim.isEmpty() ? QSize() : QSize(obim.right() + 1, obim.bottom() + 1);
}

bool Prozor::event(QEvent* dogadjaj)
{
    const bool obradjen = QWidget::event(dogadjaj);
    // A change of the controls' sizes reaches the window's layout a few events later (a zoom,
    // a new text): the room it needs is taken again once it has, and again at a new width,
    // where wrapped texts take another height.
    if ((dogadjaj->type() == QEvent::LayoutRequest || dogadjaj->type() == QEvent::Resize) && layout())
        DrziObim();
    return obradjen;
}

void Prozor::DrziObim()
{
    setMinimumSize(Obim());
    // A maximised child takes the whole area, and the area scrolls when that is not enough.
    auto* podprozor = qobject_cast<QMdiSubWindow*>(parentWidget());
    if (!podprozor || !podprozor->isMaximized() || !podprozor->mdiArea())
        return;
    podprozor->resize(podprozor->mdiArea()->viewport()->size().expandedTo(podprozor->minimumSizeHint()));
}

void Prozor::ObjaviRezultat(const Presuda& presuda, const QString& jedinica)
{
    QString tekst = QStringLiteral("Tačno %1 od %2").arg(presuda.Tacnih()).arg(presuda.Ukupno());
    if (!jedinica.isEmpty())
        tekst += QLatin1Char(' ') + jedinica;
    emit Rezultat(tekst);
}

void Prozor::PonistiRezultat()
{
    emit Rezultat(QString());
}

bool Prozor::NoviSastav(const std::function<Module1::Greska()>& sastavi)
{
    PonistiRezultat();
    Module1::Greska greska;
    Zum()->UDizajnu([&] { greska = sastavi(); });
    if (!greska)
        return true;
    Neuspeh(greska);
    return false;
}

void Prozor::Neuspeh(const Module1::Greska& greska)
{
    Poruke::Greska(GlavniProzor(), greska.ZaKorisnika());
    if (auto* podprozor = qobject_cast<QMdiSubWindow*>(parentWidget()))
        podprozor->close();
    else
        close();
}

QMainWindow* Prozor::GlavniProzor() const
{
    for (QWidget* w = parentWidget(); w; w = w->parentWidget()) {
        if (auto* glavni = qobject_cast<QMainWindow*>(w))
            return glavni;
    }
    return nullptr;
}

void Prozor::Taster(QPushButton* dugme, const QKeySequence& taster)
{
    m_tasteri.emplace_back(taster, dugme);
    dugme->setToolTip(QStringLiteral("Taster %1").arg(taster.toString(QKeySequence::NativeText)));
}

void Prozor::keyPressEvent(QKeyEvent* dogadjaj)
{
    if (dogadjaj->modifiers() & Qt::ControlModifier) {
        switch (dogadjaj->key()) {
        case Qt::Key_Plus:
        case Qt::Key_Equal:
            m_zum->Uvecaj();
            return;
        case Qt::Key_Minus:
            m_zum->Umanji();
            return;
        case Qt::Key_0:
            m_zum->Postavi(Uvelicanje::Najmanje);
            return;
        default:
            break;
        }
    }
    const QKeySequence pritisnut(dogadjaj->keyCombination());
    for (const auto& [taster, dugme] : m_tasteri) {
        if (taster == pritisnut) {
            // A resting or hidden button does not react, as it does not to the mouse.
            if (dugme->isEnabled() && dugme->isVisible())
                dugme->click();
            dogadjaj->accept();
            return;
        }
    }
    QWidget::keyPressEvent(dogadjaj);
}

void Prozor::wheelEvent(QWheelEvent* dogadjaj)
{
    if (!(dogadjaj->modifiers() & Qt::ControlModifier)) {
        QWidget::wheelEvent(dogadjaj);
        return;
    }
    m_zum->Okreni(dogadjaj->angleDelta().y());
    dogadjaj->accept();
}
