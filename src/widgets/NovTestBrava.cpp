#include "widgets/NovTestBrava.h"

#include <QAbstractButton>
#include <QTimer>

NovTestBrava::NovTestBrava(QAbstractButton* dugme, QObject* prozor)
    : QObject(prozor)
    , m_dugme(dugme)
{
    m_timer = new QTimer(prozor);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setSingleShot(true);
    m_timer->setInterval(Interval);
    connect(m_timer, &QTimer::timeout, this, &NovTestBrava::Timer1_Timer);
}

void NovTestBrava::Zakljucaj()
{
    if (m_dugme)
        m_dugme->setEnabled(false);
    m_timer->start();
}

void NovTestBrava::Timer1_Timer()
{
    m_timer->stop();
    if (m_dugme)
        m_dugme->setEnabled(true);
}

bool NovTestBrava::Zakljucano() const
{
    return m_timer->isActive();
}
