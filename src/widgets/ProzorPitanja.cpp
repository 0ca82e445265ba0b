#include "widgets/ProzorPitanja.h"

#include "content/Tekst.h"
#include "napredak/IzTesta.h"
#include "widgets/Izgled.h"
#include "widgets/NovTestBrava.h"
#include "widgets/Panel.h"
#include "widgets/Progres.h"
#include "widgets/Uvelicanje.h"

#include <QLabel>
#include <QMainWindow>
#include <QPushButton>

#include <memory>

ProzorPitanja::ProzorPitanja(const Oblik& oblik, TestPitanja test, QWidget* parent)
    : Prozor(parent)
    , m_test(std::move(test))
    , m_saProgresom(oblik.progres)
    , m_banka(oblik.banka)
{
    setObjectName(oblik.ime);
    resize(760, 592);

    m_naslov = new QLabel(this);
    m_naslov->setObjectName(QStringLiteral("Label0"));
    m_naslov->setGeometry(100, 5, 600, 35);
    Izgled::Naslov(m_naslov);

    m_provera = Izgled::Dugme(this, oblik.imeProvere, QStringLiteral("Provera"), QRect(19, 11, 80, 22));
    m_novTest = Izgled::Dugme(this, QStringLiteral("Command1"), QStringLiteral("Nov TEST"), QRect(701, 11, 80, 22));
    connect(m_provera, &QPushButton::clicked, this, &ProzorPitanja::Provera);
    connect(m_novTest, &QPushButton::clicked, this, &ProzorPitanja::NovTest);
    Taster(m_provera, TasterProvere);
    Taster(m_novTest, TasterNovogTesta);
    if (oblik.brava)
        m_brava = new NovTestBrava(m_novTest, this);

    m_panel = new Panel(this, 55, oblik.visinaSadrzaja);
    for (std::size_t i = 0; i < oblik.vrhovi.size(); ++i) {
        const int k = static_cast<int>(i) + 1;
        auto* okvir = new PitanjeOkvir(k, QRect(0, oblik.vrhovi[i], 765, 208), oblik.mere, m_panel->Frame1());
        connect(okvir, &PitanjeOkvir::Kliknut, this, [this, okvir, k](int j) {
            if (m_test.Izaberi(k - 1, j - 1))
                okvir->OznaciIzbor(j);
        });
        m_okviri.push_back(okvir);
    }
    PitanjeOkvir::StockSlike(this);
}

Module1::Greska ProzorPitanja::Ucitaj()
{
    if (Module1::Greska g = Prikazi())
        return g;
    m_panel->Postavi();
    return {};
}

Module1::Greska ProzorPitanja::Prikazi()
{
    if (Module1::Greska g = m_test.NoviTest())
        return g;
    std::unique_ptr<Progres::Prikaz> progres;
    if (m_saProgresom) {
        progres = std::make_unique<Progres::Prikaz>(this);
        progres->Ucitavanje(0, 100);
    }
    const auto& pitanja = m_test.Pitanja();
    for (int k = 1; k <= BrojOkvira(); ++k) {
        const TestPitanja::Pitanje& p = pitanja[static_cast<std::size_t>(k - 1)];
        if (Module1::Greska g = PrikaziDodatak(k, p))
            return g;
        PitanjeOkvir* okvir = Okvir(k);
        okvir->PostaviPitanje(Tekst::izCp1250(p.tekst));
        for (int j = 1; j <= 3; ++j)
            okvir->PostaviOdgovor(j, Tekst::izCp1250(p.odgovori[static_cast<std::size_t>(j - 1)]), p.tacan == j - 1);
        if (progres)
            progres->Ucitavanje(qint16(100 * k / BrojOkvira()), 100);
    }
    return {};
}

void ProzorPitanja::Form_Activate()
{
    if (QMainWindow* glavni = GlavniProzor())
        glavni->showMaximized();
    m_panel->Fokus();
}

void ProzorPitanja::Provera()
{
    const bool prvaProvera = !m_test.Provereno();
    const Presuda presuda = m_test.Proveri();
    for (PitanjeOkvir* okvir : m_okviri)
        okvir->Provera();
    ObjaviRezultat(presuda);
    if (prvaProvera)
        Zabelezi(Napredak::Odgovori(m_test, presuda, m_banka));
}

void ProzorPitanja::NovTest()
{
    const bool sastavljen = NoviSastav([this] {
        for (PitanjeOkvir* okvir : m_okviri)
            okvir->Ocisti();
        return Prikazi();
    });
    if (!sastavljen)
        return;
    m_panel->NaVrh();
    if (m_brava)
        m_brava->Zakljucaj();
}
