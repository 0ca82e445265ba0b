#include "signs/ZnakoviTest.h"

#include "content/ResPicture.h"
#include "napredak/IzTesta.h"
#include "content/Tekst.h"
#include "signs/Raspored.h"
#include "widgets/Izgled.h"
#include "widgets/NovTestBrava.h"
#include "widgets/Progres.h"
#include "widgets/Uvelicanje.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
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
}

ZnakoviTest::ZnakoviTest(Module2::Generator generator, QWidget* parent)
    : Prozor(parent)
    , m_test([] { return Module1::UcitajSveZnakove(); }, generator)
{
    setObjectName(QStringLiteral("ZnakoviTest"));

    m_label1[0] = new QLabel(this);
    m_label1[0]->setObjectName(QStringLiteral("Label1_0"));
    m_label1[0]->setGeometry(100, -3, 600, 23);
    Izgled::Naslov(m_label1[0]);
    m_label1[0]->installEventFilter(this);

    m_provera = Izgled::Dugme(this, QStringLiteral("Command1"), QStringLiteral("Provera"), QRect(18, -1, 80, 22));
    connect(m_provera, &QPushButton::clicked, this, &ZnakoviTest::Provera);
    m_novTest = Izgled::Dugme(this, QStringLiteral("Command2"), QStringLiteral("Nov TEST"), QRect(701, -1, 80, 22));
    connect(m_novTest, &QPushButton::clicked, this, &ZnakoviTest::NovTest);
    Taster(m_provera, TasterProvere);
    Taster(m_novTest, TasterNovogTesta);
    m_brava = new NovTestBrava(m_novTest, this);

    auto* picture1 = new QWidget(this);
    picture1->setObjectName(QStringLiteral("Picture1"));
    picture1->setGeometry(18, 20, 762, 300);

    m_image1[0] = new QLabel(picture1);
    m_image1[0]->setObjectName(QStringLiteral("Image1_0"));
    m_image1[0]->setGeometry(0, -int(Raspored::Sablon.visina) - 10, int(Raspored::Sablon.sirina),
        int(Raspored::Sablon.visina));
    m_image1[0]->hide();

    const QFont brojFont = Izgled::Arial(12, true);
    for (int j = 1; j <= BrojSlika; ++j) {
        const auto kolona = static_cast<std::size_t>((j - 1) % 5);
        const auto red = static_cast<std::size_t>((j - 1) / 5);

        QLabel* slika = m_image1[j] = new QLabel(picture1);
        slika->setObjectName(QStringLiteral("Image1_%1").arg(j));
        slika->setGeometry(LevoSlike[kolona], VrhSlike[red], 137, 120);
        slika->setCursor(Qt::PointingHandCursor);
        slika->installEventFilter(this);

        QLineEdit* polje = m_text3[j] = new QLineEdit(picture1);
        polje->setObjectName(QStringLiteral("Text3_%1").arg(j));
        polje->setGeometry(LevoSlike[kolona] + PomakPolja, VrhPolja[red], Kvadrat, Kvadrat);
        polje->setMaxLength(1);
        polje->setFont(brojFont);
        polje->setAlignment(Qt::AlignCenter);
        polje->setTextMargins(0, 0, 0, 0);
        polje->setCursor(Qt::PointingHandCursor);
        Izgled::Boje(polje, Crvena, Qt::white);
        polje->installEventFilter(this);
        polje->setAccessibleName(QStringLiteral("Broj opisa za znak %1").arg(j));
        Izgled::Fokus(polje);
        connect(polje, &QLineEdit::textEdited, this, [this, j] { Upisano(j); });

        QPushButton* tacno = m_command6[j] = new QPushButton(picture1);
        tacno->setObjectName(QStringLiteral("Command6_%1").arg(j));
        tacno->setGeometry(polje->x() + PomakDugmeta, VrhPolja[red], Kvadrat, Kvadrat);
        tacno->setFont(brojFont);
        tacno->setFocusPolicy(Qt::NoFocus);
        Izgled::LiceDugmeta(tacno, DugmeTacno);
        tacno->hide();
    }

    auto* picture2 = new QWidget(this);
    picture2->setObjectName(QStringLiteral("Picture2"));
    picture2->setGeometry(13, 320, 776, 223);
    Izgled::Pozadina(picture2, QColor(192, 192, 192));

    const QFont opcijaFont = Izgled::Arial(9.75, true);
    for (int i = 1; i <= BrojOpisa; ++i) {
        const auto kolona = static_cast<std::size_t>((i - 1) / 4);
        const auto red = static_cast<std::size_t>((i - 1) % 4);

        m_label1[i] = new QLabel(QStringLiteral("%1.").arg(i), picture2);
        m_label1[i]->setObjectName(QStringLiteral("Label1_%1").arg(i));
        m_label1[i]->setGeometry(LevoBroja[kolona], VrhOpcije[red], 18, 50);
        m_label1[i]->setAlignment(Qt::AlignLeft | Qt::AlignTop);

        m_label2[i] = new QLabel(picture2);
        m_label2[i]->setObjectName(QStringLiteral("Label2_%1").arg(i));
        m_label2[i]->setGeometry(LevoOpisa[kolona], VrhOpcije[red], 360, 50);
        m_label2[i]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        m_label2[i]->setWordWrap(true);

        for (QLabel* l : { m_label1[i], m_label2[i] }) {
            l->setFont(opcijaFont);
            l->setCursor(Qt::PointingHandCursor);
            Izgled::Boje(l, Plava, SvetloZuta);
            l->installEventFilter(this);
        }
        // The number takes the focus for the whole option: Space or Enter selects it.
        m_label1[i]->setFocusPolicy(Qt::TabFocus);
        Izgled::Fokus(m_label1[i]);
    }
}

Module1::Greska ZnakoviTest::Ucitaj()
{
    return Prikazi();
}

Module1::Greska ZnakoviTest::Prikazi()
{
    if (Module1::Greska g = m_test.NoviTest())
        return g;

    Progres::Prikaz progres(this);
    progres.Ucitavanje(0, BrojSlika);

    for (int j = 1; j <= BrojSlika; ++j) {
        const QSignalBlocker tiho(m_text3[j]);
        m_text3[j]->clear();
        Izgled::Boje(m_text3[j], Crvena, Qt::white);
        m_text3[j]->setReadOnly(false);
        m_text3[j]->setAccessibleDescription(QString());
        Izgled::Znak(m_text3[j], QString());
        // The correct number is written only at "Provera": nothing exposes it before.
        m_command6[j]->hide();
        m_command6[j]->setText(QString());
        m_image1[j]->setAccessibleName(QStringLiteral("Znak %1").arg(j));
    }
    for (int i = 1; i <= BrojOpisa; ++i) {
        m_label2[i]->setText(Tekst::izCp1250(m_test.Opis(i - 1)));
        m_label1[i]->setAccessibleName(QStringLiteral("Opis %1: %2").arg(i).arg(m_label2[i]->text()));
    }
    // The selected option survives a new test; only its highlight goes.
    OsveziOpcije();

    for (int j = 1; j <= BrojSlika; ++j)
        m_image1[j]->hide();
    for (int j = 1; j <= BrojSlika; ++j) {
        progres.Ucitavanje(qint16(j - 1), BrojSlika);
        ResPicture ucitavac;
        const int broj = m_test.Slika(j - 1);
        const QImage slika = ucitavac.LoadResPicture(QStringLiteral("ZNAK"), broj);
        if (slika.isNull())
            return { ucitavac.Err().Description };
        // Shown at its own size unless it is too large for its place; then shrunk, and the
        // picture drawn scaled into the reduced size.
        const Raspored::Velicina v = Raspored::Uklopi({ float(slika.width()), float(slika.height()) });
        const QSize mesto(qRound(v.sirina), qRound(v.visina));
        m_image1[j]->setScaledContents(true);
        m_image1[j]->setPixmap(Izgled::UVelicini(slika, QStringLiteral("ZNAK/%1").arg(broj), mesto, m_image1[j]->devicePixelRatioF()));
        m_image1[j]->resize(mesto);
    }
    for (int j = 1; j <= BrojSlika; ++j)
        m_image1[j]->show();
    return {};
}

void ZnakoviTest::Form_Activate()
{
    if (QMainWindow* glavni = GlavniProzor())
        glavni->showMaximized();
    // The keyboard starts at the first box.
    m_text3[1]->setFocus(Qt::OtherFocusReason);
}

void ZnakoviTest::OsveziOpcije()
{
    for (int i = 1; i <= BrojOpisa; ++i) {
        Izgled::Pozadina(m_label1[i], SvetloZuta);
        Izgled::Pozadina(m_label2[i], SvetloZuta);
        m_label1[i]->setAccessibleDescription(QString());
        Izgled::Znak(m_label1[i], QString());
    }
}

void ZnakoviTest::Label1_Click(int Index)
{
    // The heading is element 0 of the same group; it has no option behind it.
    if (Index < 1 || Index > BrojOpisa)
        return;
    m_izabrano = Index;
    OsveziOpcije();
    Izgled::Pozadina(m_label1[Index], SvetloZelena);
    Izgled::Pozadina(m_label2[Index], SvetloZelena);
    m_label1[Index]->setAccessibleDescription(QStringLiteral("izabran"));
    // Not by colour alone: the selected number carries a marker.
    Izgled::Znak(m_label1[Index], QStringLiteral("▶"));
}

void ZnakoviTest::Image1_Click(int Index)
{
    if (Index < 1 || Index > BrojSlika)
        return;
    if (m_izabrano != 0 && m_test.Upisi(Index - 1, QString::number(m_izabrano))) {
        const QSignalBlocker tiho(m_text3[Index]);
        m_text3[Index]->setText(m_test.Upisano(Index - 1));
        Upisano(Index);
    }
    m_izabrano = 0;
    OsveziOpcije();
}

void ZnakoviTest::Upisano(int Index)
{
    QLineEdit* polje = m_text3[Index];
    // A typed character goes to the test; the box then locks.
    if (!m_test.Zakljucano(Index - 1) && !m_test.Upisi(Index - 1, polje->text()))
        return;
    polje->setReadOnly(true);
    Izgled::Pozadina(polje, SvetloCijan);
}

void ZnakoviTest::Provera()
{
    const bool prvaProvera = !m_test.Provereno();
    const Presuda presuda = m_test.Proveri();
    if (prvaProvera)
        Zabelezi(Napredak::Odgovori(m_test, presuda));
    for (int j = 1; j <= BrojSlika; ++j) {
        const QString tacno = m_test.Tacno(j - 1);
        m_command6[j]->setText(tacno);
        m_command6[j]->show();
        const bool dobro = presuda.ocene[static_cast<std::size_t>(j - 1)] == Ocena::Tacno;
        if (dobro)
            Izgled::Pozadina(m_text3[j], Zelena);
        else
            Izgled::Boje(m_text3[j], Zuta, Crvena);
        // Right and wrong told apart without colour too, and to a screen reader.
        Izgled::Znak(m_text3[j], dobro ? QStringLiteral("✓") : QStringLiteral("✗"));
        m_text3[j]->setAccessibleDescription(dobro ? QStringLiteral("tačan odgovor") : QStringLiteral("netačan odgovor"));
        m_command6[j]->setAccessibleName(QStringLiteral("Tačan broj za znak %1: %2")
                                             .arg(j)
                                             .arg(tacno.isEmpty() ? QStringLiteral("nema ga među opisima") : tacno));
        m_image1[j]->setAccessibleName(tacno.isEmpty()
                ? QStringLiteral("Znak %1").arg(j)
                : QStringLiteral("Znak %1: %2").arg(j).arg(m_label2[tacno.toInt()]->text()));
    }
    ObjaviRezultat(presuda, QStringLiteral("polja"));
}

void ZnakoviTest::NovTest()
{
    if (NoviSastav([this] { return Prikazi(); }))
        m_brava->Zakljucaj();
}

bool ZnakoviTest::eventFilter(QObject* objekat, QEvent* dogadjaj)
{
    if (dogadjaj->type() == QEvent::KeyPress) {
        const auto* taster = static_cast<QKeyEvent*>(dogadjaj);
        const bool izbor = taster->key() == Qt::Key_Space || taster->key() == Qt::Key_Return
            || taster->key() == Qt::Key_Enter;
        if (!izbor || (taster->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return Prozor::eventFilter(objekat, dogadjaj);
        // Space or Enter on an option selects it; on a box it places the selected option
        // there, as a click on the box does. A box never takes a space as its character.
        for (int i = 1; i <= BrojOpisa; ++i) {
            if (objekat == m_label1[i]) {
                Label1_Click(i);
                return true;
            }
        }
        for (int j = 1; j <= BrojSlika; ++j) {
            if (objekat == m_text3[j]) {
                if (m_izabrano != 0)
                    Image1_Click(j);
                return true;
            }
        }
        return Prozor::eventFilter(objekat, dogadjaj);
    }
    if (dogadjaj->type() != QEvent::MouseButtonRelease)
        return Prozor::eventFilter(objekat, dogadjaj);
    const auto* mis = static_cast<QMouseEvent*>(dogadjaj);
    auto* w = qobject_cast<QWidget*>(objekat);
    // A click: the left button let go over the control it was pressed on.
    if (!w || mis->button() != Qt::LeftButton || !w->rect().contains(mis->position().toPoint()))
        return Prozor::eventFilter(objekat, dogadjaj);

    for (int i = 0; i <= BrojOpisa; ++i) {
        if (objekat == m_label1[i] || (i > 0 && objekat == m_label2[i]))
            Label1_Click(i);
    }
    for (int j = 1; j <= BrojSlika; ++j) {
        if (objekat == m_image1[j] || objekat == m_text3[j])
            Image1_Click(j);
    }
    return Prozor::eventFilter(objekat, dogadjaj);
}
