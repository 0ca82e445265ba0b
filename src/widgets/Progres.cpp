#include "widgets/Progres.h"

#include "widgets/Izgled.h"

#include <QCache>
#include <QCoreApplication>
#include <QDataStream>
#include <QPainter>
#include <QWindow>
#include <QPaintEvent>

#include <cmath>
#include <memory>

namespace {
const QColor Crvena(255, 0, 0);
const QColor Zelena(0, 255, 0);
const QColor Plava(0, 0, 255);
// Margin around the disc, in drawing units.
constexpr double Margina = 50.0;
}

Progres::Progres(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("Progres"));
    // A blank caption: an empty one would be replaced by the program's name on the desktop.
    // It differs from the main window's, so the main window's closing step closes it.
    setWindowTitle(QStringLiteral(" "));
    setFixedSize(Strana, Strana);
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_ShowWithoutActivating);
    Izgled::Pozadina(this, palette().color(QPalette::Window));
}

float Progres::Ugao(qint16 value, qint16 maximum)
{
    return static_cast<float>(static_cast<double>(value) / maximum * 360.0);
}

QString Progres::Procenat(qint16 value, qint16 maximum)
{
    // The default rounding mode rounds halves to the even neighbour.
    const double p = std::nearbyint(static_cast<double>(value) / maximum * 100.0);
    return QString::number(static_cast<long long>(p)) + QLatin1Char('%');
}

Progres::Isecak Progres::Preostalo(float ugao)
{
    // From the angle on through 360 to 1 degree.
    return { ugao, 361.0 - ugao };
}

std::optional<Progres::Isecak> Progres::Uradjeno(float ugao)
{
    if (ugao <= 1.0f)
        return std::nullopt;
    return Isecak { 1.0, ugao - 1.0 };
}

void Progres::Ucitavanje(qint16 value, qint16 maximum)
{
    m_vrednost = value;
    m_maksimum = maximum;
    m_crtaj = true;
    // The caller does not return to the event loop while it composes. A window shown just
    // now is not on the screen yet: let the window system map it (without taking any user
    // input), then draw now.
    if (isVisible() && windowHandle() && !windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    repaint();
}

namespace {
// The drawn discs by value, maximum, pixel ratio and background: a load draws the same steps
// each time it runs, so each step is drawn once and then only copied. Bounded in bytes.
QCache<QByteArray, QImage>& NacrtaniDiskovi()
{
    static QCache<QByteArray, QImage> diskovi(4 * 1024 * 1024);
    return diskovi;
}
}  // namespace

void Progres::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QColor pozadina = palette().color(QPalette::Window);
    if (!m_crtaj || m_maksimum <= 0) {
        p.fillRect(rect(), pozadina);  // Cls
        return;
    }
    const qreal razmera = devicePixelRatioF();
    QByteArray kljuc;
    QDataStream(&kljuc, QIODevice::WriteOnly)
        << m_vrednost << m_maksimum << razmera << pozadina.rgba() << size() << logicalDpiX() << logicalDpiY();
    if (const QImage* disk = NacrtaniDiskovi().object(kljuc)) {
        p.drawImage(0, 0, *disk);
        return;
    }
    // Opaque like the window, so the disc's edges and the text blend as on the window itself.
    auto disk = std::make_unique<QImage>((QSizeF(size()) * razmera).toSize(), QImage::Format_RGB32);
    disk->setDevicePixelRatio(razmera);
    // The screen's resolution, so that the 20-point text is as large as on the window.
    disk->setDotsPerMeterX(qRound(logicalDpiX() / 0.0254));
    disk->setDotsPerMeterY(qRound(logicalDpiY() / 0.0254));
    {
        QPainter d(disk.get());
        Nacrtaj(d, pozadina);
    }
    p.drawImage(0, 0, *disk);
    const qsizetype bajtova = disk->sizeInBytes();
    NacrtaniDiskovi().insert(kljuc, disk.release(), bajtova);
}

void Progres::Nacrtaj(QPainter& p, const QColor& pozadina) const
{
    p.fillRect(rect(), pozadina);  // Cls
    p.setRenderHint(QPainter::Antialiasing);
    // Drawing units: the disc of radius 1000 around (1000, 1000) with a margin of 50 on
    // every side fills the client area.
    const double razmera = Strana / (2000.0 + 2 * Margina);
    p.scale(razmera, razmera);
    p.translate(Margina, Margina);

    const QRectF krug(0, 0, 2000, 2000);
    const QPointF centar = krug.center();
    QPen olovka(Plava);
    olovka.setWidthF(1.0 / razmera);  // one pixel
    p.setPen(olovka);

    auto isecak = [&](const Isecak& s, const QColor& boja) {
        p.setBrush(boja);
        if (s.raspon >= 360.0) {
            // A sector all the way round: the full disc with its two radius lines.
            p.drawEllipse(krug);
            for (double ugao : { s.pocetak, s.pocetak + s.raspon }) {
                const double r = qDegreesToRadians(ugao);
                p.drawLine(centar, centar + QPointF(1000 * std::cos(r), -1000 * std::sin(r)));
            }
        } else {
            p.drawPie(krug, qRound(s.pocetak * 16), qRound(s.raspon * 16));
        }
    };

    const float ugao = Ugao(m_vrednost, m_maksimum);
    isecak(Preostalo(ugao), Crvena);
    if (const auto uradjeno = Uradjeno(ugao))
        isecak(*uradjeno, Zelena);

    // The percentage in bold 20 pt, its top left corner at (700, 700) like a print position.
    const QPointF mesto = p.transform().map(QPointF(700, 700));
    p.resetTransform();
    const QFont font = Izgled::Arial(20, true);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(mesto + QPointF(0, QFontMetricsF(font).ascent()), Procenat(m_vrednost, m_maksimum));
}

Progres::Prikaz::Prikaz(QWidget* vlasnik)
    : m_prozor(new Progres(vlasnik))
{
    // In the middle of the window that composes (the main window around it).
    if (vlasnik) {
        const QRect okvir = vlasnik->window()->geometry();
        m_prozor->move(okvir.center() - QPoint(Strana / 2, Strana / 2));
    }
    m_prozor->show();
    m_prozor->raise();
}

Progres::Prikaz::~Prikaz()
{
    if (m_prozor) {
        m_prozor->close();
        delete m_prozor.data();
    }
}

void Progres::Prikaz::Ucitavanje(qint16 value, qint16 maximum)
{
    if (m_prozor)
        m_prozor->Ucitavanje(value, maximum);
}
