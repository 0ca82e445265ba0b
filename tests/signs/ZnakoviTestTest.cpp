// The sign test window: ten pictures, eight descriptions, placing an option by clicks or by
// typing, the check, "Nov TEST" with its lock, the progress disc, and the window opened by
// the main window's command with its failures.
#include "GuiTest.h"

#include "content/Kriptovanje.h"
#include "content/Module1.h"
#include "content/Module2.h"
#include "content/Tekst.h"
#include "shell/Karuvel.h"
#include "signs/ZnakoviTest.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <set>

namespace {

const QColor Bela(Qt::white);

// The base of the sign-test fixtures.
class ProzorZnakova : public GuiTest {
protected:
    static void NovTest(QWidget* prozor) { NovTestNaTajmeru(prozor, QStringLiteral("Command2")); }

    // Sign records 1..n of the fixture, each showing its own picture.
    static QByteArray ZapisiZnakova(int n)
    {
        QByteArray b;
        for (int s = 1; s <= n; ++s)
            b += Fiksture::Zapis(qint16(s), { "1", "znak", QByteArray::number(s) });
        return Fiksture::Dopuni(b);
    }
};

class TestZnakova : public ProzorZnakova {
protected:
    void SetUp() override
    {
        Module1::PostaviIzvor({});  // the program's own signs
        m_prozor = std::make_unique<ZnakoviTest>(Seme());
        const Module1::Greska greska = m_prozor->Ucitaj();
        ASSERT_FALSE(greska) << greska.opis.toStdString();
        m_prozor->show();
    }
    void TearDown() override
    {
        m_prozor.reset();
        GuiTest::TearDown();
    }

    QLabel* Broj(int i) const { return Kontrola<QLabel>(m_prozor.get(), QStringLiteral("Label1_%1").arg(i)); }
    QLabel* Opis(int i) const { return Kontrola<QLabel>(m_prozor.get(), QStringLiteral("Label2_%1").arg(i)); }
    QLabel* Slika(int j) const { return Kontrola<QLabel>(m_prozor.get(), QStringLiteral("Image1_%1").arg(j)); }
    QLineEdit* Polje(int j) const { return Kontrola<QLineEdit>(m_prozor.get(), QStringLiteral("Text3_%1").arg(j)); }
    QPushButton* Tacan(int j) const
    {
        return Kontrola<QPushButton>(m_prozor.get(), QStringLiteral("Command6_%1").arg(j));
    }
    QPushButton* Dugme(const char* ime) const { return Kontrola<QPushButton>(m_prozor.get(), ime); }
    // What belongs in box j, from the test behind the window (the window shows it only
    // after "Provera").
    QString Kljuc(int j) const { return m_prozor->Test().Tacno(j - 1); }

    static void Klik(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }

    static QColor Pozadina(QWidget* w) { return w->palette().color(w->backgroundRole()); }
    static QColor PozadinaPolja(QLineEdit* p) { return p->palette().color(QPalette::Base); }
    static QColor TekstPolja(QLineEdit* p) { return p->palette().color(QPalette::Text); }

    // Pictures whose correct answer is the empty text, and those with an option.
    std::vector<int> BezOpcije() const
    {
        std::vector<int> j;
        for (int k = 1; k <= 10; ++k)
            if (Kljuc(k).isEmpty())
                j.push_back(k);
        return j;
    }
    int SaOpcijom() const
    {
        for (int k = 1; k <= 10; ++k)
            if (!Kljuc(k).isEmpty())
                return k;
        return 0;
    }

    void OcekujIzabrano(int opcija) const
    {
        EXPECT_EQ(m_prozor->Izabrano(), opcija);
        for (int i = 1; i <= 8; ++i) {
            const QColor boja = i == opcija ? ZnakoviTest::SvetloZelena : ZnakoviTest::SvetloZuta;
            EXPECT_EQ(Pozadina(Broj(i)), boja) << "option " << i;
            EXPECT_EQ(Pozadina(Opis(i)), boja) << "option " << i;
        }
    }

    // The sign (1..20) a picture shows, found by comparing it with the stored pictures
    // scaled to its place the way a label with scaled contents scales them.
    static int ZnakNaSlici(QLabel* slika)
    {
        const QImage prikazana = slika->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
        const QSize tacaka = slika->size() * slika->devicePixelRatioF();
        for (int s = 1; s <= 20; ++s) {
            const QImage izvorna = QPixmap::fromImage(QImage(QStringLiteral(":/ZNAK/%1").arg(s))).toImage();
            if (izvorna.scaled(tacaka, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).convertToFormat(QImage::Format_ARGB32) == prikazana)
                return s;
        }
        return 0;
    }

    std::unique_ptr<ZnakoviTest> m_prozor;
};

TEST_F(TestZnakova, EachTestShowsTenSignsEightDescriptionsAndTwoPicturesWithoutOne)
{
    // The real descriptions of signs 1..20: sign s is record s of the bank.
    const Module1::BankaZnakova banka = Module1::UcitajSveZnakove();
    ASSERT_FALSE(banka.greska);
    ASSERT_GE(banka.zapisi.size(), 20u);
    std::vector<QString> opisZnaka(21);
    for (int s = 1; s <= 20; ++s) {
        const Module1::Znak& z = banka.zapisi[std::size_t(s - 1)];
        opisZnaka[std::size_t(s)] = Tekst::izCp1250(Kriptovanje::Dekriptuj(Kriptovanje::KljucniTekst(z.kljuc), z.opis));
    }

    for (int test = 0; test < 4; ++test) {
        SCOPED_TRACE(test);
        if (test > 0)
            NovTest(m_prozor.get());
        std::set<int> znakovi;
        std::vector<int> znakSlike(11);
        for (int j = 1; j <= 10; ++j) {
            ASSERT_TRUE(Slika(j)->isVisible());
            znakSlike[std::size_t(j)] = ZnakNaSlici(Slika(j));
            EXPECT_NE(znakSlike[std::size_t(j)], 0) << "picture " << j;
            znakovi.insert(znakSlike[std::size_t(j)]);
        }
        EXPECT_EQ(znakovi.size(), 10u);

        std::set<QString> opisi;
        for (int i = 1; i <= 8; ++i) {
            EXPECT_EQ(Broj(i)->text(), QStringLiteral("%1.").arg(i));
            opisi.insert(Opis(i)->text());
        }
        EXPECT_EQ(opisi.size(), 8u);

        // Every option is the correct answer of exactly one picture, and that picture shows
        // the sign the option describes.
        std::multiset<QString> tacni;
        for (int j = 1; j <= 10; ++j) {
            const QString t = Kljuc(j);
            tacni.insert(t);
            if (!t.isEmpty()) {
                EXPECT_EQ(Opis(t.toInt())->text(), opisZnaka[std::size_t(znakSlike[std::size_t(j)])]) << "picture " << j;
            }
            EXPECT_FALSE(Tacan(j)->isVisible());
            EXPECT_TRUE(Tacan(j)->text().isEmpty()) << "the answer of picture " << j << " is out before the check";
        }
        EXPECT_EQ(tacni.count(QString()), 2u);
        for (int i = 1; i <= 8; ++i)
            EXPECT_EQ(tacni.count(QString::number(i)), 1u) << "option " << i;
    }
}

TEST_F(TestZnakova, PicturesFitTheirPlaceWithTheirProportions)
{
    for (int j = 1; j <= 10; ++j) {
        SCOPED_TRACE(j);
        QLabel* s = Slika(j);
        const int znak = ZnakNaSlici(s);
        ASSERT_NE(znak, 0);
        const QSize izvorna = QImage(QStringLiteral(":/ZNAK/%1").arg(znak)).size();
        EXPECT_TRUE(s->hasScaledContents());
        // Scaled once, when the test is composed: the label draws it as it stands.
        EXPECT_EQ(s->pixmap().size(), s->size() * s->devicePixelRatioF());
        EXPECT_LE(s->width(), 136);
        EXPECT_LE(s->height(), 117);
        EXPECT_NEAR(double(s->width()) / s->height(), double(izvorna.width()) / izvorna.height(), 0.03);
        // Every stored sign picture is larger than its place.
        EXPECT_LT(s->width(), izvorna.width());
    }
}

TEST_F(TestZnakova, TypingOneCharacterLocksTheBoxAndALaterPlacementLeavesIt)
{
    QLineEdit* polje = Polje(4);
    EXPECT_EQ(PozadinaPolja(polje), Bela);
    EXPECT_EQ(TekstPolja(polje), ZnakoviTest::Crvena);
    EXPECT_EQ(polje->maxLength(), 1);

    TestPomoc::Kucaj(polje, "3");
    EXPECT_EQ(polje->text(), "3");
    EXPECT_TRUE(polje->isReadOnly());
    EXPECT_EQ(PozadinaPolja(polje), ZnakoviTest::SvetloCijan);

    TestPomoc::Kucaj(polje, "5");
    EXPECT_EQ(polje->text(), "3");

    Klik(Broj(5));
    OcekujIzabrano(5);
    Klik(Slika(4));
    EXPECT_EQ(polje->text(), "3");
    OcekujIzabrano(0);
}

TEST_F(TestZnakova, ChoosingAnOptionAndThenAPictureOrItsBoxWritesItsNumber)
{
    struct Slucaj {
        bool opisom;  // option chosen by its description (else by its number)
        bool poljem;  // placed by a click on the box (else on the picture)
    };
    const Slucaj slucajevi[] = { { false, false }, { true, false }, { false, true }, { true, true } };
    for (const Slucaj& s : slucajevi) {
        SCOPED_TRACE(testing::Message() << "description " << s.opisom << ", box " << s.poljem);
        NovTest(m_prozor.get());

        Klik(s.opisom ? Opis(2) : Broj(2));
        OcekujIzabrano(2);
        Klik(s.poljem ? static_cast<QWidget*>(Polje(7)) : Slika(7));
        EXPECT_EQ(Polje(7)->text(), "2");
        EXPECT_TRUE(Polje(7)->isReadOnly());
        EXPECT_EQ(PozadinaPolja(Polje(7)), ZnakoviTest::SvetloCijan);
        OcekujIzabrano(0);
        for (int j = 1; j <= 10; ++j)
            EXPECT_EQ(Polje(j)->text().isEmpty(), j != 7) << j;
    }
}

TEST_F(TestZnakova, OneOptionMayGoUnderSeveralPicturesAndAClickWithoutSelectionDoesNothing)
{
    for (int j : { 1, 6, 10 }) {
        Klik(Opis(4));
        Klik(Slika(j));
    }
    for (int j : { 1, 6, 10 })
        EXPECT_EQ(Polje(j)->text(), "4") << j;

    Klik(Slika(2));
    EXPECT_TRUE(Polje(2)->text().isEmpty());
    EXPECT_FALSE(Polje(2)->isReadOnly());
}

TEST_F(TestZnakova, AClickOnTheHeadingSelectsNothing)
{
    Klik(Broj(0));
    OcekujIzabrano(0);

    Klik(Broj(3));
    Klik(Broj(0));
    OcekujIzabrano(3);
    Klik(Slika(5));
    EXPECT_EQ(Polje(5)->text(), "3");
}

TEST_F(TestZnakova, CheckShowsTheCorrectNumbersAndColoursEachBox)
{
    const std::vector<int> bez = BezOpcije();
    ASSERT_EQ(bez.size(), 2u);
    const int prazanBez = bez[0];   // left empty: right
    const int punjenBez = bez[1];   // any character: wrong
    std::vector<int> sa;
    for (int j = 1; j <= 10; ++j)
        if (!Kljuc(j).isEmpty())
            sa.push_back(j);
    const int tacno = sa[0], pogresno = sa[1], prazno = sa[2];

    TestPomoc::Kucaj(Polje(punjenBez), "1");
    TestPomoc::Kucaj(Polje(tacno), Kljuc(tacno));
    Klik(Opis(Kljuc(pogresno).toInt() % 8 + 1));  // another option than its own
    Klik(Slika(pogresno));
    ASSERT_NE(Polje(pogresno)->text(), Kljuc(pogresno));

    Klik(Dugme("Command1"));
    for (int j = 1; j <= 10; ++j)
        EXPECT_TRUE(Tacan(j)->isVisible()) << j;
    EXPECT_TRUE(Tacan(prazanBez)->text().isEmpty());
    for (int j = 1; j <= 10; ++j)
        EXPECT_EQ(Tacan(j)->text(), Kljuc(j)) << j;

    struct Ocekivano {
        int polje;
        QColor pozadina;
        QColor tekst;
    };
    for (const Ocekivano& o : { Ocekivano { prazanBez, ZnakoviTest::Zelena, ZnakoviTest::Crvena },
             Ocekivano { tacno, ZnakoviTest::Zelena, ZnakoviTest::Crvena },
             Ocekivano { punjenBez, ZnakoviTest::Crvena, ZnakoviTest::Zuta },
             Ocekivano { pogresno, ZnakoviTest::Crvena, ZnakoviTest::Zuta },
             Ocekivano { prazno, ZnakoviTest::Crvena, ZnakoviTest::Zuta } }) {
        SCOPED_TRACE(o.polje);
        EXPECT_EQ(PozadinaPolja(Polje(o.polje)), o.pozadina);
        EXPECT_EQ(TekstPolja(Polje(o.polje)), o.tekst);
    }

    // The check locks nothing: the empty box still takes a number, and a second check judges it.
    EXPECT_FALSE(Polje(prazno)->isReadOnly());
    TestPomoc::Kucaj(Polje(prazno), Kljuc(prazno));
    EXPECT_EQ(PozadinaPolja(Polje(prazno)), ZnakoviTest::SvetloCijan);
    Klik(Dugme("Command1"));
    EXPECT_EQ(PozadinaPolja(Polje(prazno)), ZnakoviTest::Zelena);
}

TEST_F(TestZnakova, NewTestResetsTheBoxesKeepsTheSelectionAndRestsFiveSeconds)
{
    TestPomoc::Kucaj(Polje(1), "9");
    Klik(Dugme("Command1"));
    Klik(Opis(6));

    QPushButton* nov = Dugme("Command2");
    auto* timer = Kontrola<QTimer>(m_prozor.get(), "Timer1");
    ASSERT_NE(timer, nullptr);
    EXPECT_FALSE(timer->isActive());
    EXPECT_TRUE(timer->isSingleShot());
    EXPECT_EQ(timer->interval(), 5000);
    timer->setInterval(30);
    Klik(nov);
    EXPECT_FALSE(nov->isEnabled());
    EXPECT_TRUE(timer->isActive());

    for (int j = 1; j <= 10; ++j) {
        SCOPED_TRACE(j);
        EXPECT_TRUE(Polje(j)->text().isEmpty());
        EXPECT_FALSE(Polje(j)->isReadOnly());
        EXPECT_EQ(PozadinaPolja(Polje(j)), Bela);
        EXPECT_EQ(TekstPolja(Polje(j)), ZnakoviTest::Crvena);
        EXPECT_FALSE(Tacan(j)->isVisible());
    }
    // The highlight is gone, the selection is not: the next click on a picture places it.
    EXPECT_EQ(m_prozor->Izabrano(), 6);
    EXPECT_EQ(Pozadina(Opis(6)), ZnakoviTest::SvetloZuta);
    Klik(Slika(3));
    EXPECT_EQ(Polje(3)->text(), "6");

    // A click while locked composes nothing; the timer lets the button go.
    Klik(nov);
    EXPECT_EQ(Polje(3)->text(), "6");
    EXPECT_TRUE(QTest::qWaitFor([nov] { return nov->isEnabled(); }, 3000)) << "the lock never lets go";
    EXPECT_FALSE(timer->isActive());
}

TEST_F(TestZnakova, TheProgressDiscCountsThePicturesAndCloses)
{
    PracenjeProgresa pracenje;
    Klik(Dugme("Command2"));
    std::vector<std::pair<int, int>> ocekivano;
    for (int j = 0; j < 10; ++j)
        ocekivano.emplace_back(j, 10);
    EXPECT_EQ(pracenje.koraci, ocekivano);
    EXPECT_EQ(OtvoreniProgresi(), 0);
}

// Through the main window: the menu command, activation, and content that cannot be loaded.
class TestZnakovaUGlavnom : public ProzorZnakova {
protected:
    void SetUp() override
    {
        Module1::PostaviIzvor({});  // the program's own signs unless a case installs fixture records
        m_glavni->show();
        m_glavni->OProgramu_Click();
    }
    void TearDown() override
    {
        m_glavni->ZatvoriOstale();
        m_glavni.reset();
        GuiTest::TearDown();
    }
    void Otvori() { Komanda(m_glavni.get(), QStringLiteral("TestSaZnakovima")); }
    ZnakoviTest* Otvoren() const { return JedinoOtvoren<ZnakoviTest>(m_glavni.get()); }

    // Sign records that cannot make a test, and what the message names below the general one.
    struct Neupotrebljivo {
        const char* opis;
        std::optional<QByteArray> resurs;
        QStringList reci;
    };
    static std::vector<Neupotrebljivo> NeupotrebljiviZnakovi()
    {
        return {
            { "records missing", std::nullopt, { "TEKST 1" } },
            // The test needs signs 1 to 20: a refused draw, described.
            { "19 signs", ZapisiZnakova(19), { "19", "20" } },
        };
    }

    std::unique_ptr<Karuvel> m_glavni = std::make_unique<Karuvel>(Seme());
};

TEST_F(TestZnakovaUGlavnom, TheCommandOpensTheTestMaximisedWithItsHeading)
{
    ASSERT_FALSE(m_glavni->isMaximized());
    Otvori();
    ZnakoviTest* t = Otvoren();
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(Kontrola<QLabel>(t, "Label1_0")->text(), "Test sa znakovima");
    EXPECT_EQ(Kontrola<QPushButton>(t, "Command1")->text(), "Provera");
    EXPECT_EQ(Kontrola<QPushButton>(t, "Command2")->text(), "Nov TEST");
    EXPECT_EQ(Kontrola(t, "Picture2")->palette().color(QPalette::Window), QColor(192, 192, 192));
    EXPECT_TRUE(m_glavni->isMaximized());
}

TEST_F(TestZnakovaUGlavnom, ContentThatCannotBeLoadedGivesAMessageAndNoWindow)
{
    for (const Neupotrebljivo& s : NeupotrebljiviZnakovi()) {
        SCOPED_TRACE(s.opis);
        const qsizetype pre = poruke.Primljene().size();
        {
            Fiksture::Izvori zapisi;  // the program's own content again when it goes
            if (s.resurs)
                zapisi.Postavi(1, *s.resurs);
            Otvori();
        }
        EXPECT_TRUE(m_glavni->Povrsina()->subWindowList().isEmpty());
        ProveriPoruku(pre, s.reci);
    }
    Otvori();
    EXPECT_NE(Otvoren(), nullptr);
}

TEST_F(TestZnakovaUGlavnom, ANewTestThatCannotBeLoadedClosesTheWindow)
{
    for (const Neupotrebljivo& s : NeupotrebljiviZnakovi()) {
        SCOPED_TRACE(s.opis);
        Otvori();
        ZnakoviTest* t = Otvoren();
        ASSERT_NE(t, nullptr);
        const qsizetype pre = poruke.Primljene().size();
        {
            Fiksture::Izvori zapisi;
            if (s.resurs)
                zapisi.Postavi(1, *s.resurs);
            QTest::mouseClick(Kontrola<QPushButton>(t, "Command2"), Qt::LeftButton);
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ProveriPoruku(pre, s.reci);
        EXPECT_TRUE(m_glavni->Povrsina()->subWindowList().isEmpty());
    }
}

}  // namespace
