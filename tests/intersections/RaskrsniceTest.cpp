// The intersection test window: entry of numbers, the check's colours, "Nov TEST" with its
// lock, the width rule, failures, and the window opened by the main window's command.
#include "intersections/Raskrsnice.h"

#include "Fiksture.h"
#include "TestPomoc.h"
#include "content/Module1.h"
#include "content/Module2.h"
#include "shell/Karuvel.h"
#include "shell/Stanje.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace {

const QColor Bela(Qt::white), Crvena(255, 0, 0), Zelena(0, 255, 0), Plava(0, 0, 255), Zuta(255, 255, 0);

QColor Pozadina(const QWidget* w)
{
    return w->palette().color(QPalette::Window);
}

QColor Tekst(const QWidget* w)
{
    return w->palette().color(QPalette::WindowText);
}

// The intersection bank of the fixture: solution, picture number.
QByteArray Raskrsnica(qint16 kljuc, const QByteArray& resenje, int slika)
{
    return Fiksture::Zapis(kljuc, { resenje, QByteArray::number(slika) });
}

class RaskrsniceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Module2::PostaviSeme(7);
        Stanje::BrojPitanjaR = 2;
        // Picture 1 is 302 pixels wide, picture 3 is 420.
        izvori.Postavi(4, { Raskrsnica(11, "312", 1), Raskrsnica(-4, "2134", 3) });
    }

    std::unique_ptr<Raskrsnice> Otvori()
    {
        auto p = std::make_unique<Raskrsnice>();
        p->show();
        return p;
    }

    template <class T>
    static T* Nadji(const QWidget* w, const QString& ime)
    {
        T* t = w->findChild<T*>(ime);
        EXPECT_NE(t, nullptr) << qPrintable(ime);
        return t;
    }

    // Frame 0 or 1: prefixes of its candidate boxes, correct-order boxes and buttons.
    struct Imena {
        QString odgovor, resenje, dugme, slika;
    };
    static Imena Okvir(int f)
    {
        if (f == 0)
            return { "Label1_", "Label2_", "Command2_", "Image1" };
        return { "Label3_", "Label4_", "Command3_", "Image2" };
    }

    // The number of vehicles that frame f asks for: its visible candidate boxes.
    static int Vozila(const QWidget* w, int f)
    {
        int n = 0;
        for (int i = 1; i <= 9; ++i)
            n += Nadji<QLabel>(w, Okvir(f).odgovor + QString::number(i))->isVisibleTo(w);
        return n;
    }

    // The frame that shows the question with n vehicles.
    static int OkvirSa(const QWidget* w, int n) { return Vozila(w, 0) == n ? 0 : 1; }

    static void Klik(const QWidget* w, int f, int broj)
    {
        QTest::mouseClick(Nadji<QPushButton>(w, Okvir(f).dugme + QString::number(broj)), Qt::LeftButton);
    }

    static QLabel* Odgovor(const QWidget* w, int f, int i)
    {
        return Nadji<QLabel>(w, Okvir(f).odgovor + QString::number(i));
    }
    static QLabel* Resenje(const QWidget* w, int f, int i)
    {
        return Nadji<QLabel>(w, Okvir(f).resenje + QString::number(i));
    }

    Fiksture::Izvori izvori;
    TestPomoc::Poruke poruke;
};

}  // namespace

TEST_F(RaskrsniceTest, RasporedIBrojeviVozila)
{
    auto p = Otvori();
    ASSERT_TRUE(p->Ucitan());
    EXPECT_EQ(p->Pozicija(), 2);
    EXPECT_EQ(Nadji<QLabel>(p.get(), "Label0")->geometry(), QRect(101, 0, 600, 30));
    EXPECT_EQ(Nadji<QPushButton>(p.get(), "Command4")->text(), "Provera");
    EXPECT_EQ(Nadji<QPushButton>(p.get(), "Command1")->text(), "Nov TEST");
    EXPECT_EQ(Nadji<QGroupBox>(p.get(), "Frame2_0")->title(),
        QStringLiteral("Prema datim ilustracijama, tačan redosled prolaza vozila preko raskrsnice "
                       "označi odabiranjem brojeva vozila"));
    EXPECT_TRUE(Nadji<QGroupBox>(p.get(), "Frame2_1")->title().isEmpty());
    EXPECT_EQ(Nadji<QGroupBox>(p.get(), "Frame2_1")->y(), 247);

    // One question of three vehicles, one of four; buttons "1".."n" and empty white boxes.
    EXPECT_EQ(Vozila(p.get(), 0) + Vozila(p.get(), 1), 7);
    for (int f = 0; f < 2; ++f) {
        const int n = Vozila(p.get(), f);
        for (int i = 1; i <= 9; ++i) {
            auto* dugme = Nadji<QPushButton>(p.get(), Okvir(f).dugme + QString::number(i));
            EXPECT_EQ(dugme->isVisibleTo(p.get()), i <= n);
            EXPECT_EQ(dugme->text(), QString::number(i));
            EXPECT_EQ(dugme->geometry(), QRect(447 + 27 * (i - 1), 120, 20, 20));
            EXPECT_EQ(Odgovor(p.get(), f, i)->geometry(), QRect(448 + 27 * (i - 1), 93, 17, 20));
            EXPECT_EQ(Resenje(p.get(), f, i)->geometry(), QRect(448 + 27 * (i - 1), 67, 17, 20));
            EXPECT_FALSE(Resenje(p.get(), f, i)->isVisibleTo(p.get()));
            EXPECT_TRUE(Odgovor(p.get(), f, i)->text().isEmpty());
            EXPECT_EQ(Pozadina(Odgovor(p.get(), f, i)), Bela);
        }
    }

    // The width rule: the 302-pixel picture (three vehicles) at 125, the 420-pixel one at 7.
    const QLabel* uska = Nadji<QLabel>(p.get(), Okvir(OkvirSa(p.get(), 3)).slika);
    const QLabel* siroka = Nadji<QLabel>(p.get(), Okvir(OkvirSa(p.get(), 4)).slika);
    EXPECT_EQ(uska->geometry(), QRect(125, 20, 302, 225));
    EXPECT_EQ(siroka->geometry(), QRect(7, 20, 420, 224));
}

TEST(Raskrsnice, PraviloSirine)
{
    const struct {
        int sirina, levo;
    } slucajevi[] = { { 0, 125 }, { 302, 125 }, { 333, 125 }, { 334, 7 }, { 420, 7 } };
    for (const auto& s : slucajevi)
        EXPECT_EQ(Raskrsnice::LevaIvica(s.sirina), s.levo) << s.sirina;
}

TEST_F(RaskrsniceTest, UnosBrojevaPopunjavaSledecePolje)
{
    auto p = Otvori();
    const int f = OkvirSa(p.get(), 3);
    const int drugi = 1 - f;

    Klik(p.get(), f, 3);
    Klik(p.get(), f, 1);
    EXPECT_EQ(Odgovor(p.get(), f, 1)->text(), "3");
    EXPECT_EQ(Odgovor(p.get(), f, 2)->text(), "1");
    EXPECT_TRUE(Odgovor(p.get(), f, 3)->text().isEmpty());
    Klik(p.get(), f, 3);
    EXPECT_EQ(Odgovor(p.get(), f, 3)->text(), "3") << "a repeated number fills the next box";
    // The other question's boxes are untouched.
    EXPECT_TRUE(Odgovor(p.get(), drugi, 1)->text().isEmpty());

    // A full row spills into the hidden boxes.
    Klik(p.get(), f, 2);
    Klik(p.get(), f, 1);
    EXPECT_EQ(Odgovor(p.get(), f, 4)->text(), "2");
    EXPECT_EQ(Odgovor(p.get(), f, 5)->text(), "1");
    EXPECT_FALSE(Odgovor(p.get(), f, 4)->isVisibleTo(p.get()));
}

TEST_F(RaskrsniceTest, ProveraBoji)
{
    auto p = Otvori();
    const int f3 = OkvirSa(p.get(), 3);  // solution 312
    const int f4 = 1 - f3;               // solution 2134

    // The question of three: the right order and one more number in a hidden box.
    for (int broj : { 3, 1, 2, 2 })
        Klik(p.get(), f3, broj);
    // The question of four: right, wrong, nothing, nothing.
    Klik(p.get(), f4, 2);
    Klik(p.get(), f4, 3);

    QTest::mouseClick(Nadji<QPushButton>(p.get(), "Command4"), Qt::LeftButton);

    const struct {
        int f, i;
        const char* resenje;
        bool tacno;
    } polja[] = {
        { f3, 1, "3", true }, { f3, 2, "1", true }, { f3, 3, "2", true },
        { f4, 1, "2", true }, { f4, 2, "1", false }, { f4, 3, "3", false }, { f4, 4, "4", false },
    };
    for (const auto& s : polja) {
        const QLabel* r = Resenje(p.get(), s.f, s.i);
        const QLabel* o = Odgovor(p.get(), s.f, s.i);
        EXPECT_TRUE(r->isVisibleTo(p.get()));
        EXPECT_EQ(r->text(), s.resenje);
        EXPECT_EQ(Pozadina(r), s.tacno ? Zelena : Crvena) << s.f << "/" << s.i;
        EXPECT_EQ(Pozadina(o), s.tacno ? Zelena : Crvena) << s.f << "/" << s.i;
        EXPECT_EQ(Tekst(r), s.tacno ? Plava : Zuta) << s.f << "/" << s.i;
        EXPECT_FALSE(Nadji<QPushButton>(p.get(), Okvir(s.f).dugme + QString::number(s.i))->isEnabled());
    }
    // The hidden box beyond the question is ignored.
    EXPECT_FALSE(Resenje(p.get(), f3, 4)->isVisibleTo(p.get()));
    EXPECT_EQ(Pozadina(Odgovor(p.get(), f3, 4)), Bela);

    // After the check no number can be entered; a second check gives the same colours.
    Klik(p.get(), f4, 1);
    EXPECT_TRUE(Odgovor(p.get(), f4, 3)->text().isEmpty());
    p->Command4_Click();
    EXPECT_EQ(Pozadina(Odgovor(p.get(), f4, 3)), Crvena);
}

TEST_F(RaskrsniceTest, PraznaProveraSveCrveno)
{
    auto p = Otvori();
    p->Command4_Click();
    for (int f = 0; f < 2; ++f) {
        for (int i = 1; i <= Vozila(p.get(), f); ++i) {
            EXPECT_EQ(Pozadina(Resenje(p.get(), f, i)), Crvena);
            EXPECT_EQ(Pozadina(Odgovor(p.get(), f, i)), Crvena);
            EXPECT_EQ(Tekst(Resenje(p.get(), f, i)), Zuta);
            EXPECT_FALSE(Resenje(p.get(), f, i)->text().isEmpty());
        }
    }
}

TEST_F(RaskrsniceTest, NovTestNoviParIBrava)
{
    auto p = Otvori();
    p->Command4_Click();
    auto* command1 = Nadji<QPushButton>(p.get(), "Command1");
    auto* timer1 = Nadji<QTimer>(p.get(), "Timer1");
    EXPECT_FALSE(timer1->isActive());

    // A fresh pair from a fresh load of the bank on every "Nov TEST".
    izvori.Postavi(4, { Raskrsnica(5, "12345", 2), Raskrsnica(6, "654321", 3) });
    QTest::mouseClick(command1, Qt::LeftButton);
    EXPECT_EQ(p->Pozicija(), 2);
    const int f5 = OkvirSa(p.get(), 5);
    EXPECT_EQ(Vozila(p.get(), f5), 5);
    EXPECT_EQ(Vozila(p.get(), 1 - f5), 6);
    for (int f = 0; f < 2; ++f) {
        for (int i = 1; i <= 9; ++i) {
            EXPECT_TRUE(Nadji<QPushButton>(p.get(), Okvir(f).dugme + QString::number(i))->isEnabled());
            EXPECT_FALSE(Resenje(p.get(), f, i)->isVisibleTo(p.get()));
            EXPECT_TRUE(Odgovor(p.get(), f, i)->text().isEmpty());
            EXPECT_EQ(Pozadina(Odgovor(p.get(), f, i)), Bela);
        }
    }

    // Locked for 5 seconds.
    EXPECT_FALSE(command1->isEnabled());
    EXPECT_TRUE(timer1->isActive());
    EXPECT_TRUE(timer1->isSingleShot());
    EXPECT_EQ(timer1->interval(), 5000);
    p->Timer1_Timer();
    EXPECT_TRUE(command1->isEnabled());
    EXPECT_FALSE(timer1->isActive());
    EXPECT_TRUE(poruke.Primljene().isEmpty());
}

TEST_F(RaskrsniceTest, NeuspesiUcitavanja)
{
    const struct {
        const char* opis;
        std::optional<QList<QByteArray>> banka;
        QString poruka;
    } slucajevi[] = {
        { "no bank", std::nullopt, Module1::PorukaGreske },
        { "one record", QList<QByteArray> { Raskrsnica(1, "12", 1) }, Module1::PorukaGreske },
        { "missing picture", QList<QByteArray> { Raskrsnica(1, "12", 9), Raskrsnica(2, "21", 9) },
            QStringLiteral("Resource with identifier '9' of type 'RASKRSNICA' not found") },
    };
    for (const auto& s : slucajevi) {
        const qsizetype pre = poruke.Primljene().size();
        if (s.banka)
            izvori.Postavi(4, *s.banka);
        else
            izvori.Ukloni(4);
        Raskrsnice p;
        EXPECT_FALSE(p.Ucitan()) << s.opis;
        // A content failure shows the general message, with what went wrong below it.
        ASSERT_EQ(poruke.Primljene().size(), pre + 1) << s.opis;
        EXPECT_TRUE(poruke.Primljene().last().startsWith(s.poruka)) << s.opis;
        EXPECT_EQ(Stanje::BrojPitanjaR, 0) << s.opis;
        Stanje::BrojPitanjaR = 2;
        for (QWidget* w : QApplication::topLevelWidgets())
            EXPECT_FALSE(w->objectName() == "Progres" && w->isVisible()) << s.opis;
    }
}

TEST_F(RaskrsniceTest, KomandaGlavnogProzora)
{
    Karuvel glavni;
    glavni.show();
    auto* mdi = glavni.findChild<QMdiArea*>();
    ASSERT_NE(mdi, nullptr);
    QAction* komanda = glavni.findChild<QAction*>("RaskrsniceP");
    ASSERT_NE(komanda, nullptr);

    // The real content: every picture sits where its width says.
    izvori.Ukloni(4);
    Module1::PostaviIzvor({});
    for (int pokusaj = 0; pokusaj < 6; ++pokusaj) {
        komanda->trigger();
        ASSERT_EQ(mdi->subWindowList().size(), 1);
        auto* p = qobject_cast<Raskrsnice*>(mdi->subWindowList().first()->widget());
        ASSERT_NE(p, nullptr);
        EXPECT_EQ(p->Naslov()->text(), "Raskrsnice");
        EXPECT_TRUE(glavni.isMaximized());
        EXPECT_EQ(Stanje::BrojPitanjaR, 2);
        for (const char* ime : { "Image1", "Image2" }) {
            const QLabel* slika = Nadji<QLabel>(p, ime);
            ASSERT_FALSE(slika->pixmap().isNull());
            EXPECT_EQ(slika->size(), slika->pixmap().size());
            EXPECT_EQ(slika->x(), Raskrsnice::LevaIvica(slika->width()));
        }
    }
    // No progress window is left behind.
    for (QWidget* w : QApplication::topLevelWidgets())
        EXPECT_FALSE(w->objectName() == "Progres" && w->isVisible());

    // Closing resets the count.
    mdi->subWindowList().first()->close();
    EXPECT_EQ(Stanje::BrojPitanjaR, 0);
}

TEST_F(RaskrsniceTest, GreskaSlikeKodNovogTestaZatvaraProzor)
{
    Karuvel glavni;
    glavni.show();
    auto* mdi = glavni.findChild<QMdiArea*>();
    glavni.findChild<QAction*>("RaskrsniceP")->trigger();
    ASSERT_EQ(mdi->subWindowList().size(), 1);
    auto* p = qobject_cast<Raskrsnice*>(mdi->subWindowList().first()->widget());

    izvori.Postavi(4, { Raskrsnica(1, "12", 1), Raskrsnica(2, "21", 77) });
    for (int i = 0; i < 20 && poruke.Primljene().isEmpty(); ++i) {
        p->Timer1_Timer();
        p->Command1_Click();
    }
    ASSERT_EQ(poruke.Primljene().size(), 1);
    EXPECT_TRUE(poruke.Primljene().first().contains("'77'"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(mdi->subWindowList().isEmpty());
    EXPECT_EQ(Stanje::BrojPitanjaR, 0);

    // The main window stays usable: the next command opens the window again.
    izvori.Postavi(4, { Raskrsnica(1, "12", 1), Raskrsnica(2, "21", 2) });
    glavni.findChild<QAction*>("RaskrsniceP")->trigger();
    EXPECT_EQ(mdi->subWindowList().size(), 1);
}
