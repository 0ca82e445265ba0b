#include "intersections/Raskrsnice.h"

#include "content/Kriptovanje.h"
#include "content/Module1.h"
#include "content/Module2.h"
#include "content/ResPicture.h"
#include "widgets/Izgled.h"
#include "widgets/NovTestBrava.h"
#include "widgets/Poruke.h"
#include "widgets/Progres.h"
#include "shell/Stanje.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMdiSubWindow>
#include <QPushButton>

namespace {
const QColor Crvena(255, 0, 0);
const QColor Zelena(0, 255, 0);
const QColor Plava(0, 0, 255);
const QColor Zuta(255, 255, 0);

const QString NaslovPrvogOkvira = QStringLiteral(
    "Prema datim ilustracijama, tačan redosled prolaza vozila preko raskrsnice označi "
    "odabiranjem brojeva vozila");

QPushButton* NumerisanoDugme(QWidget* roditelj, const QString& ime, const QString& tekst,
    const QRect& mesto, const QFont& font)
{
    QPushButton* dugme = Izgled::Dugme(roditelj, ime, tekst, mesto, font);
    dugme->setFocusPolicy(Qt::TabFocus);
    return dugme;
}

QLabel* Polje(QWidget* roditelj, const QString& ime, const QRect& mesto, const QColor& tekst)
{
    auto* label = new QLabel(roditelj);
    label->setObjectName(ime);
    label->setGeometry(mesto);
    label->setAlignment(Qt::AlignCenter);
    label->setFont(Izgled::Arial(12, true));
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setTextFormat(Qt::PlainText);
    Izgled::BojaTeksta(label, tekst);
    label->hide();
    return label;
}
}  // namespace

Raskrsnice::Raskrsnice(QWidget* parent)
    : Prozor(parent)
{
    setObjectName(QStringLiteral("Raskrsnice"));
    resize(760, 592);

    m_label0 = new QLabel(this);
    m_label0->setObjectName(QStringLiteral("Label0"));
    m_label0->setGeometry(101, 0, 600, 30);
    Izgled::Naslov(m_label0);

    const QFont dugmad = Izgled::Arial(9.75, true);
    m_command4 = NumerisanoDugme(this, QStringLiteral("Command4"), QStringLiteral("Provera"), QRect(19, 3, 80, 22), dugmad);
    m_command1 = NumerisanoDugme(this, QStringLiteral("Command1"), QStringLiteral("Nov TEST"), QRect(701, 3, 80, 22), dugmad);
    connect(m_command4, &QPushButton::clicked, this, &Raskrsnice::Command4_Click);
    connect(m_command1, &QPushButton::clicked, this, &Raskrsnice::Command1_Click);
    m_brava = new NovTestBrava(m_command1, this);

    m_picture1 = new QWidget(this);
    m_picture1->setObjectName(QStringLiteral("Picture1"));
    m_picture1->setGeometry(2, 33, 767, 497);
    m_frame1 = new QWidget(m_picture1);
    m_frame1->setObjectName(QStringLiteral("Frame1"));
    m_frame1->setGeometry(0, 0, 765, 497);
    NapraviOkvir(0, m_frame1);
    NapraviOkvir(1, m_frame1);

    // Form_Load
    if (QMainWindow* glavni = GlavniProzor())
        glavni->showMaximized();
    NovaPitanjaR();
}

void Raskrsnice::NapraviOkvir(int f, QWidget* roditelj)
{
    Okvir& o = m_okvir[static_cast<std::size_t>(f)];
    o.frame = new QGroupBox(roditelj);
    o.frame->setObjectName(QStringLiteral("Frame2_%1").arg(f));
    o.frame->setGeometry(0, f == 0 ? 0 : 247, 765, 253);
    o.frame->setFont(Izgled::Arial(9.75, true));
    if (f == 0)
        o.frame->setTitle(NaslovPrvogOkvira);

    o.image = new QLabel(o.frame);
    o.image->setObjectName(f == 0 ? QStringLiteral("Image1") : QStringLiteral("Image2"));
    o.image->move(7, 20);

    const QString dugme = f == 0 ? QStringLiteral("Command2_%1") : QStringLiteral("Command3_%1");
    const QString odgovor = f == 0 ? QStringLiteral("Label1_%1") : QStringLiteral("Label3_%1");
    const QString resenje = f == 0 ? QStringLiteral("Label2_%1") : QStringLiteral("Label4_%1");
    const QFont brojevi = Izgled::Arial(9.75, true);
    for (int i = 1; i <= BrojPolja; ++i) {
        const int pomak = 27 * (i - 1);
        o.resenje[i] = Polje(o.frame, resenje.arg(i), QRect(448 + pomak, 67, 17, 20), Zuta);
        o.odgovor[i] = Polje(o.frame, odgovor.arg(i), QRect(448 + pomak, 93, 17, 20), Plava);
        o.dugme[i] = NumerisanoDugme(o.frame, dugme.arg(i), QString::number(i), QRect(447 + pomak, 120, 20, 20), brojevi);
        o.dugme[i]->hide();
        connect(o.dugme[i], &QPushButton::clicked, this, [this, f, i] {
            if (f == 0)
                Command2_Click(i);
            else
                Command3_Click(i);
        });
    }
}

int Raskrsnice::LevaIvica(int sirina)
{
    // In twips: 105, moved by 1770 to 1875 when narrower than 5000.
    return sirina * 15 < 5000 ? 125 : 7;
}

bool Raskrsnice::NovaPitanjaR()
{
    using namespace Module1;
    if (m_pozicija >= Stanje::BrojPitanjaR || m_pozicija == 0) {
        IsprazniZnakove();
        IsprazniTeoriju();
        IsprazniSituacije();
        IsprazniRaskrsnice();
        if (!UcitajRaskrsnice("sve")) {
            NeuspehUcitavanja();
            return false;
        }
        // Two questions per test: a bank of fewer than two records (or a count below two)
        // cannot make one.
        if (Stanje::BrojPitanjaR < 2
            || !Module2::SlucajnaPitanja(1, qint16(RaskrsnicaResenje.GornjaGranica()), Stanje::BrojPitanjaR)) {
            NeuspehUcitavanja();
            return false;
        }
        m_pozicija = 0;
    }

    QString greska;
    {
        Progres::Prikaz progres(this);
        progres.Ucitavanje(0, 100);
        for (int f = 0; f < 2; ++f) {
            const int q = Module2::IzabranaPitanja[static_cast<std::size_t>(m_pozicija + 1 + f)];
            if (!PostaviPitanje(m_okvir[static_cast<std::size_t>(f)], q, greska))
                break;
            progres.Ucitavanje(f == 0 ? 50 : 100, 100);
        }
    }
    if (!greska.isEmpty()) {
        Neuspeh(greska);
        return false;
    }
    m_pozicija += 2;
    return true;
}

bool Raskrsnice::PostaviPitanje(Okvir& o, int q, QString& greska)
{
    using namespace Module1;
    const QByteArray kljuc = Kriptovanje::KljucniTekst(RaskrsnicaKljuc(q));

    o.image->move(7, 20);
    const auto broj = Broj(Kriptovanje::Dekriptuj(kljuc, RaskrsnicaSlika(q)));
    QImage slika;
    {
        ResPicture rp;
        slika = broj ? rp.LoadResPicture(QStringLiteral("RASKRSNICA"), *broj) : QImage();
        if (slika.isNull()) {
            greska = broj ? rp.Err().Description : PorukaGreske;
            return false;
        }
    }
    o.image->setPixmap(QPixmap::fromImage(slika));
    o.image->resize(slika.size());
    if (o.image->width() * 15 < 5000)
        o.image->move(o.image->x() + 118, o.image->y());

    for (int i = 1; i <= BrojPolja; ++i) {
        o.odgovor[i]->hide();
        o.resenje[i]->hide();
        o.odgovor[i]->clear();
        o.resenje[i]->clear();
        Izgled::Pozadina(o.odgovor[i], Qt::white);
        o.dugme[i]->hide();
        o.dugme[i]->setEnabled(true);
    }
    const QByteArray resenje = Kriptovanje::Dekriptuj(kljuc, RaskrsnicaResenje(q));
    o.duzina = static_cast<int>(qMin<qsizetype>(resenje.size(), BrojPolja));
    for (int i = 1; i <= o.duzina; ++i) {
        o.resenje[i]->setText(QString(QLatin1Char(resenje[i - 1])));
        o.odgovor[i]->show();
        o.dugme[i]->show();
    }
    return true;
}

void Raskrsnice::Unos(Okvir& o, int Index)
{
    if (Index < 1 || Index > BrojPolja)
        return;
    for (int i = 1; i <= BrojPolja; ++i) {
        if (o.odgovor[i]->text().isEmpty()) {
            o.odgovor[i]->setText(o.dugme[Index]->text());
            return;
        }
    }
}

void Raskrsnice::Command2_Click(int Index)
{
    Unos(m_okvir[0], Index);
}

void Raskrsnice::Command3_Click(int Index)
{
    Unos(m_okvir[1], Index);
}

void Raskrsnice::Proveri(Okvir& o)
{
    for (int i = 1; i <= o.duzina; ++i) {
        o.resenje[i]->show();
        o.dugme[i]->setEnabled(false);
        const bool tacno = o.resenje[i]->text() == o.odgovor[i]->text();
        Izgled::Pozadina(o.resenje[i], tacno ? Zelena : Crvena);
        Izgled::Pozadina(o.odgovor[i], tacno ? Zelena : Crvena);
        Izgled::BojaTeksta(o.resenje[i], tacno ? Plava : Zuta);
    }
}

void Raskrsnice::Command4_Click()
{
    Proveri(m_okvir[0]);
    Proveri(m_okvir[1]);
}

void Raskrsnice::Command1_Click()
{
    if (!NovaPitanjaR())
        return;
    m_brava->Zakljucaj();
}

void Raskrsnice::Timer1_Timer()
{
    m_brava->Timer1_Timer();
}


void Raskrsnice::closeEvent(QCloseEvent* event)
{
    // Form_Unload
    m_pozicija = 0;
    Stanje::BrojPitanjaR = 0;
    Prozor::closeEvent(event);
}
