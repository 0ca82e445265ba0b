#include "intersections/Raskrsnice.h"

#include "shell/Izgled.h"

#include <QLabel>

Raskrsnice::Raskrsnice(QWidget* parent)
    : Prozor(parent)
{
    setObjectName(QStringLiteral("Raskrsnice"));
    m_naslov = new QLabel(this);
    m_naslov->setObjectName(QStringLiteral("Label0"));
    m_naslov->setGeometry(100, 5, 600, 35);
    Izgled::Naslov(m_naslov);
}

