#include "help/PomocProzor.h"

#include "content/Tekst.h"
#include "help/PomocChm.h"
#include "help/PomocPregled.h"
#include "help/PomocSadrzaj.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>

// The data folder of the installed program, from the folder of the program.
#ifndef KARUVEL_PODACI
#define KARUVEL_PODACI "../share/karuvel"
#endif

namespace {
QString PrvaStrana(const QList<PomocSadrzaj::Stavka>& stavke)
{
    for (const PomocSadrzaj::Stavka& s : stavke) {
        if (!s.strana.isEmpty())
            return s.strana;
        if (QString u = PrvaStrana(s.deca); !u.isEmpty())
            return u;
    }
    return {};
}

void Dodaj(QTreeWidgetItem* roditelj, QTreeWidget* stablo, const QList<PomocSadrzaj::Stavka>& stavke)
{
    for (const PomocSadrzaj::Stavka& s : stavke) {
        auto* stavka = roditelj ? new QTreeWidgetItem(roditelj) : new QTreeWidgetItem(stablo);
        stavka->setText(0, s.ime);
        if (!s.strana.isEmpty())
            stavka->setData(0, Qt::UserRole, PomocPregled::Adresa(s.strana));
        Dodaj(stavka, stablo, s.deca);
    }
}

QList<PomocSadrzaj::Stavka> ProcitajSadrzaj(const PomocChm& chm)
{
    const std::optional<QByteArray> hhc = chm.Procitaj(chm.Sadrzaj());
    if (!hhc)
        return {};
    return PomocSadrzaj::Procitaj(Tekst::izCp1250(*hhc));
}
}

QPointer<PomocProzor>& PomocProzor::Otvoren()
{
    static QPointer<PomocProzor> prozor;
    return prozor;
}

QString PomocProzor::Datoteka()
{
    return Datoteka(QCoreApplication::applicationDirPath());
}

QString PomocProzor::Datoteka(const QString& folderPrograma)
{
    const QDir folder(folderPrograma);
    const QString pored = folder.filePath(ImeDatoteke);
    const QString instalirana
        = QDir::cleanPath(folder.filePath(QStringLiteral(KARUVEL_PODACI) + u'/' + ImeDatoteke));
    return !QFileInfo::exists(pored) && QFileInfo::exists(instalirana) ? instalirana : pored;
}

namespace {
// The help file opened last: opened again while it is unchanged on the disc, what was taken
// out of it is not taken out again.
std::shared_ptr<PomocChm> Procitana(const QString& putanja)
{
    static struct {
        QString putanja;
        QDateTime izmenjena;
        qint64 velicina = -1;
        std::shared_ptr<PomocChm> chm;
    } poslednja;
    const QFileInfo info(putanja);
    if (!poslednja.chm || poslednja.putanja != putanja || poslednja.izmenjena != info.lastModified()
        || poslednja.velicina != info.size())
        poslednja = { putanja, info.lastModified(), info.size(), std::make_shared<PomocChm>(putanja) };
    return poslednja.chm;
}
}  // namespace

PomocProzor* PomocProzor::Otvori(QWidget* vlasnik, const QString& putanja)
{
    if (PomocProzor* otvoren = Otvoren()) {
        otvoren->NaVrh();
        return otvoren;
    }
    std::shared_ptr<PomocChm> chm = Procitana(putanja);
    if (!chm->Otvoren())
        return nullptr;
    QString pocetna = chm->PocetnaStrana();
    if (pocetna.isEmpty())
        pocetna = PrvaStrana(ProcitajSadrzaj(*chm));
    if (pocetna.isEmpty() || !chm->Procitaj(PomocPregled::Adresa(pocetna).path()))
        return nullptr;

    auto* prozor = new PomocProzor(vlasnik, std::move(chm), pocetna);
    Otvoren() = prozor;
    prozor->show();
    prozor->NaVrh();
    return prozor;
}

PomocProzor::PomocProzor(QWidget* vlasnik, std::shared_ptr<PomocChm> chm, const QString& pocetna)
    : QWidget(vlasnik, Qt::Window)
    , m_chm(std::move(chm))
    , m_pocetna(pocetna)
{
    setObjectName(QStringLiteral("PomocProzor"));
    setWindowTitle(QStringLiteral("Uputstvo - Karuvel"));
    setAttribute(Qt::WA_DeleteOnClose);
    // The main window closes every other window before it opens an activity; not this one.
    setProperty("karuvelOstaje", true);

    m_nazad = new QPushButton(QStringLiteral("Nazad"), this);
    m_nazad->setObjectName(QStringLiteral("Nazad"));
    m_napred = new QPushButton(QStringLiteral("Napred"), this);
    m_napred->setObjectName(QStringLiteral("Napred"));
    auto* pocetnaDugme = new QPushButton(QStringLiteral("Početna strana"), this);
    pocetnaDugme->setObjectName(QStringLiteral("Pocetna"));
    for (QPushButton* d : { m_nazad, m_napred, pocetnaDugme }) {
        d->setFocusPolicy(Qt::NoFocus);
        d->setCursor(Qt::PointingHandCursor);
    }
    m_nazad->setEnabled(false);
    m_napred->setEnabled(false);

    auto* dugmad = new QHBoxLayout;
    dugmad->addWidget(m_nazad);
    dugmad->addWidget(m_napred);
    dugmad->addWidget(pocetnaDugme);
    dugmad->addStretch(1);

    auto* deoba = new QSplitter(Qt::Horizontal, this);
    deoba->setObjectName(QStringLiteral("Deoba"));
    deoba->setChildrenCollapsible(false);
    m_sadrzaj = new QTreeWidget(deoba);
    m_sadrzaj->setObjectName(QStringLiteral("Sadrzaj"));
    m_sadrzaj->setHeaderHidden(true);
    m_sadrzaj->setColumnCount(1);
    m_strana = new PomocPregled(*m_chm, deoba);
    deoba->addWidget(m_sadrzaj);
    deoba->addWidget(m_strana);
    deoba->setStretchFactor(0, 0);
    deoba->setStretchFactor(1, 1);
    deoba->setSizes({ 250, 750 });

    auto* raspored = new QVBoxLayout(this);
    raspored->setContentsMargins(6, 6, 6, 6);
    raspored->addLayout(dugmad);
    raspored->addWidget(deoba, 1);

    PopuniSadrzaj();

    connect(m_nazad, &QPushButton::clicked, m_strana, &QTextBrowser::backward);
    connect(m_napred, &QPushButton::clicked, m_strana, &QTextBrowser::forward);
    connect(pocetnaDugme, &QPushButton::clicked, this,
        [this] { m_strana->setSource(PomocPregled::Adresa(m_pocetna)); });
    connect(m_strana, &QTextBrowser::backwardAvailable, m_nazad, &QWidget::setEnabled);
    connect(m_strana, &QTextBrowser::forwardAvailable, m_napred, &QWidget::setEnabled);
    connect(m_strana, &QTextBrowser::sourceChanged, this, &PomocProzor::StranaPromenjena);
    connect(m_sadrzaj, &QTreeWidget::currentItemChanged, this,
        [this](QTreeWidgetItem* stavka) { IzaberiStavku(stavka); });
    connect(m_sadrzaj, &QTreeWidget::itemClicked, this,
        [this](QTreeWidgetItem* stavka) { IzaberiStavku(stavka); });

    m_strana->setSource(PomocPregled::Adresa(m_pocetna));
    resize(1000, 700);
}

PomocProzor::~PomocProzor()
{
    // The page view reads from the help file: it goes first.
    delete m_strana;
    m_strana = nullptr;
}

void PomocProzor::PopuniSadrzaj()
{
    Dodaj(nullptr, m_sadrzaj, ProcitajSadrzaj(*m_chm));
    m_sadrzaj->expandAll();
}

void PomocProzor::IzaberiStavku(QTreeWidgetItem* stavka)
{
    if (!stavka)
        return;
    const QUrl adresa = stavka->data(0, Qt::UserRole).toUrl();
    if (adresa.isValid() && adresa != m_strana->source())
        m_strana->setSource(adresa);
}

void PomocProzor::StranaPromenjena(const QUrl& adresa)
{
    // The table follows the page shown, whether it came from the table, a link or the buttons.
    const QUrl strana = adresa.adjusted(QUrl::RemoveFragment);
    for (QTreeWidgetItemIterator it(m_sadrzaj); *it; ++it) {
        if ((*it)->data(0, Qt::UserRole).toUrl().adjusted(QUrl::RemoveFragment) == strana) {
            const QSignalBlocker tiho(m_sadrzaj);
            m_sadrzaj->setCurrentItem(*it);
            m_sadrzaj->scrollToItem(*it);
            return;
        }
    }
}

void PomocProzor::NaVrh()
{
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
}

void PomocProzor::keyPressEvent(QKeyEvent* dogadjaj)
{
    if (dogadjaj->key() == Qt::Key_Escape && dogadjaj->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(dogadjaj);
}
