#include "signs/Znakovi.h"

#include "shell/Izgled.h"

#include <QLabel>

Znakovi::Znakovi(QWidget* parent)
    : Prozor(parent)
{
    setObjectName(QStringLiteral("Znakovi"));
    m_naslov = new QLabel(this);
    m_naslov->setObjectName(QStringLiteral("Label1"));
    m_naslov->setGeometry(100, 5, 600, 35);
    Izgled::Naslov(m_naslov);
}

bool Znakovi::Izgradi(qint16)
{
    return true;
}
