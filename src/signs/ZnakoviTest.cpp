#include "signs/ZnakoviTest.h"

#include "content/Kriptovanje.h"
#include "content/Module1.h"
#include "content/Module2.h"
#include "content/ResPicture.h"
#include "content/Tekst.h"
#include "widgets/Izgled.h"
#include "widgets/NovTestBrava.h"
#include "widgets/Poruke.h"
#include "widgets/Progres.h"
#include "signs/Raspored.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>

namespace {
const QColor Plava(0, 0, 255);
const QColor DugmeTacno(128, 255, 128);

// Pictures in two rows of five inside Picture1; each box under the left part of its picture,
// the correct-number button just right of the box.
constexpr std::array<int, 5> LevoSlike { 12, 163, 310, 456, 604 };
constexpr std::array<int, 2> VrhSlike { 5, 155 };
constexpr std::array<int, 2> VrhPolja { 122, 275 };
constexpr int PomakPolja = 4;
constexpr int PomakDugmeta = 35;
constexpr int Kvadrat = 24;

// Options: four rows in two columns inside Picture2.
constexpr std::array<int, 2> LevoBroja { 0, 390 };
constexpr std::array<int, 2> LevoOpisa { 19, 409 };
constexpr std::array<int, 4> VrhOpcije { 0, 55, 110, 165 };

void Boje(QWidget* w, const QColor& tekst, const QColor& pozadina)
{
    Izgled::Boje(w, tekst, pozadina);
}
}

ZnakoviTest::ZnakoviTest(QWidget* parent)
    : Prozor(parent)
{
    setObjectName(QStringLiteral("ZnakoviTest"));

    Label1[0] = new QLabel(this);
    Label1[0]->setObjectName(QStringLiteral("Label1_0"));
    Label1[0]->setGeometry(100, -3, 600, 23);
    Izgled::Naslov(Label1[0]);
    Label1[0]->installEventFilter(this);

    Command1 = Izgled::Dugme(this, QStringLiteral("Command1"), QStringLiteral("Provera"), QRect(18, -1, 80, 22));
    connect(Command1, &QPushButton::clicked, this, &ZnakoviTest::Command1_Click);
    Command2 = Izgled::Dugme(this, QStringLiteral("Command2"), QStringLiteral("Nov TEST"), QRect(701, -1, 80, 22));
    connect(Command2, &QPushButton::clicked, this, &ZnakoviTest::Command2_Click);
    m_brava = new NovTestBrava(Command2, this);

    Picture1 = new QWidget(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(18, 20, 762, 300);

    Image1[0] = new QLabel(Picture1);
    Image1[0]->setObjectName(QStringLiteral("Image1_0"));
    Image1[0]->setGeometry(0, -int(Raspored::Sablon.visina) - 10, int(Raspored::Sablon.sirina),
        int(Raspored::Sablon.visina));
    Image1[0]->hide();

    const QFont brojFont = Izgled::Arial(12, true);
    for (int j = 1; j <= BrojSlika; ++j) {
        const int kolona = (j - 1) % 5;
        const int red = (j - 1) / 5;

        Image1[j] = new QLabel(Picture1);
        Image1[j]->setObjectName(QStringLiteral("Image1_%1").arg(j));
        Image1[j]->setGeometry(LevoSlike[kolona], VrhSlike[red], 137, 120);
        Image1[j]->setCursor(Qt::PointingHandCursor);
        Image1[j]->installEventFilter(this);

        Text3[j] = new QLineEdit(Picture1);
        Text3[j]->setObjectName(QStringLiteral("Text3_%1").arg(j));
        Text3[j]->setGeometry(LevoSlike[kolona] + PomakPolja, VrhPolja[red], Kvadrat, Kvadrat);
        Text3[j]->setMaxLength(1);
        Text3[j]->setFont(brojFont);
        Text3[j]->setAlignment(Qt::AlignCenter);
        Text3[j]->setTextMargins(0, 0, 0, 0);
        Text3[j]->setCursor(Qt::PointingHandCursor);
        Boje(Text3[j], Crvena, Qt::white);
        Text3[j]->installEventFilter(this);
        connect(Text3[j], &QLineEdit::textChanged, this, [this, j] { Text3_Change(j); });

        Command6[j] = new QPushButton(Picture1);
        Command6[j]->setObjectName(QStringLiteral("Command6_%1").arg(j));
        Command6[j]->setGeometry(Text3[j]->x() + PomakDugmeta, VrhPolja[red], Kvadrat, Kvadrat);
        Command6[j]->setFont(brojFont);
        Command6[j]->setFocusPolicy(Qt::NoFocus);
        Izgled::Pozadina(Command6[j], DugmeTacno);
        Command6[j]->hide();
    }

    Picture2 = new QWidget(this);
    Picture2->setObjectName(QStringLiteral("Picture2"));
    Picture2->setGeometry(13, 320, 776, 223);
    Izgled::Pozadina(Picture2, QColor(192, 192, 192));

    const QFont opcijaFont = Izgled::Arial(9.75, true);
    for (int i = 1; i <= BrojOpisa; ++i) {
        const int kolona = (i - 1) / 4;
        const int red = (i - 1) % 4;

        Label1[i] = new QLabel(QStringLiteral("%1.").arg(i), Picture2);
        Label1[i]->setObjectName(QStringLiteral("Label1_%1").arg(i));
        Label1[i]->setGeometry(LevoBroja[kolona], VrhOpcije[red], 18, 50);
        Label1[i]->setAlignment(Qt::AlignLeft | Qt::AlignTop);

        Label2[i] = new QLabel(Picture2);
        Label2[i]->setObjectName(QStringLiteral("Label2_%1").arg(i));
        Label2[i]->setGeometry(LevoOpisa[kolona], VrhOpcije[red], 360, 50);
        Label2[i]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        Label2[i]->setWordWrap(true);

        for (QLabel* l : { Label1[i], Label2[i] }) {
            l->setFont(opcijaFont);
            l->setCursor(Qt::PointingHandCursor);
            Boje(l, Plava, SvetloZuta);
            l->installEventFilter(this);
        }
    }

    // Form_Load
    NoviTest();
}

bool ZnakoviTest::NoviTest()
{
    using namespace Module1;
    using Module2::IzabranaPitanja;
    using Module2::RedosledOdgovora;

    if (!Module2::SlucajnaPitanja(1, BrojZnakova, BrojSlika)) {
        NeuspehUcitavanja();
        return false;
    }
    IsprazniZnakove();
    if (!UcitajSveZnakove() || ZnakOpis.GornjaGranica() < BrojZnakova) {
        NeuspehUcitavanja();
        return false;
    }
    if (!Module2::SlucajniOdgovori(1, BrojSlika, BrojOpisa)) {
        NeuspehUcitavanja();
        return false;
    }

    Progres::Prikaz progres(this);
    progres.Ucitavanje(0, BrojSlika);

    for (int j = 1; j <= BrojSlika; ++j) {
        // Clearing may raise the change handler, which locks and colours the box.
        Text3[j]->clear();
        Boje(Text3[j], Crvena, Qt::white);
        Text3[j]->setReadOnly(false);
        Command6[j]->hide();
        Command6[j]->setText(QString());
    }

    for (int i = 1; i <= BrojOpisa; ++i) {
        const int p = RedosledOdgovora[std::size_t(i)];
        const int s = IzabranaPitanja[std::size_t(p)];
        const QByteArray kljuc = Kriptovanje::KljucniTekst(ZnakKljuc(s));
        Label2[i]->setText(Tekst::Procitaj(kljuc, ZnakOpis(s)));
        Command6[p]->setText(QString::number(i));
    }
    OsveziOpcije();

    for (int j = 1; j <= BrojSlika; ++j)
        Image1[j]->hide();

    for (int j = 1; j <= BrojSlika; ++j) {
        progres.Ucitavanje(qint16(j - 1), BrojSlika);
        ResPicture ucitavac;
        const QImage slika = ucitavac.LoadResPicture(QStringLiteral("ZNAK"), int(IzabranaPitanja[std::size_t(j)]));
        if (slika.isNull()) {
            Neuspeh(ucitavac.Err().Description);
            return false;
        }
        // Shown at its own size unless it is too large for its place; then shrunk, and the
        // picture drawn scaled into the reduced size.
        const Raspored::Velicina v = Raspored::Uklopi({ float(slika.width()), float(slika.height()) });
        Image1[j]->setScaledContents(true);
        Image1[j]->setPixmap(QPixmap::fromImage(slika));
        Image1[j]->resize(qRound(v.sirina), qRound(v.visina));
    }

    for (int j = 1; j <= BrojSlika; ++j)
        Image1[j]->show();
    return true;
}

void ZnakoviTest::Form_Activate()
{
    if (QMainWindow* glavni = GlavniProzor())
        glavni->showMaximized();
}

void ZnakoviTest::OsveziOpcije()
{
    for (int i = 1; i <= BrojOpisa; ++i) {
        Izgled::Pozadina(Label1[i], SvetloZuta);
        Izgled::Pozadina(Label2[i], SvetloZuta);
    }
}

void ZnakoviTest::Label1_Click(int Index)
{
    // The heading is element 0 of the same group; it has no option behind it.
    if (Index < 1 || Index > BrojOpisa)
        return;
    m_izabrano = qint16(Index);
    OsveziOpcije();
    Izgled::Pozadina(Label1[Index], SvetloZelena);
    Izgled::Pozadina(Label2[Index], SvetloZelena);
}

void ZnakoviTest::Image1_Click(int Index)
{
    if (Index < 1 || Index > BrojSlika)
        return;
    if (m_izabrano != 0 && !Text3[Index]->isReadOnly())
        Text3[Index]->setText(QString::number(m_izabrano));
    if (m_izabrano != 0) {
        Izgled::Pozadina(Label1[m_izabrano], SvetloZuta);
        Izgled::Pozadina(Label2[m_izabrano], SvetloZuta);
    }
    m_izabrano = 0;
}

void ZnakoviTest::Text3_Change(int Index)
{
    Text3[Index]->setReadOnly(true);
    Izgled::Pozadina(Text3[Index], SvetloCijan);
}

void ZnakoviTest::Command1_Click()
{
    for (int j = 1; j <= BrojSlika; ++j) {
        Command6[j]->show();
        if (Text3[j]->text() == Command6[j]->text())
            Izgled::Pozadina(Text3[j], Zelena);
        else
            Boje(Text3[j], Zuta, Crvena);
    }
}

void ZnakoviTest::Command2_Click()
{
    if (!NoviTest())
        return;
    m_brava->Zakljucaj();
}

void ZnakoviTest::Timer1_Timer()
{
    m_brava->Timer1_Timer();
}

bool ZnakoviTest::eventFilter(QObject* objekat, QEvent* dogadjaj)
{
    if (dogadjaj->type() != QEvent::MouseButtonRelease)
        return Prozor::eventFilter(objekat, dogadjaj);
    const auto* mis = static_cast<QMouseEvent*>(dogadjaj);
    auto* w = qobject_cast<QWidget*>(objekat);
    // A click: the left button let go over the control it was pressed on.
    if (!w || mis->button() != Qt::LeftButton || !w->rect().contains(mis->position().toPoint()))
        return Prozor::eventFilter(objekat, dogadjaj);

    for (int i = 0; i <= BrojOpisa; ++i) {
        if (objekat == Label1[i])
            Label1_Click(i);
        else if (i > 0 && objekat == Label2[i])
            Label2_Click(i);
    }
    for (int j = 1; j <= BrojSlika; ++j) {
        if (objekat == Image1[j])
            Image1_Click(j);
        else if (objekat == Text3[j])
            Text3_Click(j);
    }
    return Prozor::eventFilter(objekat, dogadjaj);
}

