#include "widgets/PitanjeOkvir.h"

#include "widgets/Izgled.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace {
// Disabled labels show their text greyed; the background keeps its colour.
const QColor SivTekst(128, 128, 128);

// A label with a thin black border, whatever the colour of its text (a plain QFrame border
// takes the text colour).
class LabelSaOkvirom : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* dogadjaj) override
    {
        QLabel::paintEvent(dogadjaj);
        QPainter p(this);
        p.setPen(Qt::black);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};

QLabel* NapraviLabel(QWidget* roditelj, const QString& ime, const QRect& mesto, qreal tacke,
    const QColor& pozadina)
{
    auto* label = new LabelSaOkvirom(roditelj);
    label->setMargin(3);
    label->setObjectName(ime);
    label->setGeometry(mesto);
    label->setFont(Izgled::Arial(tacke, true));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
    Izgled::Boje(label, PitanjeOkvir::BojaTeksta, pozadina);
    QPalette p = label->palette();
    p.setColor(QPalette::Disabled, QPalette::WindowText, SivTekst);
    p.setColor(QPalette::Disabled, QPalette::Text, SivTekst);
    label->setPalette(p);
    return label;
}
}

PitanjeOkvir::PitanjeOkvir(int k, const QRect& geometrija, const Mere& mere, QWidget* roditelj)
    : QGroupBox(roditelj)
    , m_k(k)
{
    setObjectName(QStringLiteral("Frame2_%1").arg(k - 1));
    setTitle(QStringLiteral("Pitanje %1").arg(k));
    setGeometry(geometrija);
    setFont(Izgled::Arial(mere.tackePitanja, true));
    Izgled::BojaTeksta(this, Qt::black);

    m_label[0] = NapraviLabel(this, QStringLiteral("Label%1_0").arg(k), mere.pitanje,
        mere.tackePitanja, BojaPitanja);
    for (int j = 1; j <= 3; ++j) {
        const auto i = static_cast<std::size_t>(j);
        QLabel* odgovor = NapraviLabel(this, QStringLiteral("Label%1_%2").arg(k).arg(j),
            mere.odgovori[i - 1], mere.tackeOdgovora, BojaOdgovora);
        odgovor->setCursor(Qt::PointingHandCursor);
        m_label[i] = odgovor;

        auto* oznaka = new QLabel(this);
        oznaka->setObjectName(QStringLiteral("Image%1_%2").arg(k).arg(j));
        oznaka->setGeometry(mere.oznake[i - 1]);
        oznaka->hide();
        m_image[i] = oznaka;
    }
    for (QLabel* label : m_label)
        label->installEventFilter(this);
}

void PitanjeOkvir::OznaciIzbor(int j)
{
    if (j < 1 || j > 3)
        return;
    Izgled::Pozadina(Label(j), BojaIzabranog);
    for (int j = 1; j <= 3; ++j)
        Label(j)->setEnabled(false);
}

void PitanjeOkvir::PostaviPitanje(const QString& tekst)
{
    Label(0)->setText(tekst);
}

void PitanjeOkvir::PostaviOdgovor(int j, const QString& tekst, bool tacan)
{
    Label(j)->setText(tekst);
    Image(j)->setPixmap(tacan ? Tacno() : Netacno());
}

void PitanjeOkvir::Provera()
{
    for (int j = 1; j <= 3; ++j)
        Image(j)->setVisible(true);
}

void PitanjeOkvir::Ocisti()
{
    for (int j = 1; j <= 3; ++j) {
        Image(j)->setPixmap(QPixmap());
        Image(j)->setVisible(false);
        Izgled::Pozadina(Label(j), BojaNovogTesta);
        Label(j)->setEnabled(true);
    }
}

const QPixmap& PitanjeOkvir::Tacno()
{
    static const QPixmap slika(QStringLiteral(":/program/tacno.png"));
    return slika;
}

const QPixmap& PitanjeOkvir::Netacno()
{
    static const QPixmap slika(QStringLiteral(":/program/netacno.png"));
    return slika;
}

void PitanjeOkvir::StockSlike(QWidget* prozor)
{
    const QPixmap* slike[] = { &Tacno(), &Netacno() };
    for (int i = 1; i <= 2; ++i) {
        auto* slika = new QLabel(prozor);
        slika->setObjectName(QStringLiteral("Image0_%1").arg(i));
        slika->setGeometry(0, 0, 32, 32);
        slika->setPixmap(*slike[i - 1]);
        slika->hide();
    }
}

QColor PitanjeOkvir::Pozadina(const QLabel* label)
{
    return label->palette().color(QPalette::Active, QPalette::Window);
}

bool PitanjeOkvir::eventFilter(QObject* objekat, QEvent* dogadjaj)
{
    // A click: the left button pressed and released over the same enabled label.
    if (dogadjaj->type() == QEvent::MouseButtonRelease) {
        auto* mis = static_cast<QMouseEvent*>(dogadjaj);
        for (int i = 0; i <= 3; ++i) {
            QLabel* label = Label(i);
            if (objekat == label && mis->button() == Qt::LeftButton && label->isEnabled()
                && label->rect().contains(mis->position().toPoint())) {
                if (i > 0)
                    emit Kliknut(i);
                return true;
            }
        }
    }
    return QGroupBox::eventFilter(objekat, dogadjaj);
}
