#include "signs/ZnakoviTest.h"

#include "shell/Izgled.h"

#include <QLabel>

ZnakoviTest::ZnakoviTest(QWidget* parent)
    : Prozor(parent)
{
    setObjectName(QStringLiteral("ZnakoviTest"));
    m_naslov = new QLabel(this);
    m_naslov->setObjectName(QStringLiteral("Label1_0"));
    m_naslov->setGeometry(100, 5, 600, 35);
    Izgled::Naslov(m_naslov);
}

