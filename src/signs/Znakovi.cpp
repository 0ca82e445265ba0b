#include "signs/Znakovi.h"

#include "content/Kriptovanje.h"
#include "content/Module1.h"
#include "content/ResPicture.h"
#include "content/Tekst.h"
#include "widgets/Izgled.h"
#include "widgets/Panel.h"
#include "widgets/Progres.h"
#include "signs/Raspored.h"

#include <QLabel>
#include <QMainWindow>
#include <QPixmap>

namespace {
// Geometry inside the content frame, twips.
constexpr int LevoSlike = 75;
constexpr int LevoOpisa = 2940;
constexpr int SirinaOpisa = 8000;

QColor Plava() { return QColor(0, 0, 255); }
}

Znakovi::Znakovi(qint16 kategorija, QWidget* parent)
    : Prozor(parent)
    , m_kategorija(kategorija)
{
    setObjectName(QStringLiteral("Znakovi"));

    m_label1 = new QLabel(this);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->setGeometry(98, 4, 600, 35);
    Izgled::Naslov(m_label1);

    m_panel = new Panel(this, 54, 0);
    Izgled::Pozadina(m_panel->Picture1(), palette().color(QPalette::Base));
    QWidget* frame = m_panel->Frame1();
    frame->hide();

    // The hidden templates the signs are copied from.
    auto* slika = new QLabel(frame);
    slika->setObjectName(QStringLiteral("Image1_0"));
    slika->setGeometry(Izgled::Tvipovi(LevoSlike, Raspored::VrhSablona, 675, Raspored::VisinaSablona));
    slika->hide();
    m_image1.push_back(slika);

    auto* opis = new QLabel(frame);
    opis->setObjectName(QStringLiteral("Label2_0"));
    opis->setGeometry(Izgled::Tvipovi(LevoOpisa, 210, 8025, 300));
    opis->setFont(Izgled::Arial(9.75, true));
    Izgled::BojaTeksta(opis, Plava());
    opis->setWordWrap(true);
    opis->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    opis->hide();
    m_label2.push_back(opis);
}

Module1::Greska Znakovi::Ucitaj()
{
    const Module1::BankaZnakova banka = Module1::UcitajZnakove(m_kategorija);
    if (banka.greska)
        return banka.greska;
    const int n = static_cast<int>(banka.zapisi.size());

    QWidget* frame = m_panel->Frame1();
    std::vector<int> visine;
    visine.reserve(std::size_t(n));
    {
        Progres::Prikaz progres(this);
        for (int i = 1; i <= n; ++i) {
            progres.Ucitavanje(qint16(i), qint16(n));

            const Module1::Znak& znak = banka.zapisi[std::size_t(i - 1)];
            const QByteArray kljuc = Kriptovanje::KljucniTekst(znak.kljuc);
            // The loader has checked the picture number.
            const int broj = Module1::Broj(Kriptovanje::Dekriptuj(kljuc, znak.slika)).value_or(0);
            ResPicture ucitavac;
            const QImage slika = ucitavac.LoadResPicture(QStringLiteral("ZNAK"), broj);
            if (slika.isNull())
                return { ucitavac.Err().Description };

            auto* image = new QLabel(frame);
            image->setObjectName(QStringLiteral("Image1_%1").arg(i));
            image->setPixmap(QPixmap::fromImage(slika));
            image->setGeometry(m_image1[0]->x(), 0, slika.width(), slika.height());
            image->show();
            m_image1.push_back(image);
            visine.push_back(slika.height() * Izgled::TvipaPoPikselu);

            auto* opis = new QLabel(frame);
            opis->setObjectName(QStringLiteral("Label2_%1").arg(i));
            opis->setFont(m_label2[0]->font());
            opis->setPalette(m_label2[0]->palette());
            opis->setWordWrap(true);
            opis->setAlignment(m_label2[0]->alignment());
            opis->setText(Tekst::Procitaj(kljuc, znak.opis));
            m_label2.push_back(opis);
        }

        // Each sign 100 twips below the element above it; the label beside its picture,
        // as tall as the picture.
        const Raspored::Katalog raspored = Raspored::RasporediKatalog(visine);
        for (int i = 1; i <= n; ++i) {
            const int vrh = Izgled::Tvip(raspored.vrhovi[std::size_t(i - 1)]);
            m_image1[std::size_t(i)]->move(m_image1[0]->x(), vrh);
            m_label2[std::size_t(i)]->setGeometry(Izgled::Tvip(LevoOpisa), vrh, Izgled::Tvip(SirinaOpisa),
                m_image1[std::size_t(i)]->height());
            // Shown once it has its place: shown before, it would first be sized to its text.
            m_label2[std::size_t(i)]->show();
        }

        frame->show();
        frame->move(0, 0);
        m_panel->PostaviVisinuSadrzaja(qRound(raspored.visinaSadrzaja));
        m_panel->Postavi();
    }
    return {};
}

void Znakovi::Form_Activate()
{
    if (QMainWindow* glavni = GlavniProzor())
        glavni->showMaximized();
}

