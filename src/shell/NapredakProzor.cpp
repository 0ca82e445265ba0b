#include "shell/NapredakProzor.h"

#include "content/Kriptovanje.h"
#include "content/Tekst.h"
#include "napredak/Skladiste.h"
#include "widgets/Izgled.h"
#include "widgets/Poruke.h"

#include <QChart>
#include <QChartView>
#include <QDateTimeAxis>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QMainWindow>
#include <QPushButton>
#include <QScatterSeries>
#include <QTableWidget>
#include <QValueAxis>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// A question's text for the table: its start, on one line.
QString Kratko(const QByteArray& tekst1250)
{
    QString t = Tekst::izCp1250(tekst1250).simplified();
    if (t.size() > 70)
        t = t.left(67) + QStringLiteral("…");
    return t;
}

template <class Zapis>
void Kljucevi(const Module1::Banka<Zapis>& banka, NapredakProzor::Red& red)
{
    for (const Zapis& z : banka.zapisi)
        red.kljucevi.push_back(z.kljuc);
}

}  // namespace

NapredakProzor::NapredakProzor(Skladiste* napredak, QWidget* parent)
    : Prozor(parent)
    , m_napredak(napredak)
{
    setObjectName(QStringLiteral("NapredakProzor"));
    auto* raspored = new QVBoxLayout(this);
    m_naslov = new QLabel(this);
    m_naslov->setObjectName(QStringLiteral("Label1"));
    QFont f = m_naslov->font();
    f.setPointSize(14);
    f.setBold(true);
    m_naslov->setFont(f);
    raspored->addWidget(m_naslov);

    m_tabela = new QTableWidget(this);
    m_tabela->setObjectName(QStringLiteral("Tabela"));
    m_tabela->setColumnCount(5);
    m_tabela->setHorizontalHeaderLabels({QStringLiteral("Viđeno"), QStringLiteral("Nije viđeno"),
        QStringLiteral("Tačnih odgovora"), QStringLiteral("Za ponavljanje"), QStringLiteral("Najčešće greške")});
    m_tabela->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tabela->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_tabela->horizontalHeader()->setStretchLastSection(true);
    m_tabela->setWordWrap(false);
    m_tabela->setTextElideMode(Qt::ElideRight);
    raspored->addWidget(m_tabela, 3);

    m_grafikon = new QChartView(this);
    m_grafikon->setObjectName(QStringLiteral("Grafikon"));
    m_grafikon->setRenderHint(QPainter::Antialiasing);
    m_grafikon->setMinimumHeight(260);
    raspored->addWidget(m_grafikon, 4);

    m_obrisi = new QPushButton(QStringLiteral("Obriši napredak"), this);
    m_obrisi->setObjectName(QStringLiteral("Obrisi"));
    raspored->addWidget(m_obrisi, 0, Qt::AlignRight);
    connect(m_obrisi, &QPushButton::clicked, this, [this] {
        if (ObrisiUzPotvrdu(GlavniProzor() ? static_cast<QWidget*>(GlavniProzor()) : this, m_napredak))
            Osvezi();
    });
}

Module1::Greska NapredakProzor::Ucitaj()
{
    using Napredak::Aktivnost;
    using Napredak::Banka;
    m_redovi.clear();
    const std::vector<std::pair<QByteArray, QString>> kategorije = {
        {"B", QStringLiteral("Teorija – \"B\"")}, {"CD", QStringLiteral("Teorija – \"C\" i \"D\"")},
        {"T", QStringLiteral("Teorija – Traktor")}};
    for (const auto& [kategorija, naziv] : kategorije) {
        const Module1::BankaPitanja banka = Module1::UcitajTeoriju(kategorija);
        Red red {naziv, Aktivnost::Teorija, kategorija, Banka::Teorija, {}, {}};
        Kljucevi(banka, red);
        for (const Module1::Pitanje& p : banka.zapisi)
            red.opisi[p.kljuc] = Kratko(Kriptovanje::Dekriptuj(Kriptovanje::KljucniTekst(p.kljuc), p.pitanje));
        m_redovi.push_back(std::move(red));
    }
    {
        const Module1::BankaPitanja banka = Module1::UcitajSituacije("sve");
        Red red {QStringLiteral("Situacije sa slikama"), Aktivnost::Situacije, {}, Banka::Situacije, {}, {}};
        Kljucevi(banka, red);
        for (const Module1::Pitanje& p : banka.zapisi)
            red.opisi[p.kljuc] = Kratko(Kriptovanje::Dekriptuj(Kriptovanje::KljucniTekst(p.kljuc), p.pitanje));
        m_redovi.push_back(std::move(red));
    }
    {
        const Module1::BankaZnakova banka = Module1::UcitajSveZnakove();
        Red red {QStringLiteral("Test sa znakovima"), Aktivnost::TestZnakova, {}, Banka::Znakovi, {}, {}};
        Kljucevi(banka, red);
        for (const Module1::Znak& z : banka.zapisi)
            red.opisi[z.kljuc] = Kratko(Kriptovanje::Dekriptuj(Kriptovanje::KljucniTekst(z.kljuc), z.opis));
        m_redovi.push_back(std::move(red));
    }
    {
        const Module1::BankaRaskrsnica banka = Module1::UcitajRaskrsnice("sve");
        Red red {QStringLiteral("Raskrsnice"), Aktivnost::Raskrsnice, {}, Banka::Raskrsnice, {}, {}};
        Kljucevi(banka, red);
        for (std::size_t i = 0; i < banka.zapisi.size(); ++i)
            red.opisi[banka.zapisi[i].kljuc] = QStringLiteral("Raskrsnica %1").arg(i + 1);
        m_redovi.push_back(std::move(red));
    }
    Osvezi();
    return {};
}

void NapredakProzor::Osvezi()
{
    const bool otvoreno = m_napredak && m_napredak->Otvoreno();
    m_obrisi->setEnabled(otvoreno);
    PopuniTabelu();
    PopuniGrafikon();
}

void NapredakProzor::PopuniTabelu()
{
    std::map<Napredak::Banka, std::map<qint16, std::vector<bool>>> ishodi;
    m_tabela->setRowCount(static_cast<int>(m_redovi.size()) + 1);
    QStringList nazivi;
    for (std::size_t r = 0; r < m_redovi.size(); ++r) {
        const Red& red = m_redovi[r];
        if (!ishodi.count(red.banka))
            ishodi[red.banka] = m_napredak ? m_napredak->Ishodi(red.banka) : std::map<qint16, std::vector<bool>>();
        const auto& sve = ishodi[red.banka];
        int vidjeno = 0, odgovora = 0, tacnih = 0, slabih = 0;
        std::vector<std::pair<int, qint16>> greske;  // (wrong answers, key)
        for (const qint16 k : red.kljucevi) {
            const auto it = sve.find(k);
            if (it == sve.end() || it->second.empty())
                continue;
            ++vidjeno;
            const int t = static_cast<int>(std::count(it->second.begin(), it->second.end(), true));
            odgovora += static_cast<int>(it->second.size());
            tacnih += t;
            int kutija = 0;
            for (const bool b : it->second)
                kutija = b ? kutija + 1 : 0;
            slabih += kutija < 2 ? 1 : 0;
            const int pogresnih = static_cast<int>(it->second.size()) - t;
            if (pogresnih > 0)
                greske.push_back({pogresnih, k});
        }
        std::stable_sort(greske.begin(), greske.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
        QStringList najcesce;
        for (std::size_t i = 0; i < greske.size() && i < 3; ++i)
            najcesce << QStringLiteral("%1× %2").arg(greske[i].first).arg(red.opisi.count(greske[i].second) ? red.opisi.at(greske[i].second) : QString());
        const int ukupno = static_cast<int>(red.kljucevi.size());
        const int ri = static_cast<int>(r);
        m_tabela->setItem(ri, 0, new QTableWidgetItem(QStringLiteral("%1 od %2").arg(vidjeno).arg(ukupno)));
        m_tabela->setItem(ri, 1, new QTableWidgetItem(QString::number(ukupno - vidjeno)));
        m_tabela->setItem(ri, 2, new QTableWidgetItem(odgovora ? QStringLiteral("%1 %").arg(qRound(100.0 * tacnih / odgovora)) : QStringLiteral("–")));
        m_tabela->setItem(ri, 3, new QTableWidgetItem(QString::number(slabih)));
        auto* greskeStavka = new QTableWidgetItem(najcesce.join(QStringLiteral("; ")));
        greskeStavka->setToolTip(najcesce.join(QLatin1Char('\n')));
        m_tabela->setItem(ri, 4, greskeStavka);
        nazivi << red.naziv;
    }
    // The exams.
    const std::vector<Napredak::Ispit> ispiti = m_napredak ? m_napredak->Ispiti() : std::vector<Napredak::Ispit>();
    const int ri = static_cast<int>(m_redovi.size());
    const auto polozenih = std::count_if(ispiti.begin(), ispiti.end(), [](const Napredak::Ispit& i) { return i.polozen; });
    m_tabela->setItem(ri, 0, new QTableWidgetItem(QStringLiteral("%1 ispita").arg(ispiti.size())));
    m_tabela->setItem(ri, 1, new QTableWidgetItem(QString()));
    m_tabela->setItem(ri, 2, new QTableWidgetItem(QStringLiteral("položeno %1").arg(polozenih)));
    m_tabela->setItem(ri, 3, new QTableWidgetItem(QString()));
    m_tabela->setItem(ri, 4, new QTableWidgetItem(ispiti.empty() ? QString()
        : QStringLiteral("poslednji: %1 od %2 bodova").arg(ispiti.back().bodovi).arg(ispiti.back().najvise)));
    nazivi << QStringLiteral("Ispit");
    m_tabela->setVerticalHeaderLabels(nazivi);
}

void NapredakProzor::PopuniGrafikon()
{
    auto* grafikon = new QChart();
    grafikon->setTitle(m_napredak && m_napredak->Otvoreno() ? QStringLiteral("Rezultati provera i ispita (% tačnih, % bodova)")
                                                            : QStringLiteral("Napredak se ne čuva"));
    auto* osaX = new QDateTimeAxis();
    osaX->setFormat(QStringLiteral("dd.MM. HH:mm"));
    osaX->setTitleText(QStringLiteral("Vreme"));
    auto* osaY = new QValueAxis();
    osaY->setRange(0, 100);
    osaY->setLabelFormat(QStringLiteral("%d %%"));
    grafikon->addAxis(osaX, Qt::AlignBottom);
    grafikon->addAxis(osaY, Qt::AlignLeft);
    qint64 od = 0, do_ = 0;
    const auto Obuhvati = [&od, &do_](qint64 t) {
        od = od == 0 ? t : std::min(od, t);
        do_ = std::max(do_, t);
    };
    if (m_napredak) {
        for (const Red& red : m_redovi) {
            const auto rezultati = m_napredak->Rezultati(red.aktivnost, red.kategorija);
            if (rezultati.empty())
                continue;
            auto* niz = new QLineSeries();
            niz->setName(red.naziv);
            niz->setPointsVisible(true);
            for (const Skladiste::Rezultat& r : rezultati) {
                const qint64 t = r.vreme.toMSecsSinceEpoch();
                niz->append(static_cast<qreal>(t), r.ukupno ? 100.0 * r.tacnih / r.ukupno : 0.0);
                Obuhvati(t);
            }
            grafikon->addSeries(niz);
            niz->attachAxis(osaX);
            niz->attachAxis(osaY);
        }
        const auto ispiti = m_napredak->Ispiti();
        if (!ispiti.empty()) {
            auto* niz = new QScatterSeries();
            niz->setName(QStringLiteral("Ispit (bodovi)"));
            niz->setMarkerSize(12);
            for (const Napredak::Ispit& i : ispiti) {
                const qint64 t = i.vreme.toMSecsSinceEpoch();
                niz->append(static_cast<qreal>(t), i.najvise ? 100.0 * i.bodovi / i.najvise : 0.0);
                Obuhvati(t);
            }
            grafikon->addSeries(niz);
            niz->attachAxis(osaX);
            niz->attachAxis(osaY);
        }
    }
    if (od == 0)
        od = do_ = QDateTime::currentMSecsSinceEpoch();
    const qint64 rub = std::max<qint64>((do_ - od) / 20, 60 * 1000);
    osaX->setRange(QDateTime::fromMSecsSinceEpoch(od - rub), QDateTime::fromMSecsSinceEpoch(do_ + rub));
    QChart* stari = m_grafikon->chart();
    m_grafikon->setChart(grafikon);
    delete stari;
}

bool NapredakProzor::ObrisiUzPotvrdu(QWidget* parent, Skladiste* napredak)
{
    if (!napredak || !napredak->Otvoreno()) {
        Poruke::Greska(parent, QStringLiteral("Napredak se ne čuva, pa nema šta da se obriše."));
        return false;
    }
    if (!Poruke::Pitanje(parent, QStringLiteral("Obrisati sav zabeleženi napredak: sve odgovore i sve ispite?\n"
                                                "Ovo ne može da se vrati.")))
        return false;
    if (!napredak->Obrisi()) {
        Poruke::Greska(parent, QStringLiteral("Napredak nije obrisan."));
        return false;
    }
    return true;
}
