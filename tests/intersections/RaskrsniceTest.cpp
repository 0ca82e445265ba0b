// The intersection test window: entry of numbers, the check's colours, "Nov TEST" with its
// lock, the width rule, failures, and the window opened by the main window's command.
#include "intersections/Raskrsnice.h"

#include "GuiTest.h"
#include "content/Module1.h"
#include "shell/Karuvel.h"

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
#include <optional>

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

class RaskrsniceTest : public GuiTest {
protected:
    void SetUp() override
    {
        // Picture 1 is 302 pixels wide, picture 3 is 420.
        izvori.Postavi(4, { Raskrsnica(11, "312", 1), Raskrsnica(-4, "2134", 3) });
    }

    void TearDown() override
    {
        m_prozor.reset();
        m_glavni.reset();
        GuiTest::TearDown();
    }

    // A window of brojPitanja intersections per draw, loaded and shown.
    Raskrsnice* Otvori(int brojPitanja = 2)
    {
        m_prozor = std::make_unique<Raskrsnice>(brojPitanja, Seme());
        const Module1::Greska greska = m_prozor->Ucitaj();
        EXPECT_FALSE(greska) << greska.opis.toStdString();
        m_prozor->show();
        return m_prozor.get();
    }

    // The main window, shown, with its intersection command.
    Karuvel* Glavni()
    {
        m_glavni = std::make_unique<Karuvel>(Seme());
        m_glavni->show();
        return m_glavni.get();
    }
    void KomandaRaskrsnice() const { Komanda(m_glavni.get(), QStringLiteral("RaskrsniceP")); }
    // The intersection window open in the main window, or nullptr.
    Raskrsnice* OtvorenUGlavnom() const { return JedinoOtvoren<Raskrsnice>(m_glavni.get()); }

    static void NovTest(QWidget* w) { NovTestNaTajmeru(w, QStringLiteral("Command1")); }

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
            n += Odgovor(w, f, i)->isVisibleTo(w);
        return n;
    }

    // The frame that shows the question with n vehicles.
    static int OkvirSa(const QWidget* w, int n) { return Vozila(w, 0) == n ? 0 : 1; }

    static QPushButton* Dugme(const QWidget* w, int f, int broj)
    {
        return Kontrola<QPushButton>(w, Okvir(f).dugme + QString::number(broj));
    }
    static void Klik(const QWidget* w, int f, int broj) { QTest::mouseClick(Dugme(w, f, broj), Qt::LeftButton); }
    static void Provera(const QWidget* w) { QTest::mouseClick(Kontrola<QPushButton>(w, "Command4"), Qt::LeftButton); }

    static QLabel* Odgovor(const QWidget* w, int f, int i)
    {
        return Kontrola<QLabel>(w, Okvir(f).odgovor + QString::number(i));
    }
    static QLabel* Resenje(const QWidget* w, int f, int i)
    {
        return Kontrola<QLabel>(w, Okvir(f).resenje + QString::number(i));
    }
    // The correct order frame f carries (shown or not).
    static QString Redosled(const QWidget* w, int f)
    {
        QString r;
        for (int i = 1; i <= 9; ++i)
            r += Resenje(w, f, i)->text();
        return r;
    }

    std::unique_ptr<Raskrsnice> m_prozor;
    std::unique_ptr<Karuvel> m_glavni;
};

}  // namespace

TEST_F(RaskrsniceTest, RasporedIBrojeviVozila)
{
    Raskrsnice* p = Otvori();
    EXPECT_EQ(p->Pozicija(), 2);
    EXPECT_EQ(Kontrola<QLabel>(p, "Label0")->geometry(), QRect(101, 0, 600, 30));
    EXPECT_EQ(Kontrola<QPushButton>(p, "Command4")->text(), "Provera");
    EXPECT_EQ(Kontrola<QPushButton>(p, "Command1")->text(), "Nov TEST");
    EXPECT_EQ(Kontrola<QGroupBox>(p, "Frame2_0")->title(),
        QStringLiteral("Prema datim ilustracijama, tačan redosled prolaza vozila preko raskrsnice "
                       "označi odabiranjem brojeva vozila"));
    EXPECT_TRUE(Kontrola<QGroupBox>(p, "Frame2_1")->title().isEmpty());
    EXPECT_EQ(Kontrola<QGroupBox>(p, "Frame2_1")->y(), 247);

    // One question of three vehicles, one of four; buttons "1".."n" and empty white boxes.
    EXPECT_EQ(Vozila(p, 0) + Vozila(p, 1), 7);
    for (int f = 0; f < 2; ++f) {
        const int n = Vozila(p, f);
        for (int i = 1; i <= 9; ++i) {
            QPushButton* dugme = Dugme(p, f, i);
            EXPECT_EQ(dugme->isVisibleTo(p), i <= n);
            EXPECT_EQ(dugme->text(), QString::number(i));
            EXPECT_EQ(dugme->geometry(), QRect(447 + 27 * (i - 1), 120, 20, 20));
            EXPECT_EQ(Odgovor(p, f, i)->geometry(), QRect(448 + 27 * (i - 1), 93, 17, 20));
            EXPECT_EQ(Resenje(p, f, i)->geometry(), QRect(448 + 27 * (i - 1), 67, 17, 20));
            EXPECT_FALSE(Resenje(p, f, i)->isVisibleTo(p));
            EXPECT_TRUE(Odgovor(p, f, i)->text().isEmpty());
            EXPECT_EQ(Pozadina(Odgovor(p, f, i)), Bela);
        }
    }

    // The width rule: the 302-pixel picture (three vehicles) at 125, the 420-pixel one at 7.
    const QLabel* uska = Kontrola<QLabel>(p, Okvir(OkvirSa(p, 3)).slika);
    const QLabel* siroka = Kontrola<QLabel>(p, Okvir(OkvirSa(p, 4)).slika);
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
    Raskrsnice* p = Otvori();
    const int f = OkvirSa(p, 3);
    const int drugi = 1 - f;

    Klik(p, f, 3);
    Klik(p, f, 1);
    EXPECT_EQ(Odgovor(p, f, 1)->text(), "3");
    EXPECT_EQ(Odgovor(p, f, 2)->text(), "1");
    EXPECT_TRUE(Odgovor(p, f, 3)->text().isEmpty());
    Klik(p, f, 3);
    EXPECT_EQ(Odgovor(p, f, 3)->text(), "3") << "a repeated number fills the next box";
    // The other question's boxes are untouched.
    EXPECT_TRUE(Odgovor(p, drugi, 1)->text().isEmpty());

    // A full row takes no more: the three boxes keep their numbers, the hidden ones stay
    // hidden and the buttons stay enabled.
    Klik(p, f, 2);
    Klik(p, f, 1);
    const char* uneto[] = { "3", "1", "3" };
    for (int i = 1; i <= 3; ++i)
        EXPECT_EQ(Odgovor(p, f, i)->text(), uneto[i - 1]) << i;
    for (int i = 4; i <= 9; ++i)
        EXPECT_FALSE(Odgovor(p, f, i)->isVisibleTo(p)) << i;
    EXPECT_TRUE(Dugme(p, f, 2)->isEnabled());
}

TEST_F(RaskrsniceTest, ProveraBoji)
{
    Raskrsnice* p = Otvori();
    const int f3 = OkvirSa(p, 3);  // solution 312
    const int f4 = 1 - f3;         // solution 2134

    // The question of three: the right order and one click more, which the full row refuses.
    for (int broj : { 3, 1, 2, 2 })
        Klik(p, f3, broj);
    // The question of four: right, wrong, nothing, nothing.
    Klik(p, f4, 2);
    Klik(p, f4, 3);

    Provera(p);

    const struct {
        int f, i;
        const char* resenje;
        bool tacno;
    } polja[] = {
        { f3, 1, "3", true }, { f3, 2, "1", true }, { f3, 3, "2", true },
        { f4, 1, "2", true }, { f4, 2, "1", false }, { f4, 3, "3", false }, { f4, 4, "4", false },
    };
    for (const auto& s : polja) {
        const QLabel* r = Resenje(p, s.f, s.i);
        const QLabel* o = Odgovor(p, s.f, s.i);
        EXPECT_TRUE(r->isVisibleTo(p));
        EXPECT_EQ(r->text(), s.resenje);
        EXPECT_EQ(Pozadina(r), s.tacno ? Zelena : Crvena) << s.f << "/" << s.i;
        EXPECT_EQ(Pozadina(o), s.tacno ? Zelena : Crvena) << s.f << "/" << s.i;
        EXPECT_EQ(Tekst(r), s.tacno ? Plava : Zuta) << s.f << "/" << s.i;
        EXPECT_FALSE(Dugme(p, s.f, s.i)->isEnabled());
    }
    // The hidden box beyond the question is ignored.
    EXPECT_FALSE(Resenje(p, f3, 4)->isVisibleTo(p));
    EXPECT_EQ(Pozadina(Odgovor(p, f3, 4)), Bela);

    // After the check no number can be entered; a second check gives the same colours.
    Klik(p, f4, 1);
    EXPECT_TRUE(Odgovor(p, f4, 3)->text().isEmpty());
    Provera(p);
    EXPECT_EQ(Pozadina(Odgovor(p, f4, 3)), Crvena);
    EXPECT_EQ(Pozadina(Odgovor(p, f3, 1)), Zelena);
}

TEST_F(RaskrsniceTest, PraznaProveraSveCrveno)
{
    Raskrsnice* p = Otvori();
    Provera(p);
    for (int f = 0; f < 2; ++f) {
        for (int i = 1; i <= Vozila(p, f); ++i) {
            EXPECT_EQ(Pozadina(Resenje(p, f, i)), Crvena);
            EXPECT_EQ(Pozadina(Odgovor(p, f, i)), Crvena);
            EXPECT_EQ(Tekst(Resenje(p, f, i)), Zuta);
            EXPECT_FALSE(Resenje(p, f, i)->text().isEmpty());
        }
    }
}

TEST_F(RaskrsniceTest, NovTestNoviParIBrava)
{
    Raskrsnice* p = Otvori();
    Provera(p);
    auto* command1 = Kontrola<QPushButton>(p, "Command1");
    auto* timer1 = Kontrola<QTimer>(p, "Timer1");
    ASSERT_TRUE(command1 && timer1);
    EXPECT_TRUE(command1->isEnabled());
    EXPECT_FALSE(timer1->isActive());
    EXPECT_TRUE(timer1->isSingleShot());
    EXPECT_EQ(timer1->interval(), 5000);

    // A fresh pair from a fresh load of the bank on every "Nov TEST".
    izvori.Postavi(4, { Raskrsnica(5, "12345", 2), Raskrsnica(6, "654321", 3) });
    timer1->setInterval(30);
    QTest::mouseClick(command1, Qt::LeftButton);
    EXPECT_EQ(p->Pozicija(), 2);
    const int f5 = OkvirSa(p, 5);
    EXPECT_EQ(Vozila(p, f5), 5);
    EXPECT_EQ(Vozila(p, 1 - f5), 6);
    for (int f = 0; f < 2; ++f) {
        for (int i = 1; i <= 9; ++i) {
            EXPECT_TRUE(Dugme(p, f, i)->isEnabled());
            EXPECT_FALSE(Resenje(p, f, i)->isVisibleTo(p));
            EXPECT_TRUE(Odgovor(p, f, i)->text().isEmpty());
            EXPECT_EQ(Pozadina(Odgovor(p, f, i)), Bela);
        }
    }

    // Locked until the timer runs out, then free again.
    EXPECT_FALSE(command1->isEnabled());
    EXPECT_TRUE(timer1->isActive());
    QTest::mouseClick(command1, Qt::LeftButton);
    EXPECT_EQ(Vozila(p, f5), 5) << "a locked button composes nothing";
    EXPECT_TRUE(QTest::qWaitFor([command1] { return command1->isEnabled(); }, 3000)) << "the lock never lets go";
    EXPECT_FALSE(timer1->isActive());
    EXPECT_TRUE(poruke.Primljene().isEmpty());
}

// Four intersections a draw: the first "Nov TEST" shows the rest of the draw without loading
// the bank, the second starts a new draw from a fresh load instead of reading past the first.
TEST_F(RaskrsniceTest, NovTestSaCetiriPitanjaNePrelaziIzvlacenje)
{
    izvori.Postavi(4, { Raskrsnica(1, "12", 1), Raskrsnica(2, "21", 2), Raskrsnica(3, "123", 3),
                          Raskrsnica(4, "321", 1) });
    Raskrsnice* p = Otvori(4);
    EXPECT_EQ(p->Pozicija(), 2);
    QStringList prikazano { Redosled(p, 0), Redosled(p, 1) };

    izvori.Postavi(4, { Raskrsnica(5, "12345", 1), Raskrsnica(6, "54321", 2), Raskrsnica(7, "123456", 3),
                          Raskrsnica(8, "654321", 1) });
    NovTest(p);
    EXPECT_EQ(p->Pozicija(), 4);
    prikazano << Redosled(p, 0) << Redosled(p, 1);
    prikazano.sort();
    EXPECT_EQ(prikazano, QStringList({ "12", "123", "21", "321" })) << "the first draw, every record once";

    NovTest(p);
    EXPECT_EQ(p->Pozicija(), 2);
    for (int f = 0; f < 2; ++f) {
        EXPECT_GE(Vozila(p, f), 5) << f;
        EXPECT_FALSE(Kontrola<QLabel>(p, Okvir(f).slika)->pixmap().isNull());
    }

    // Within a draw the bank is not read again.
    izvori.Ukloni(4);
    NovTest(p);
    EXPECT_EQ(p->Pozicija(), 4);
    for (int f = 0; f < 2; ++f)
        EXPECT_GE(Vozila(p, f), 5) << f;
    EXPECT_TRUE(poruke.Primljene().isEmpty());
}

// A count of intersections that does not make whole tests of two is refused at the load, and
// the message names both counts.
TEST_F(RaskrsniceTest, BrojKojiNeDeliTestoveOdbijenPriUcitavanju)
{
    izvori.Postavi(4, { Raskrsnica(1, "12", 1), Raskrsnica(2, "21", 2), Raskrsnica(3, "123", 3),
                          Raskrsnica(4, "321", 1) });
    for (int broj : { 3, 1, 5 }) {
        SCOPED_TRACE(broj);
        Raskrsnice p(broj, Seme());
        const Module1::Greska greska = p.Ucitaj();
        ASSERT_TRUE(greska);
        const QString opis = OpisPoruke(greska.ZaKorisnika());
        EXPECT_TRUE(opis.contains(QString::number(broj))) << opis.toStdString();
        EXPECT_TRUE(opis.contains(QStringLiteral("2"))) << opis.toStdString();
        EXPECT_EQ(OtvoreniProgresi(), 0);
        // Nothing was composed.
        EXPECT_EQ(p.Pozicija(), 0);
        for (int f = 0; f < 2; ++f)
            EXPECT_EQ(Vozila(&p, f), 0) << f;
    }
}

// Content that cannot be loaded, through the main window: the message (the general one with
// what went wrong below it) comes after the progress window has closed, and no window opens.
TEST_F(RaskrsniceTest, NeuspesiUcitavanja)
{
    const struct {
        const char* opis;
        std::optional<QList<QByteArray>> banka;
        QStringList reci;  // what the description names
    } slucajevi[] = {
        { "no bank", std::nullopt, { "TEKST 4" } },
        { "one record", QList<QByteArray> { Raskrsnica(1, "12", 1) }, { "1", "2" } },
        { "missing picture", QList<QByteArray> { Raskrsnica(1, "12", 9), Raskrsnica(2, "21", 9) },
            { "Resource with identifier '9' of type 'RASKRSNICA' not found" } },
    };
    Glavni();
    for (const auto& s : slucajevi) {
        SCOPED_TRACE(s.opis);
        const qsizetype pre = poruke.Primljene().size();
        if (s.banka)
            izvori.Postavi(4, *s.banka);
        else
            izvori.Ukloni(4);
        KomandaRaskrsnice();
        EXPECT_TRUE(m_glavni->Povrsina()->subWindowList().isEmpty());
        ProveriPoruku(pre, s.reci);
    }

    // Nothing is left behind: good content opens the window at once.
    izvori.Postavi(4, { Raskrsnica(1, "12", 1), Raskrsnica(2, "21", 2) });
    KomandaRaskrsnice();
    ASSERT_NE(OtvorenUGlavnom(), nullptr);
    EXPECT_EQ(OtvorenUGlavnom()->Pozicija(), 2);
}

TEST_F(RaskrsniceTest, KomandaGlavnogProzora)
{
    Karuvel* glavni = Glavni();
    // The real content: every picture sits where its width says.
    Module1::PostaviIzvor({});
    for (int pokusaj = 0; pokusaj < 6; ++pokusaj) {
        SCOPED_TRACE(pokusaj);
        KomandaRaskrsnice();
        Raskrsnice* p = OtvorenUGlavnom();
        ASSERT_NE(p, nullptr);
        EXPECT_EQ(p->Naslov()->text(), "Raskrsnice");
        EXPECT_TRUE(glavni->isMaximized());
        EXPECT_EQ(p->Pozicija(), 2);
        for (const char* ime : { "Image1", "Image2" }) {
            const QLabel* slika = Kontrola<QLabel>(p, ime);
            ASSERT_FALSE(slika->pixmap().isNull());
            EXPECT_EQ(slika->size(), slika->pixmap().size());
            EXPECT_EQ(slika->x(), Raskrsnice::LevaIvica(slika->width()));
        }
    }
    // No progress window is left behind.
    EXPECT_EQ(OtvoreniProgresi(), 0);

    // Two intersections a draw: every "Nov TEST" draws a new pair.
    NovTest(OtvorenUGlavnom());
    EXPECT_EQ(OtvorenUGlavnom()->Pozicija(), 2);

    // Closing drops the window; the next command starts afresh.
    glavni->Povrsina()->subWindowList().first()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(glavni->Povrsina()->subWindowList().isEmpty());
    KomandaRaskrsnice();
    ASSERT_NE(OtvorenUGlavnom(), nullptr);
    EXPECT_EQ(OtvorenUGlavnom()->Pozicija(), 2);
    EXPECT_TRUE(poruke.Primljene().isEmpty());
}

TEST_F(RaskrsniceTest, GreskaSlikeKodNovogTestaZatvaraProzor)
{
    Karuvel* glavni = Glavni();
    KomandaRaskrsnice();
    Raskrsnice* p = OtvorenUGlavnom();
    ASSERT_NE(p, nullptr);

    // Every "Nov TEST" draws both records, so the missing picture comes at once.
    izvori.Postavi(4, { Raskrsnica(1, "12", 1), Raskrsnica(2, "21", 77) });
    QTest::mouseClick(Kontrola<QPushButton>(p, "Command1"), Qt::LeftButton);
    ASSERT_EQ(poruke.Primljene().size(), 1);
    EXPECT_TRUE(poruke.Primljene().first().startsWith(Module1::PorukaGreske));
    EXPECT_TRUE(poruke.Primljene().first().contains("'77'"));
    EXPECT_EQ(poruke.ProgresiPriPoruci().first(), 0) << "the message came over the progress window";
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(glavni->Povrsina()->subWindowList().isEmpty());

    // The main window stays usable: the next command opens the window again.
    izvori.Postavi(4, { Raskrsnica(1, "12", 1), Raskrsnica(2, "21", 2) });
    KomandaRaskrsnice();
    EXPECT_NE(OtvorenUGlavnom(), nullptr);
}
