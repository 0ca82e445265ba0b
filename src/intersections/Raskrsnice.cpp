#include "intersections/Raskrsnice.h"

#include "content/ResPicture.h"
#include "napredak/IzTesta.h"
#include "widgets/Izgled.h"
#include "widgets/NovTestBrava.h"
#include "widgets/Progres.h"
#include "widgets/Uvelicanje.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>

namespace {
const QColor Crvena(255, 0, 0);
const QColor Zelena(0, 255, 0);
const QColor Plava(0, 0, 255);
const QColor Zuta(255, 255, 0);
constexpr int DebljinaPogresnog = 3;

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

Raskrsnice::Raskrsnice(int brojPitanja, Module2::Generator generator, QWidget* parent)
    : Prozor(parent)
    , m_test([] { return Module1::UcitajRaskrsnice("sve"); }, brojPitanja, generator)
{
    setObjectName(QStringLiteral("Raskrsnice"));
    resize(760, 592);

    m_label0 = new QLabel(this);
    m_label0->setObjectName(QStringLiteral("Label0"));
    m_label0->setGeometry(101, 0, 600, 30);
    Izgled::Naslov(m_label0);

    const QFont dugmad = Izgled::Arial(9.75, true);
    m_provera = NumerisanoDugme(this, QStringLiteral("Command4"), QStringLiteral("Provera"), QRect(19, 3, 80, 22), dugmad);
    m_novTest = NumerisanoDugme(this, QStringLiteral("Command1"), QStringLiteral("Nov TEST"), QRect(701, 3, 80, 22), dugmad);
    connect(m_provera, &QPushButton::clicked, this, &Raskrsnice::Provera);
    connect(m_novTest, &QPushButton::clicked, this, &Raskrsnice::NovTest);
    Taster(m_provera, TasterProvere);
    Taster(m_novTest, TasterNovogTesta);
    m_brava = new NovTestBrava(m_novTest, this);

    auto* picture1 = new QWidget(this);
    picture1->setObjectName(QStringLiteral("Picture1"));
    picture1->setGeometry(2, 33, 767, 497);
    auto* frame1 = new QWidget(picture1);
    frame1->setObjectName(QStringLiteral("Frame1"));
    frame1->setGeometry(0, 0, 765, 497);
    NapraviKontrole(0, frame1);
    NapraviKontrole(1, frame1);
}

void Raskrsnice::NapraviKontrole(int f, QWidget* roditelj)
{
    Kontrole& k = m_kontrole[static_cast<std::size_t>(f)];
    k.frame = new QGroupBox(roditelj);
    k.frame->setObjectName(QStringLiteral("Frame2_%1").arg(f));
    k.frame->setGeometry(0, f == 0 ? 0 : 247, 765, 253);
    k.frame->setFont(Izgled::Arial(9.75, true));
    if (f == 0)
        k.frame->setTitle(NaslovPrvogOkvira);

    k.image = new QLabel(k.frame);
    k.image->setObjectName(f == 0 ? QStringLiteral("Image1") : QStringLiteral("Image2"));
    k.image->move(7, 20);

    const QString dugme = f == 0 ? QStringLiteral("Command2_%1") : QStringLiteral("Command3_%1");
    const QString odgovor = f == 0 ? QStringLiteral("Label1_%1") : QStringLiteral("Label3_%1");
    const QString resenje = f == 0 ? QStringLiteral("Label2_%1") : QStringLiteral("Label4_%1");
    const QFont brojevi = Izgled::Arial(9.75, true);
    for (int i = 1; i <= BrojPolja; ++i) {
        const int pomak = 27 * (i - 1);
        k.resenje[i] = Polje(k.frame, resenje.arg(i), QRect(448 + pomak, 67, 17, 20), Zuta);
        k.odgovor[i] = Polje(k.frame, odgovor.arg(i), QRect(448 + pomak, 93, 17, 20), Plava);
        k.dugme[i] = NumerisanoDugme(k.frame, dugme.arg(i), QString::number(i), QRect(447 + pomak, 120, 20, 20), brojevi);
        k.dugme[i]->hide();
        k.dugme[i]->setAccessibleName(QStringLiteral("Vozilo %1").arg(i));
        k.odgovor[i]->setAccessibleName(QStringLiteral("Prolaz %1").arg(i));
        k.resenje[i]->setAccessibleName(QStringLiteral("Tačan prolaz %1").arg(i));
        connect(k.dugme[i], &QPushButton::clicked, this, [this, f, i] { Unos(f, i); });
    }
}

int Raskrsnice::LevaIvica(int sirina)
{
    // In twips: 105, moved by 1770 to 1875 when narrower than 5000.
    return Izgled::Tvip(sirina * Izgled::TvipaPoPikselu < 5000 ? 1875 : 105);
}

Module1::Greska Raskrsnice::Ucitaj()
{
    if (QMainWindow* glavni = GlavniProzor())
        glavni->showMaximized();
    return Prikazi();
}

void Raskrsnice::Form_Activate()
{
    m_kontrole[0].dugme[1]->setFocus(Qt::OtherFocusReason);
}

Module1::Greska Raskrsnice::Prikazi()
{
    if (Module1::Greska g = m_test.NoviTest())
        return g;
    Progres::Prikaz progres(this);
    progres.Ucitavanje(0, 100);
    for (int f = 0; f < TestRaskrsnica::PoTestu; ++f) {
        if (Module1::Greska g = PrikaziPitanje(f))
            return g;
        progres.Ucitavanje(qint16(100 * (f + 1) / TestRaskrsnica::PoTestu), 100);
    }
    return {};
}

Module1::Greska Raskrsnice::PrikaziPitanje(int f)
{
    Kontrole& k = m_kontrole[static_cast<std::size_t>(f)];
    const TestRaskrsnica::Zadatak& z = m_test.Pitanje(f);

    ResPicture ucitavac;
    const QImage slika = ucitavac.LoadResPicture(QStringLiteral("RASKRSNICA"), z.slika);
    if (slika.isNull())
        return { ucitavac.Err().Description };
    k.image->setPixmap(QPixmap::fromImage(slika));
    k.image->resize(slika.size());
    k.image->move(LevaIvica(slika.width()), 20);
    k.image->setAccessibleName(QStringLiteral("Raskrsnica %1, slika %2").arg(f + 1).arg(z.slika));
    k.image->setAccessibleDescription(QStringLiteral(
        "Redosled prolaza %1 označenih vozila preko raskrsnice").arg(z.resenje.size()));

    for (int i = 1; i <= BrojPolja; ++i) {
        const bool vozilo = i <= z.resenje.size();
        k.odgovor[i]->clear();
        k.odgovor[i]->setLineWidth(1);
        k.odgovor[i]->setAccessibleDescription(QString());
        k.resenje[i]->setAccessibleDescription(QString());
        Izgled::Pozadina(k.odgovor[i], Qt::white);
        k.odgovor[i]->setVisible(vozilo);
        k.resenje[i]->setText(vozilo ? QString(QLatin1Char(z.resenje[i - 1])) : QString());
        k.resenje[i]->hide();
        k.dugme[i]->setEnabled(true);
        k.dugme[i]->setVisible(vozilo);
    }
    return {};
}

void Raskrsnice::Unos(int f, int Index)
{
    if (!m_test.Unesi(f, Index))
        return;
    const QByteArray& uneto = m_test.Pitanje(f).uneto;
    m_kontrole[static_cast<std::size_t>(f)].odgovor[static_cast<std::size_t>(uneto.size())]->setText(QString::number(Index));
}

void Raskrsnice::Provera()
{
    const bool prvaProvera = !m_test.Provereno();
    const Presuda presuda = m_test.Proveri();
    if (prvaProvera)
        Zabelezi(Napredak::Odgovori(m_test, presuda));
    for (int f = 0; f < TestRaskrsnica::PoTestu; ++f) {
        Kontrole& k = m_kontrole[static_cast<std::size_t>(f)];
        for (int i = 1; i <= m_test.Pitanje(f).resenje.size(); ++i) {
            k.resenje[i]->show();
            k.dugme[i]->setEnabled(false);
            const bool tacno = m_test.TacnoNaMestu(f, i - 1);
            Izgled::Pozadina(k.resenje[i], tacno ? Zelena : Crvena);
            Izgled::Pozadina(k.odgovor[i], tacno ? Zelena : Crvena);
            Izgled::BojaTeksta(k.resenje[i], tacno ? Plava : Zuta);
            // Not by colour alone: a wrong position gets a heavy edge.
            k.odgovor[i]->setLineWidth(tacno ? 1 : DebljinaPogresnog);
            const QString ocena = tacno ? QStringLiteral("tačan odgovor") : QStringLiteral("netačan odgovor");
            k.odgovor[i]->setAccessibleDescription(ocena);
            k.resenje[i]->setAccessibleDescription(ocena);
        }
    }
    ObjaviRezultat(presuda, QStringLiteral("raskrsnice"));
}

void Raskrsnice::NovTest()
{
    if (NoviSastav([this] { return Prikazi(); }))
        m_brava->Zakljucaj();
}

void Raskrsnice::keyPressEvent(QKeyEvent* dogadjaj)
{
    const int broj = dogadjaj->key() - Qt::Key_0;
    if (broj < 1 || broj > BrojPolja || (dogadjaj->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        Prozor::keyPressEvent(dogadjaj);
        return;
    }
    auto otvoreno = [this](int i) {
        const TestRaskrsnica::Zadatak& z = m_test.Pitanje(i);
        return z.uneto.size() < z.resenje.size();
    };
    int f = -1;
    QWidget* fokus = focusWidget();
    for (int i = 0; i < TestRaskrsnica::PoTestu && fokus; ++i) {
        if (m_kontrole[static_cast<std::size_t>(i)].frame->isAncestorOf(fokus) && otvoreno(i))
            f = i;
    }
    for (int i = 0; i < TestRaskrsnica::PoTestu && f < 0; ++i) {
        if (otvoreno(i))
            f = i;
    }
    if (f >= 0) {
        QPushButton* dugme = m_kontrole[static_cast<std::size_t>(f)].dugme[static_cast<std::size_t>(broj)];
        if (dugme->isVisible() && dugme->isEnabled())
            dugme->click();
    }
    dogadjaj->accept();
}
