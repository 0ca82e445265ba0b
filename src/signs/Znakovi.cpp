#include "signs/Znakovi.h"

#include "content/Kriptovanje.h"
#include "content/Module1.h"
#include "content/ResPicture.h"
#include "content/Tekst.h"
#include "widgets/Izgled.h"
#include "widgets/Panel.h"
#include "widgets/Poruke.h"
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

int Piksela(double tvipovi)
{
    return qRound(tvipovi / Raspored::TvipaPoPikselu);
}

QColor Plava() { return QColor(0, 0, 255); }
}

Znakovi::Znakovi(QWidget* parent)
    : Prozor(parent)
{
    setObjectName(QStringLiteral("Znakovi"));

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(98, 4, 600, 35);
    Izgled::Naslov(Label1);

    m_panel = new Panel(this, 54, 0);
    Izgled::Pozadina(m_panel->Picture1(), palette().color(QPalette::Base));
    QWidget* frame = m_panel->Frame1();
    frame->hide();

    // The hidden templates the signs are copied from.
    auto* slika = new QLabel(frame);
    slika->setObjectName(QStringLiteral("Image1_0"));
    slika->setGeometry(Izgled::Tvipovi(LevoSlike, Raspored::VrhSablona, 675, Raspored::VisinaSablona));
    slika->hide();
    Image1.push_back(slika);

    auto* opis = new QLabel(frame);
    opis->setObjectName(QStringLiteral("Label2_0"));
    opis->setGeometry(Izgled::Tvipovi(LevoOpisa, 210, 8025, 300));
    opis->setFont(Izgled::Arial(9.75, true));
    Izgled::BojaTeksta(opis, Plava());
    opis->setWordWrap(true);
    opis->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    opis->hide();
    Label2.push_back(opis);
}

bool Znakovi::Izgradi(qint16 kategorija)
{
    using namespace Module1;

    IsprazniZnakove();
    if (!UcitajZnakove(kategorija)) {
        NeuspehUcitavanja();
        return false;
    }
    const int n = ZnakOpis.GornjaGranica();

    QWidget* frame = m_panel->Frame1();
    std::vector<int> visine;
    visine.reserve(std::size_t(n));
    {
        Progres::Prikaz progres(this);
        for (int i = 1; i <= n; ++i) {
            progres.Ucitavanje(qint16(i), qint16(n));

            const QByteArray kljuc = Kriptovanje::KljucniTekst(ZnakKljuc(i));
            const std::optional<int> broj = Module1::Broj(Kriptovanje::Dekriptuj(kljuc, ZnakSlika(i)));
            if (!broj) {
                NeuspehUcitavanja();
                return false;
            }
            ResPicture ucitavac;
            const QImage slika = ucitavac.LoadResPicture(QStringLiteral("ZNAK"), *broj);
            if (slika.isNull()) {
                Neuspeh(ucitavac.Err().Description);
                return false;
            }

            auto* image = new QLabel(frame);
            image->setObjectName(QStringLiteral("Image1_%1").arg(i));
            image->setPixmap(QPixmap::fromImage(slika));
            image->setGeometry(Image1[0]->x(), 0, slika.width(), slika.height());
            image->show();
            Image1.push_back(image);
            visine.push_back(slika.height() * Raspored::TvipaPoPikselu);

            auto* opis = new QLabel(frame);
            opis->setObjectName(QStringLiteral("Label2_%1").arg(i));
            opis->setFont(Label2[0]->font());
            opis->setPalette(Label2[0]->palette());
            opis->setWordWrap(true);
            opis->setAlignment(Label2[0]->alignment());
            opis->setText(Tekst::Procitaj(kljuc, ZnakOpis(i)));
            opis->show();
            Label2.push_back(opis);
        }

        // Each sign 100 twips below the element above it; the label beside its picture,
        // as tall as the picture.
        const Raspored::Katalog raspored = Raspored::RasporediKatalog(visine);
        for (int i = 1; i <= n; ++i) {
            const int vrh = Piksela(raspored.vrhovi[std::size_t(i - 1)]);
            Image1[std::size_t(i)]->move(Image1[0]->x(), vrh);
            Label2[std::size_t(i)]->setGeometry(Piksela(LevoOpisa), vrh, Piksela(SirinaOpisa),
                Image1[std::size_t(i)]->height());
        }

        frame->show();
        frame->move(0, 0);
        m_panel->PostaviVisinuSadrzaja(qRound(raspored.visinaSadrzaja));
        m_panel->Postavi();
    }
    return true;
}

void Znakovi::Form_Activate()
{
    if (QMainWindow* glavni = GlavniProzor())
        glavni->showMaximized();
}

