#include "shell/Uvodna.h"

#include "widgets/Izgled.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMainWindow>
#include <QPainter>
#include <QTimer>

namespace {
const QString Opis = QStringLiteral(
    "Karuvel vas priprema za teorijski deo vozačkog ispita. U njemu ćete naći sve grupe "
    "saobraćajnih znakova sa objašnjenjima, test sa znakovima, teorijska pitanja za „B“, "
    "„C“ i „D“ kategoriju i za traktor, pitanja o saobraćajnim situacijama sa slikama i "
    "zadatke sa raskrsnicama. Oblast birate u meniju. Označite odgovore, pritisnite "
    "„Provera“ i uporedite ih sa tačnim, a „Nov TEST“ donosi nova pitanja. Vežbajte dok "
    "svaki odgovor ne bude tačan. Srećno na ispitu i bezbedna vožnja.");

struct Panel {
    int levo, vrh;
    QColor tekst, pozadina;
    const char* natpis;
};
}

Uvodna::Uvodna(QWidget* parent)
    : Prozor(parent)
    , m_pozadina(Izgled::PripremljenaSlika(QStringLiteral(":/program/pozadina.ksl")))
{
    setObjectName(QStringLiteral("Uvodna"));
    setWindowTitle(QStringLiteral("Uvodna"));
    resize(SirinaKlijenta, VisinaKlijenta);

    // Created from back to front, so that later controls cover earlier ones.
    m_label3 = new QLabel(Opis, this);
    m_label3->setObjectName(QStringLiteral("Label3"));
    // As wide as the window leaves it, so that no line of the description is cut off at the
    // right edge.
    m_label3->setGeometry(Izgled::Tvipovi(120, 960, 11400 - 240, 6300));
    m_label3->setWordWrap(true);
    m_label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_label3->setFont(Izgled::Arial(18.75, true));
    Izgled::BojaTeksta(m_label3, QColor(64, 64, 64));

    m_label6 = new QLabel(QStringLiteral("KARUVEL"), this);
    m_label6->setObjectName(QStringLiteral("Label6"));
    m_label6->setGeometry(Izgled::Tvipovi(840, 120, 9930, 960));
    m_label6->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_label6->setFont(Izgled::Arial(36, true));
    Izgled::BojaTeksta(m_label6, QColor(0, 0, 255));

    const std::array<Panel, 4> paneli { {
        { 750, 360, Qt::white, Qt::black, "NAUČITE ZNAČENJE SVIH SAOBRAĆAJNIH ZNAKOVA" },
        { 6750, 375, Qt::red, Qt::white, "SAVLADAJTE SVA PRAVILA POTREBNA ZA BEZBEDNU VOŽNJU" },
        { 750, 4875, Qt::red, Qt::white, "NAUČITE KAKO POSTUPATI U RAZLIČITIM SITUACIJAMA U SAOBRAĆAJU" },
        { 6750, 4875, Qt::white, Qt::black, "SAVLADAJTE SNALAŽENJE NA RASKRSNICAMA" },
    } };
    for (int i = 0; i < 4; ++i) {
        const Panel& p = paneli[i];
        auto* label = new QLabel(QString::fromUtf8(p.natpis), this);
        label->setObjectName(QStringLiteral("Label1_%1").arg(i));
        label->setGeometry(Izgled::Tvipovi(p.levo, p.vrh, 4500, 3750));
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setFont(Izgled::Arial(18, true));
        Izgled::Boje(label, p.tekst, p.pozadina);
        m_label1[i] = label;
    }

    m_image1_4 = new QLabel(this);
    m_image1_4->setObjectName(QStringLiteral("Image1_4"));
    m_image1_4->setGeometry(Izgled::Tvipovi(2880, 2160, 6000, 4500));
    m_image1_4->setPixmap(QPixmap::fromImage(Izgled::PripremljenaSlika(QStringLiteral(":/program/naslov.ksl"))));

    m_label1[4] = new QLabel(this);
    m_label1[4]->setObjectName(QStringLiteral("Label1_4"));
    m_label1[4]->setGeometry(Izgled::Tvipovi(3360, 3600, 615, 615));

    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(5000);
    connect(m_timer1, &QTimer::timeout, this, &Uvodna::Timer1_Timer);
    m_timer1->start();
}

void Uvodna::Form_Activate()
{
    if (QMainWindow* glavni = GlavniProzor()) {
        glavni->showNormal();
        glavni->resize(800, 600);
    }
}

void Uvodna::Timer1_Timer()
{
    if (m_korak > 4) {
        m_korak = 0;
        m_timer1->stop();
        return;
    }
    m_image1_4->hide();
    m_label1[RedosledUklanjanja[m_korak]]->hide();
    ++m_korak;
}

void Uvodna::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_pozadina);
}

void Uvodna::closeEvent(QCloseEvent* event)
{
    m_korak = 0;
    m_timer1->stop();
    event->accept();
}
