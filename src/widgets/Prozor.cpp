#include "widgets/Prozor.h"

#include "widgets/Poruke.h"

#include <QMainWindow>
#include <QMdiSubWindow>

Prozor::Prozor(QWidget* parent)
    : QWidget(parent)
{
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
