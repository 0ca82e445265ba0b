#include "widgets/Izgled.h"

#include <QAbstractButton>
#include <QCache>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QResource>
#include <QtEndian>

#include <algorithm>

namespace {
// Paints the focus frame after the control has painted itself, and lets buttons click on
// Enter. One object serves every control.
class FokusFilter : public QObject {
public:
    static FokusFilter& Jedan()
    {
        static FokusFilter* filter = new FokusFilter;
        return *filter;
    }

protected:
    bool eventFilter(QObject* objekat, QEvent* dogadjaj) override
    {
        auto* w = qobject_cast<QWidget*>(objekat);
        if (!w)
            return false;
        const QString znak = Izgled::Znak(w);
        if (dogadjaj->type() == QEvent::Paint && (w->hasFocus() || !znak.isEmpty())) {
            // The control's own painting first, then the frame and the sign over it.
            static_cast<QObject*>(w)->event(dogadjaj);
            QPainter p(w);
            if (!znak.isEmpty()) {
                p.setPen(Qt::black);
                p.setFont(Izgled::Arial(7, true));
                p.drawText(w->rect().adjusted(0, 0, -2, 0), Qt::AlignRight | Qt::AlignBottom, znak);
            }
            if (w->hasFocus()) {
                QPen olovka(Izgled::BojaFokusa);
                olovka.setWidth(Izgled::DebljinaFokusa);
                olovka.setJoinStyle(Qt::MiterJoin);
                p.setPen(olovka);
                p.setBrush(Qt::NoBrush);
                p.drawRect(QRectF(w->rect()).adjusted(1, 1, -1, -1));
            }
            return true;
        }
        if (dogadjaj->type() == QEvent::KeyPress) {
            const auto* taster = static_cast<QKeyEvent*>(dogadjaj);
            auto* dugme = qobject_cast<QAbstractButton*>(w);
            const bool enter = taster->key() == Qt::Key_Return || taster->key() == Qt::Key_Enter;
            if (dugme && enter && (taster->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
                dugme->click();
                return true;
            }
        }
        return false;
    }
};
}  // namespace

namespace Izgled {

void Fokus(QWidget* w)
{
    w->removeEventFilter(&FokusFilter::Jedan());
    w->installEventFilter(&FokusFilter::Jedan());
}

void Znak(QWidget* w, const QString& znak)
{
    if (Znak(w) == znak)
        return;
    Fokus(w);
    w->setProperty("karuvelZnak", znak);
    w->update();
}

QString Znak(const QWidget* w)
{
    return w->property("karuvelZnak").toString();
}

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

QPixmap UVelicini(const QImage& slika, const QString& ime, const QSize& velicina, qreal razmera)
{
    const QSize tacaka = velicina * razmera;
    if (slika.isNull() || tacaka.isEmpty())
        return {};
    QPixmap p;
    if (tacaka == slika.size()) {
        p = QPixmap::fromImage(slika);
    } else {
        // Kept as images, which need no window system, and made pixmaps when shown.
        static QCache<QString, QImage> umanjene(2 * 1024 * 1024);
        const QString kljuc = QStringLiteral("%1 %2x%3").arg(ime).arg(tacaka.width()).arg(tacaka.height());
        if (const QImage* umanjena = umanjene.object(kljuc)) {
            p = QPixmap::fromImage(*umanjena);
        } else {
            // The way a label scales its picture: from the picture as the screen holds it.
            const QImage nova = QPixmap::fromImage(slika).toImage().scaled(tacaka, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            p = QPixmap::fromImage(nova);
            umanjene.insert(kljuc, new QImage(nova), std::max<qsizetype>(1, nova.sizeInBytes()));
        }
    }
    p.setDevicePixelRatio(razmera);
    return p;
}

const QIcon& Ikona()
{
    static const QIcon ikona = [] {
        QIcon i;
        for (const int strana : { 16, 32, 48 })
            i.addPixmap(QPixmap::fromImage(PripremljenaSlika(QStringLiteral(":/ikone/%1x%1/karuvel.ksl").arg(strana))));
        return i;
    }();
    return ikona;
}

QImage PripremljenaSlika(const QString& resurs)
{
    const QResource r(resurs);
    if (!r.isValid() || r.compressionAlgorithm() != QResource::NoCompression)
        return {};
    const uchar* b = r.data();
    const qint64 velicina = r.size();
    constexpr qint64 Zaglavlje = 16;
    if (velicina < Zaglavlje || QByteArray::fromRawData(reinterpret_cast<const char*>(b), 4) != "KSL1")
        return {};
    const qint64 sirina = qFromLittleEndian<quint32>(b + 4);
    const qint64 visina = qFromLittleEndian<quint32>(b + 8);
    const auto format = static_cast<QImage::Format>(qFromLittleEndian<quint32>(b + 12));
    if ((format != QImage::Format_RGB32 && format != QImage::Format_ARGB32_Premultiplied)
        || sirina <= 0 || visina <= 0 || sirina > 16384 || visina > 16384 || Zaglavlje + sirina * visina * 4 != velicina)
        return {};
    return QImage(b + Zaglavlje, int(sirina), int(visina), int(sirina * 4), format);
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
    Fokus(dugme);
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
