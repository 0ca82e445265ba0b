#include "exam/Ispit.h"

#include "content/ResPicture.h"
#include "content/Tekst.h"
#include "widgets/Izgled.h"

#include <QButtonGroup>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int BrojevaURedu = 15;  // numbered buttons per row of the overview

const QColor Odgovoreno { 160, 224, 160 };
const QColor Polozio { 0, 128, 0 };
const QColor NijePolozio { 192, 0, 0 };

QString Slikovni(VrstaPitanja vrsta)
{
    switch (vrsta) {
    case VrstaPitanja::Situacija: return QStringLiteral("SITUACIJA");
    case VrstaPitanja::Raskrsnica: return QStringLiteral("RASKRSNICA");
    case VrstaPitanja::Znak: return QStringLiteral("ZNAK");
    case VrstaPitanja::Teorija: break;
    }
    return {};
}

// The picture of a question, or a null image when it has none or it cannot be read.
QPixmap Slika(const TestIspita::Pitanje& p)
{
    if (p.slika == 0)
        return {};
    ResPicture ucitavac;
    return QPixmap::fromImage(ucitavac.LoadResPicture(Slikovni(p.vrsta), p.slika));
}

QString Poena(int n)
{
    // 1 poen, 2-4 poena, 5-20 poena, 21 poen, ...
    const int d = n % 10;
    const int s = n % 100;
    if (d == 1 && s != 11)
        return QStringLiteral("%1 poen").arg(n);
    return QStringLiteral("%1 poena").arg(n);
}

QString MinutiSekunde(qint64 ms)
{
    const qint64 sekundi = (ms + 999) / 1000;  // a second begun is shown whole
    return QStringLiteral("%1:%2").arg(sekundi / 60, 2, 10, QLatin1Char('0')).arg(sekundi % 60, 2, 10, QLatin1Char('0'));
}

}  // namespace

qint64 Ispit::SistemskiSat()
{
    static QElapsedTimer sat = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return sat.elapsed();
}

Ispit::Ispit(const QByteArray& kategorija, Module2::Generator generator, QWidget* parent, Sat sat, int korak)
    : Prozor(parent)
    , m_kategorija(kategorija)
    , m_generator(generator)
    , m_sat(std::move(sat))
{
    setObjectName(QStringLiteral("Ispit"));
    resize(760, 592);

    auto* okvir = new QVBoxLayout(this);
    m_naslov = new QLabel(this);
    m_naslov->setObjectName(QStringLiteral("Label0"));
    m_naslov->setFixedSize(600, 35);
    Izgled::Naslov(m_naslov);
    okvir->addWidget(m_naslov, 0, Qt::AlignHCenter);

    m_strane = new QStackedWidget(this);
    m_strane->setObjectName(QStringLiteral("Strane"));
    okvir->addWidget(m_strane, 1);

    m_odbrojavanje = new QTimer(this);
    m_odbrojavanje->setObjectName(QStringLiteral("Odbrojavanje"));
    m_odbrojavanje->setInterval(korak);
    connect(m_odbrojavanje, &QTimer::timeout, this, &Ispit::OsveziVreme);

    NapraviPolaganje();
    NapraviIshod();
}

void Ispit::NapraviPolaganje()
{
    auto* strana = new QWidget(m_strane);
    strana->setObjectName(QStringLiteral("Polaganje"));
    auto* l = new QVBoxLayout(strana);

    auto* vrh = new QHBoxLayout;
    m_redniBroj = new QLabel(strana);
    m_redniBroj->setObjectName(QStringLiteral("RedniBroj"));
    m_redniBroj->setFont(Izgled::Arial(12, true));
    m_vreme = new QLabel(strana);
    m_vreme->setObjectName(QStringLiteral("Vreme"));
    m_vreme->setFont(Izgled::Arial(14, true));
    m_vreme->setAccessibleName(QStringLiteral("Preostalo vreme"));
    vrh->addWidget(m_redniBroj);
    vrh->addStretch(1);
    vrh->addWidget(m_vreme);
    l->addLayout(vrh);

    m_slika = new QLabel(strana);
    m_slika->setObjectName(QStringLiteral("Slika"));
    m_slika->setAccessibleName(QStringLiteral("Slika uz pitanje"));
    l->addWidget(m_slika, 0, Qt::AlignHCenter);

    m_pitanje = new QLabel(strana);
    m_pitanje->setObjectName(QStringLiteral("Pitanje"));
    m_pitanje->setWordWrap(true);
    m_pitanje->setFont(Izgled::Arial(12, true));
    l->addWidget(m_pitanje);

    m_grupa = new QButtonGroup(strana);
    for (int j = 0; j < 3; ++j) {
        auto* o = new QRadioButton(strana);
        o->setObjectName(QStringLiteral("Odgovor%1").arg(j + 1));
        o->setFont(Izgled::Arial(11, false));
        o->setAccessibleName(QStringLiteral("Odgovor %1").arg(j + 1));
        m_grupa->addButton(o, j);
        m_odgovori[static_cast<std::size_t>(j)] = o;
        l->addWidget(o);
        o->installEventFilter(this);
    }
    connect(m_grupa, &QButtonGroup::idClicked, this, &Ispit::Izaberi);

    m_redosled = new QLineEdit(strana);
    m_redosled->setObjectName(QStringLiteral("Redosled"));
    m_redosled->setAccessibleName(QStringLiteral("Redosled vozila"));
    m_redosled->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[1-9]{0,9}")), m_redosled));
    m_redosled->setMaximumWidth(200);
    m_redosled->setFont(Izgled::Arial(12, true));
    connect(m_redosled, &QLineEdit::textEdited, this, [this](const QString& tekst) {
        if (!m_test->Upisi(m_tekuce, tekst.toLatin1()))
            m_redosled->setText(QString::fromLatin1(m_test->Upisano(m_tekuce)));
        OsveziPregled();
    });
    m_redosled->installEventFilter(this);
    l->addWidget(m_redosled);
    l->addStretch(1);

    auto* dugmad = new QHBoxLayout;
    m_prethodno = new QPushButton(QStringLiteral("< Prethodno"), strana);
    m_prethodno->setObjectName(QStringLiteral("Prethodno"));
    m_prethodno->setAccessibleName(QStringLiteral("Prethodno pitanje"));
    m_sledece = new QPushButton(QStringLiteral("Sledeće >"), strana);
    m_sledece->setObjectName(QStringLiteral("Sledece"));
    m_sledece->setAccessibleName(QStringLiteral("Sledeće pitanje"));
    m_zavrsi = new QPushButton(QStringLiteral("Završi ispit"), strana);
    m_zavrsi->setObjectName(QStringLiteral("Zavrsi"));
    m_zavrsi->setAccessibleName(QStringLiteral("Završi ispit"));
    for (QPushButton* d : { m_prethodno, m_sledece, m_zavrsi }) {
        d->setFont(Izgled::Arial(9.75, true));
        d->installEventFilter(this);
    }
    connect(m_prethodno, &QPushButton::clicked, this, &Ispit::Prethodno);
    connect(m_sledece, &QPushButton::clicked, this, &Ispit::Sledece);
    connect(m_zavrsi, &QPushButton::clicked, this, &Ispit::Zavrsi);
    dugmad->addWidget(m_prethodno);
    dugmad->addWidget(m_sledece);
    dugmad->addStretch(1);
    dugmad->addWidget(m_zavrsi);
    l->addLayout(dugmad);

    m_pregled = new QWidget(strana);
    m_pregled->setObjectName(QStringLiteral("Pregled"));
    m_pregled->setAccessibleName(QStringLiteral("Pregled pitanja"));
    new QGridLayout(m_pregled);
    l->addWidget(m_pregled);

    m_strane->addWidget(strana);
}

void Ispit::NapraviIshod()
{
    auto* strana = new QWidget(m_strane);
    strana->setObjectName(QStringLiteral("Ishod"));
    auto* l = new QVBoxLayout(strana);
    m_poeni = new QLabel(strana);
    m_poeni->setObjectName(QStringLiteral("Poeni"));
    m_prolaz = new QLabel(strana);
    m_prolaz->setObjectName(QStringLiteral("Prolaz"));
    m_ocena = new QLabel(strana);
    m_ocena->setObjectName(QStringLiteral("Ocena"));
    m_ocena->setFont(Izgled::Arial(18, true));
    for (QLabel* n : { m_poeni, m_prolaz }) {
        n->setFont(Izgled::Arial(12, true));
        l->addWidget(n);
    }
    l->addWidget(m_ocena);
    m_greske = new QScrollArea(strana);
    m_greske->setObjectName(QStringLiteral("Greske"));
    m_greske->setAccessibleName(QStringLiteral("Pregled grešaka"));
    m_greske->setWidgetResizable(true);
    l->addWidget(m_greske, 1);
    m_strane->addWidget(strana);
}

Module1::Greska Ispit::Ucitaj()
{
    const TabelaIspita tabela = UcitajTabeluIspita();
    const FormatIspita* format = tabela.Za(m_kategorija);
    if (!format) {
        Module1::Greska g;
        g.opis = tabela.greska.isEmpty() ? QStringLiteral("ispit.tsv nema kategoriju %1").arg(QLatin1String(m_kategorija)) : tabela.greska;
        return g;
    }
    const QByteArray kategorija = m_kategorija;
    TestIspita::Izvori izvori {
        [kategorija] { return Module1::UcitajTeoriju(kategorija); },
        [] { return Module1::UcitajSituacije("sve"); },
        [] { return Module1::UcitajRaskrsnice("sve"); },
        [] { return Module1::UcitajSveZnakove(); },
    };
    TestIspita test(*format, std::move(izvori), m_generator);
    if (Module1::Greska g = test.Sastavi(m_sat()))
        return g;
    m_test = std::move(test);

    // One numbered button a question, in rows.
    auto* mreza = static_cast<QGridLayout*>(m_pregled->layout());
    mreza->setSpacing(2);
    QWidget* prethodni = m_zavrsi;
    setTabOrder(m_odgovori[0], m_odgovori[1]);
    setTabOrder(m_odgovori[1], m_odgovori[2]);
    setTabOrder(m_odgovori[2], m_redosled);
    setTabOrder(m_redosled, m_prethodno);
    setTabOrder(m_prethodno, m_sledece);
    setTabOrder(m_sledece, m_zavrsi);
    for (int k = 0; k < m_test->Broj(); ++k) {
        auto* b = new QPushButton(QString::number(k + 1), m_pregled);
        b->setObjectName(QStringLiteral("Broj%1").arg(k + 1));
        b->setCheckable(true);
        b->setFixedSize(34, 24);
        b->installEventFilter(this);
        connect(b, &QPushButton::clicked, this, [this, k] { Idi(k); });
        mreza->addWidget(b, k / BrojevaURedu, k % BrojevaURedu);
        setTabOrder(prethodni, b);
        prethodni = b;
        m_brojevi.push_back(b);
    }
    m_tekuce = 0;
    m_strane->setCurrentIndex(0);
    PrikaziPitanje();
    OsveziVreme();
    return {};
}

void Ispit::PrikaziPitanje()
{
    const TestIspita::Pitanje& p = m_test->Pitanja()[static_cast<std::size_t>(m_tekuce)];
    m_redniBroj->setText(QStringLiteral("Pitanje %1 od %2 (%3)").arg(m_tekuce + 1).arg(m_test->Broj()).arg(Poena(p.poeni)));
    m_pitanje->setText(Tekst::izCp1250(p.tekst));
    const QPixmap slika = Slika(p);
    m_slika->setPixmap(slika);
    m_slika->setVisible(!slika.isNull());

    const bool raskrsnica = p.vrsta == VrstaPitanja::Raskrsnica;
    const std::optional<int> izabran = m_test->Izabran(m_tekuce);
    m_grupa->setExclusive(false);
    for (int j = 0; j < 3; ++j) {
        QRadioButton* o = m_odgovori[static_cast<std::size_t>(j)];
        o->setVisible(!raskrsnica);
        o->setText(QStringLiteral("%1. %2").arg(j + 1).arg(Tekst::izCp1250(p.odgovori[static_cast<std::size_t>(j)])));
        o->setAccessibleDescription(o->text());
        o->setChecked(izabran == j);
    }
    m_grupa->setExclusive(true);
    m_redosled->setVisible(raskrsnica);
    m_redosled->setText(QString::fromLatin1(m_test->Upisano(m_tekuce)));
    m_prethodno->setEnabled(m_tekuce > 0);
    m_sledece->setEnabled(m_tekuce + 1 < m_test->Broj());
    OsveziPregled();
    QWidget* fokus = raskrsnica ? static_cast<QWidget*>(m_redosled) : m_odgovori[static_cast<std::size_t>(izabran.value_or(0))];
    if (isVisible() && !m_sledece->hasFocus() && !m_prethodno->hasFocus())
        fokus->setFocus();
}

void Ispit::OsveziPregled()
{
    for (int k = 0; k < static_cast<int>(m_brojevi.size()); ++k) {
        QPushButton* b = m_brojevi[static_cast<std::size_t>(k)];
        const bool odgovoreno = m_test->Odgovoreno(k);
        b->setChecked(k == m_tekuce);
        b->setStyleSheet(odgovoreno ? QStringLiteral("QPushButton { background: %1; }").arg(Odgovoreno.name()) : QString());
        b->setAccessibleName(QStringLiteral("Pitanje %1, %2").arg(k + 1).arg(odgovoreno ? QStringLiteral("odgovoreno") : QStringLiteral("bez odgovora")));
    }
}

void Ispit::OsveziVreme()
{
    if (!m_test || m_test->Zavrsen())
        return;
    const qint64 preostalo = m_test->Preostalo(m_sat());
    m_vreme->setText(QStringLiteral("Preostalo vreme: %1").arg(MinutiSekunde(preostalo)));
    if (preostalo == 0)
        Zavrsi();
}

void Ispit::Izaberi(int odgovor)
{
    if (m_test->Izaberi(m_tekuce, odgovor)) {
        m_odgovori[static_cast<std::size_t>(odgovor)]->setChecked(true);
        OsveziPregled();
    }
}

void Ispit::Prethodno()
{
    if (m_tekuce > 0)
        Idi(m_tekuce - 1);
}

void Ispit::Sledece()
{
    if (m_test && m_tekuce + 1 < m_test->Broj())
        Idi(m_tekuce + 1);
}

void Ispit::Idi(int pitanje)
{
    if (!m_test || m_test->Zavrsen() || pitanje < 0 || pitanje >= m_test->Broj())
        return;
    m_tekuce = pitanje;
    PrikaziPitanje();
}

void Ispit::Zavrsi()
{
    if (!m_test || m_test->Zavrsen())
        return;
    m_odbrojavanje->stop();
    const TestIspita::Ishod& ishod = m_test->Zavrsi();
    PrikaziIshod();
    emit Zavrseno(ishod);
}

QString Ispit::Odgovor(int k) const
{
    const TestIspita::Pitanje& p = m_test->Pitanja()[static_cast<std::size_t>(k)];
    if (p.vrsta == VrstaPitanja::Raskrsnica) {
        const QByteArray upisano = m_test->Upisano(k);
        return upisano.isEmpty() ? QStringLiteral("bez odgovora") : QString::fromLatin1(upisano);
    }
    const std::optional<int> izabran = m_test->Izabran(k);
    if (!izabran)
        return QStringLiteral("bez odgovora");
    return Tekst::izCp1250(p.odgovori[static_cast<std::size_t>(*izabran)]);
}

QString Ispit::TacanOdgovor(int k) const
{
    const TestIspita::Pitanje& p = m_test->Pitanja()[static_cast<std::size_t>(k)];
    if (p.vrsta == VrstaPitanja::Raskrsnica)
        return QString::fromLatin1(p.resenje);
    return Tekst::izCp1250(p.odgovori[static_cast<std::size_t>(p.tacan)]);
}

void Ispit::PrikaziIshod()
{
    const TestIspita::Ishod& ishod = m_test->Zavrsi();
    m_poeni->setText(QStringLiteral("Osvojeno %1 od %2").arg(ishod.poena).arg(Poena(ishod.najvise)));
    m_prolaz->setText(QStringLiteral("Za prolaz je potrebno %1 (%2 %)").arg(Poena(ishod.potrebno)).arg(m_test->Format().prolaz));
    m_ocena->setText(ishod.polozio ? QStringLiteral("Položio") : QStringLiteral("Nije položio"));
    Izgled::BojaTeksta(m_ocena, ishod.polozio ? Polozio : NijePolozio);
    m_poeni->setAccessibleName(m_poeni->text());
    m_ocena->setAccessibleName(m_ocena->text());

    auto* lista = new QWidget;
    lista->setObjectName(QStringLiteral("ListaGresaka"));
    auto* l = new QVBoxLayout(lista);
    if (ishod.greske.empty())
        l->addWidget(new QLabel(QStringLiteral("Nijedne greške."), lista));
    for (const int k : ishod.greske) {
        const TestIspita::Pitanje& p = m_test->Pitanja()[static_cast<std::size_t>(k)];
        auto* greska = new QWidget(lista);
        greska->setObjectName(QStringLiteral("Greska%1").arg(k + 1));
        auto* g = new QVBoxLayout(greska);
        auto* pitanje = new QLabel(QStringLiteral("%1. %2 (%3)").arg(k + 1).arg(Tekst::izCp1250(p.tekst)).arg(Poena(p.poeni)), greska);
        pitanje->setObjectName(QStringLiteral("Pitanje"));
        pitanje->setWordWrap(true);
        pitanje->setFont(Izgled::Arial(10, true));
        g->addWidget(pitanje);
        const QPixmap slika = Slika(p);
        if (!slika.isNull()) {
            auto* s = new QLabel(greska);
            s->setObjectName(QStringLiteral("Slika"));
            s->setPixmap(slika);
            g->addWidget(s);
        }
        auto* vas = new QLabel(QStringLiteral("Vaš odgovor: %1").arg(Odgovor(k)), greska);
        vas->setObjectName(QStringLiteral("VasOdgovor"));
        vas->setWordWrap(true);
        Izgled::BojaTeksta(vas, NijePolozio);
        auto* tacan = new QLabel(QStringLiteral("Tačan odgovor: %1").arg(TacanOdgovor(k)), greska);
        tacan->setObjectName(QStringLiteral("TacanOdgovor"));
        tacan->setWordWrap(true);
        Izgled::BojaTeksta(tacan, Polozio);
        g->addWidget(vas);
        g->addWidget(tacan);
        l->addWidget(greska);
    }
    l->addStretch(1);
    m_greske->setWidget(lista);
    m_strane->setCurrentIndex(1);
    m_greske->setFocus();
}

void Ispit::showEvent(QShowEvent* dogadjaj)
{
    Prozor::showEvent(dogadjaj);
    if (m_test && !m_test->Zavrsen()) {
        OsveziVreme();
        if (!m_test->Zavrsen())
            m_odbrojavanje->start();
    }
}

void Ispit::hideEvent(QHideEvent* dogadjaj)
{
    // Nothing runs while the candidate cannot see the window.
    m_odbrojavanje->stop();
    Prozor::hideEvent(dogadjaj);
}

bool Ispit::eventFilter(QObject* objekat, QEvent* dogadjaj)
{
    if (dogadjaj->type() == QEvent::KeyPress && Taster(objekat, static_cast<QKeyEvent*>(dogadjaj)->key()))
        return true;
    return Prozor::eventFilter(objekat, dogadjaj);
}

void Ispit::keyPressEvent(QKeyEvent* dogadjaj)
{
    if (!Taster(this, dogadjaj->key()))
        Prozor::keyPressEvent(dogadjaj);
}

bool Ispit::Taster(const QObject* objekat, int taster)
{
    if (!m_test || m_test->Zavrsen())
        return false;
    const bool uPolju = objekat == m_redosled;  // the order field takes digits and arrows itself
    switch (taster) {
    case Qt::Key_PageUp:
        Prethodno();
        return true;
    case Qt::Key_PageDown:
        Sledece();
        return true;
    case Qt::Key_Left:
        if (uPolju)
            return false;
        Prethodno();
        return true;
    case Qt::Key_Right:
        if (uPolju)
            return false;
        Sledece();
        return true;
    case Qt::Key_1:
    case Qt::Key_2:
    case Qt::Key_3:
        if (uPolju || m_test->Pitanja()[static_cast<std::size_t>(m_tekuce)].vrsta == VrstaPitanja::Raskrsnica)
            return false;
        Izaberi(taster - Qt::Key_1);
        m_odgovori[static_cast<std::size_t>(taster - Qt::Key_1)]->setFocus();
        return true;
    default:
        return false;
    }
}
