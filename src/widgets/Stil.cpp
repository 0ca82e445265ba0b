#include "widgets/Stil.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QWidget>

#include <optional>

namespace {
class OdlozenaIkona : public QIconEngine {
public:
    OdlozenaIkona(QStyle* stil, QStyle::StandardPixmap vrsta, const QWidget* widget)
        : m_stil(stil)
        , m_vrsta(vrsta)
        , m_widget(widget)
    {
    }

    void paint(QPainter* p, const QRect& mesto, QIcon::Mode mode, QIcon::State state) override
    {
        Ikona().paint(p, mesto, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& velicina, QIcon::Mode mode, QIcon::State state) override
    {
        return Ikona().pixmap(velicina, mode, state);
    }
    QPixmap scaledPixmap(const QSize& velicina, QIcon::Mode mode, QIcon::State state, qreal razmera) override
    {
        return Ikona().pixmap(velicina, razmera, mode, state);
    }
    QSize actualSize(const QSize& velicina, QIcon::Mode mode, QIcon::State state) override
    {
        return Ikona().actualSize(velicina, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return Ikona().availableSizes(mode, state);
    }
    QString iconName() override { return Ikona().name(); }
    bool isNull() override { return Ikona().isNull(); }
    QString key() const override { return QStringLiteral("karuvel-odlozena"); }
    QIconEngine* clone() const override { return new OdlozenaIkona(*this); }

private:
    const QIcon& Ikona()
    {
        if (!m_ikona) {
            QStyle* stil = m_stil ? m_stil.data() : QApplication::style();
            m_ikona = stil->standardIcon(m_vrsta, nullptr, m_widget);
        }
        return *m_ikona;
    }

    QPointer<QStyle> m_stil;
    QStyle::StandardPixmap m_vrsta;
    QPointer<const QWidget> m_widget;
    std::optional<QIcon> m_ikona;
};
}  // namespace

Stil::Stil()
    : QProxyStyle()
{
}

QIcon Stil::standardIcon(StandardPixmap vrsta, const QStyleOption* opcija, const QWidget* widget) const
{
    // An option is not kept: an icon asked for with one is made now.
    if (opcija)
        return QProxyStyle::standardIcon(vrsta, opcija, widget);
    return QIcon(new OdlozenaIkona(baseStyle(), vrsta, widget));
}
