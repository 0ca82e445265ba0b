// The situation test window: cycles of twenty, one answer order per cycle, the marks,
// answering, "Provera", "Nov TEST" with its lock on the real timer, the width rule and the
// failures, at opening and at "Nov TEST".
#include "situations/Situacije.h"

#include "GuiTest.h"
#include "content/Module1.h"
#include "shell/Karuvel.h"
#include "widgets/Panel.h"
#include "widgets/PitanjeOkvir.h"
#include "widgets/Poruke.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QSet>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <optional>

namespace {

const QColor Svetlozelena(192, 255, 192), Bledozelena(204, 255, 204), Zuta(255, 255, 192);

QColor Pozadina(const QWidget* w)
{
    return w->palette().color(QPalette::Window);
}

// Record q of the fixture bank: question "<prefix> q", answers "q-1".."q-3", correct answer
// (q mod 3) + 1, picture (q mod 21) + 1 unless given.
QByteArray Situacija(int q, const QByteArray& prefiks = "Pitanje", int slika = 0)
{
    const QByteArray n = QByteArray::number(q);
    return Fiksture::Zapis(qint16(100 + q), { prefiks + ' ' + n, n + "-1", n + "-2", n + "-3",
        QByteArray::number(q % 3 + 1), QByteArray::number(slika ? slika : q % 21 + 1) });
}

QList<QByteArray> Banka(int broj, const QByteArray& prefiks = "Pitanje", int slika = 0)
{
    QList<QByteArray> zapisi;
    for (int q = 1; q <= broj; ++q)
        zapisi << Situacija(q, prefiks, slika);
    return zapisi;
}

enum class Oznaka { Nema, Tacno, Netacno };

Oznaka Slika(const QLabel* image)
{
    const QImage s = image->pixmap().toImage();
    if (s.isNull())
        return Oznaka::Nema;
    if (s == PitanjeOkvir::Tacno().toImage())
        return Oznaka::Tacno;
    return s == PitanjeOkvir::Netacno().toImage() ? Oznaka::Netacno : Oznaka::Nema;
}

// The lock of "Nov TEST" in these tests, instead of 5 seconds.
constexpr int KratkaBrava = 30;  // ms

class SituacijeTest : public GuiTest {
protected:
    void SetUp() override
    {
        izvori.Postavi(3, Banka(25));
        // Every message also notes how many progress windows were still open when it came.
        m_prikaz = ::Poruke::PostaviPrikaz([this](QWidget* roditelj, const QString& tekst) {
            progresiPriPoruci.push_back(OtvoreniProgresi());
            m_prikaz(roditelj, tekst);
        });
    }
    void TearDown() override
    {
        GuiTest::TearDown();
        ::Poruke::PostaviPrikaz(m_prikaz);
    }

    // A window of its own on a fixed engine: loaded, shown, its lock shortened.
    std::unique_ptr<Situacije> Otvori()
    {
        auto p = std::make_unique<Situacije>(20, Seme(11));
        const Module1::Greska greska = p->Ucitaj();
        EXPECT_FALSE(greska) << greska.opis.toStdString();
        p->show();
        Skrati(p.get());
        return p;
    }

    static void Skrati(const QWidget* p)
    {
        if (auto* timer1 = Kontrola<QTimer>(p, QStringLiteral("Timer1")))
            timer1->setInterval(KratkaBrava);
    }

    // "Nov TEST" as the candidate gets it: once the lock of the last one has run out.
    static void SledeciTest(const QWidget* p)
    {
        auto* nov = Kontrola<QPushButton>(p, QStringLiteral("Command1"));
        ASSERT_TRUE(nov);
        ASSERT_TRUE(QTest::qWaitFor([nov] { return nov->isEnabled(); }, 2000)) << "\"Nov TEST\" stays locked";
        QTest::mouseClick(nov, Qt::LeftButton);
    }

    static QLabel* L(const QWidget* w, int k, int i)
    {
        return Kontrola<QLabel>(w, QStringLiteral("Label%1_%2").arg(k).arg(i));
    }
    static QLabel* Image(const QWidget* w, int k, int i)
    {
        return Kontrola<QLabel>(w, QStringLiteral("Image%1_%2").arg(k).arg(i));
    }

    // The questions on screen: "<prefix> q" of frames 1..5.
    static QStringList Pitanja(const QWidget* w)
    {
        QStringList p;
        for (int k = 1; k <= 5; ++k)
            p << L(w, k, 0)->text();
        return p;
    }

    std::vector<int> progresiPriPoruci;

private:
    ::Poruke::Prikaz m_prikaz;
};

}  // namespace

TEST_F(SituacijeTest, Raspored)
{
    auto p = Otvori();
    EXPECT_EQ(Kontrola(p.get(), "Label0")->geometry(), QRect(100, 5, 600, 35));
    auto* provera = Kontrola<QPushButton>(p.get(), "Command2");
    auto* nov = Kontrola<QPushButton>(p.get(), "Command1");
    ASSERT_TRUE(provera && nov);
    EXPECT_EQ(provera->text(), "Provera");
    EXPECT_EQ(provera->geometry(), QRect(19, 11, 80, 22));
    EXPECT_EQ(nov->text(), "Nov TEST");
    EXPECT_EQ(nov->geometry(), QRect(701, 11, 80, 22));
    EXPECT_TRUE(nov->isEnabled());
    EXPECT_EQ(Kontrola(p.get(), "Frame1")->height(), 1100);
    Kontrola<QScrollBar>(p.get(), "VScroll1");
    EXPECT_FALSE(Kontrola<QTimer>(p.get(), "Timer1")->isActive());

    const int vrhovi[] = { 0, 211, 419, 627, 839 };
    for (int k = 1; k <= 5; ++k) {
        auto* okvir = Kontrola<QGroupBox>(p.get(), QStringLiteral("Frame2_%1").arg(k - 1));
        ASSERT_NE(okvir, nullptr);
        EXPECT_EQ(okvir->title(), QStringLiteral("Pitanje %1").arg(k));
        EXPECT_EQ(okvir->geometry(), QRect(0, vrhovi[k - 1], 765, 208));
        // Every picture of the bank is wider than 146 pixels: at 7, 20 inside the frame.
        const QLabel* slika = Image(p.get(), k, 0);
        EXPECT_EQ(slika->parentWidget(), okvir);
        EXPECT_EQ(slika->pos(), QPoint(7, 20));
        EXPECT_GE(slika->pixmap().width(), 258);
        EXPECT_EQ(L(p.get(), k, 0)->geometry(), QRect(278, 19, 480, 52));
        for (int i = 1; i <= 3; ++i) {
            EXPECT_EQ(Pozadina(L(p.get(), k, i)), Svetlozelena);
            EXPECT_EQ(L(p.get(), k, i)->cursor().shape(), Qt::PointingHandCursor);
            EXPECT_FALSE(Image(p.get(), k, i)->isVisibleTo(p.get()));
        }
    }
}

TEST_F(SituacijeTest, CiklusOdDvadesetIJedanRedosledOdgovora)
{
    auto p = Otvori();
    // The bank is read once per cycle: a changed bank shows only in the next cycle.
    izvori.Postavi(3, Banka(25, "Novo"));

    QSet<QString> vidjena;
    std::array<int, 4> redosled {};  // stored answer shown in position 1..3, for the cycle
    for (int test = 1; test <= 4; ++test) {
        EXPECT_EQ(p->Pozicija(), 5 * test);
        for (int k = 1; k <= 5; ++k) {
            const QString pitanje = L(p.get(), k, 0)->text();
            ASSERT_TRUE(pitanje.startsWith("Pitanje ")) << qPrintable(pitanje);
            vidjena.insert(pitanje);
            const QString q = pitanje.mid(8);
            for (int i = 1; i <= 3; ++i) {
                const QString odgovor = L(p.get(), k, i)->text();
                ASSERT_TRUE(odgovor.startsWith(q + "-")) << qPrintable(odgovor);
                const int a = odgovor.mid(q.size() + 1).toInt();
                if (test == 1 && k == 1)
                    redosled[static_cast<std::size_t>(i)] = a;
                EXPECT_EQ(a, redosled[static_cast<std::size_t>(i)]) << "one answer order per cycle";
            }
        }
        SledeciTest(p.get());
    }
    EXPECT_EQ(vidjena.size(), 20) << "twenty different questions in a cycle";
    QList<int> permutacija { redosled[1], redosled[2], redosled[3] };
    std::sort(permutacija.begin(), permutacija.end());
    EXPECT_EQ(permutacija, (QList<int> { 1, 2, 3 }));

    // The fifth test is a new draw from the reloaded bank.
    EXPECT_EQ(p->Pozicija(), 5);
    for (const QString& pitanje : Pitanja(p.get()))
        EXPECT_TRUE(pitanje.startsWith("Novo ")) << qPrintable(pitanje);
    EXPECT_TRUE(poruke.Primljene().isEmpty());
}

TEST_F(SituacijeTest, JedanaKvacicaPoPitanjuIProvera)
{
    auto p = Otvori();
    for (int test = 0; test < 2; ++test) {
        for (int k = 1; k <= 5; ++k) {
            const int q = L(p.get(), k, 0)->text().mid(8).toInt();
            int kvacica = 0;
            for (int i = 1; i <= 3; ++i) {
                EXPECT_FALSE(Image(p.get(), k, i)->isVisibleTo(p.get()));
                const Oznaka o = Slika(Image(p.get(), k, i));
                ASSERT_NE(o, Oznaka::Nema);
                const bool tacan = L(p.get(), k, i)->text() == QStringLiteral("%1-%2").arg(q).arg(q % 3 + 1);
                EXPECT_EQ(o == Oznaka::Tacno, tacan) << q;
                kvacica += o == Oznaka::Tacno;
            }
            EXPECT_EQ(kvacica, 1);
        }
        // "Provera" with no answer shows all fifteen marks and changes nothing else.
        QTest::mouseClick(Kontrola<QPushButton>(p.get(), "Command2"), Qt::LeftButton);
        EXPECT_TRUE(p->Test().Provereno());
        for (int k = 1; k <= 5; ++k) {
            for (int i = 1; i <= 3; ++i) {
                EXPECT_TRUE(Image(p.get(), k, i)->isVisibleTo(p.get()));
                EXPECT_TRUE(L(p.get(), k, i)->isEnabled());
            }
        }
        EXPECT_EQ(p->Pozicija(), 5 * (test + 1)) << "the check composes nothing";
        SledeciTest(p.get());
    }
}

TEST_F(SituacijeTest, OdgovaranjeINovTest)
{
    auto p = std::make_unique<Situacije>(20, Seme(11));
    ASSERT_FALSE(p->Ucitaj());
    p->show();
    // A click on the question does nothing.
    QTest::mouseClick(L(p.get(), 2, 0), Qt::LeftButton);
    for (int i = 1; i <= 3; ++i)
        EXPECT_TRUE(L(p.get(), 2, i)->isEnabled());
    EXPECT_FALSE(p->Test().Izabran(1));

    // The second answer: yellow, the question is closed, and the test has the choice.
    QTest::mouseClick(L(p.get(), 2, 2), Qt::LeftButton);
    EXPECT_EQ(Pozadina(L(p.get(), 2, 2)), Zuta);
    for (int i = 1; i <= 3; ++i)
        EXPECT_FALSE(L(p.get(), 2, i)->isEnabled());
    EXPECT_EQ(p->Test().Izabran(1), 1);
    QTest::mouseClick(L(p.get(), 2, 1), Qt::LeftButton);
    EXPECT_EQ(Pozadina(L(p.get(), 2, 1)), Svetlozelena);
    EXPECT_EQ(p->Test().Izabran(1), 1);

    // After the check an open question can still be answered.
    p->Provera();
    QTest::mouseClick(L(p.get(), 4, 3), Qt::LeftButton);
    EXPECT_EQ(Pozadina(L(p.get(), 4, 3)), Zuta);
    EXPECT_EQ(p->Test().Izabran(3), 2);

    // "Nov TEST": paler green, enabled, marks hidden, panel at the top, then the lock.
    auto* traka = Kontrola<QScrollBar>(p.get(), "VScroll1");
    traka->setValue(traka->maximum());
    auto* nov = Kontrola<QPushButton>(p.get(), "Command1");
    auto* timer1 = Kontrola<QTimer>(p.get(), "Timer1");
    EXPECT_TRUE(timer1->isSingleShot());
    EXPECT_EQ(timer1->interval(), 5000);
    timer1->setInterval(KratkaBrava);
    QElapsedTimer sat;
    sat.start();
    QTest::mouseClick(nov, Qt::LeftButton);
    for (int k = 1; k <= 5; ++k) {
        for (int i = 1; i <= 3; ++i) {
            EXPECT_EQ(Pozadina(L(p.get(), k, i)), Bledozelena);
            EXPECT_TRUE(L(p.get(), k, i)->isEnabled());
            EXPECT_FALSE(Image(p.get(), k, i)->isVisibleTo(p.get()));
            EXPECT_NE(Slika(Image(p.get(), k, i)), Oznaka::Nema);
        }
        EXPECT_FALSE(p->Test().Izabran(k - 1));
    }
    EXPECT_EQ(traka->value(), 0);
    EXPECT_EQ(Kontrola(p.get(), "Frame1")->y(), 0);
    EXPECT_EQ(p->focusWidget(), traka);

    EXPECT_FALSE(nov->isEnabled());
    EXPECT_TRUE(timer1->isActive());
    QTest::mouseClick(nov, Qt::LeftButton);
    EXPECT_EQ(p->Pozicija(), 10) << "a locked button composes nothing";

    // The lock ends by itself when its timer runs out, not before.
    EXPECT_TRUE(QTest::qWaitFor([nov] { return nov->isEnabled(); }, 2000)) << "the lock never ends";
    EXPECT_GE(sat.elapsed(), KratkaBrava * 8 / 10);
    EXPECT_FALSE(timer1->isActive());
    QTest::mouseClick(nov, Qt::LeftButton);
    EXPECT_EQ(p->Pozicija(), 15);
}

TEST_F(SituacijeTest, PraviloSirine)
{
    const struct {
        int sirina, levo;
    } slucajevi[] = { { 120, 147 }, { 146, 147 }, { 147, 7 }, { 258, 7 }, { 260, 7 } };
    for (const auto& s : slucajevi)
        EXPECT_EQ(Situacije::LevaIvica(s.sirina), s.levo) << s.sirina;

    // Every question of this bank has the narrow picture (120 pixels): at 147.
    izvori.Postavi(3, Banka(20, "Uska", 90));
    auto p = Otvori();
    for (int k = 1; k <= 5; ++k) {
        EXPECT_EQ(Image(p.get(), k, 0)->pos(), QPoint(147, 20));
        EXPECT_EQ(Image(p.get(), k, 0)->pixmap().width(), 120);
    }

    // A wide picture in the next test goes back to 7.
    izvori.Postavi(3, Banka(20));
    for (int i = 0; i < 4; ++i)
        SledeciTest(p.get());
    ASSERT_TRUE(L(p.get(), 1, 0)->text().startsWith("Pitanje "));
    for (int k = 1; k <= 5; ++k)
        EXPECT_EQ(Image(p.get(), k, 0)->pos(), QPoint(7, 20));
}

// A load that fails: the window hands the failure over and shows nothing itself; the main
// window tells it (the general message, what went wrong below it) once the progress window
// is closed, and drops the window.
TEST_F(SituacijeTest, NeuspesiUcitavanja)
{
    const struct {
        const char* opis;
        std::optional<QList<QByteArray>> banka;
        int broj;
        QString sta;  // what went wrong, told below the general message
    } slucajevi[] = {
        { "no bank", std::nullopt, 20, QString() },
        { "19 records", Banka(19), 20, QString() },
        { "count not a multiple of five", Banka(25), 12, QString() },
        { "missing picture", Banka(20, "Pitanje", 99), 20,
            QStringLiteral("Resource with identifier '99' of type 'SITUACIJA' not found") },
    };
    auto* glavni = new Karuvel(Seme());  // closed, and so deleted, after the test
    glavni->setAttribute(Qt::WA_DeleteOnClose);
    glavni->show();
    for (const auto& s : slucajevi) {
        if (s.banka)
            izvori.Postavi(3, *s.banka);
        else
            izvori.Ukloni(3);

        const qsizetype pre = poruke.Primljene().size();
        {
            Situacije p(s.broj, Seme());
            const Module1::Greska greska = p.Ucitaj();
            ASSERT_TRUE(greska) << s.opis;
            EXPECT_TRUE(greska.ZaKorisnika().startsWith(Module1::PorukaGreske)) << s.opis;
            EXPECT_TRUE(greska.ZaKorisnika().contains(s.sta)) << s.opis;
            EXPECT_EQ(poruke.Primljene().size(), pre) << s.opis << ": the window told it itself";
            EXPECT_EQ(OtvoreniProgresi(), 0) << s.opis;
        }
        if (s.broj != 20)
            continue;  // the menu opens the test with twenty

        Kontrola<QAction>(glavni, "SituacijeP")->trigger();
        ASSERT_EQ(poruke.Primljene().size(), pre + 1) << s.opis;
        EXPECT_TRUE(poruke.Primljene().last().startsWith(Module1::PorukaGreske)) << s.opis;
        EXPECT_TRUE(poruke.Primljene().last().contains(s.sta)) << s.opis;
        EXPECT_EQ(progresiPriPoruci.back(), 0) << s.opis << ": the message came over the progress window";
        EXPECT_EQ(OtvoreniProgresi(), 0) << s.opis;
        EXPECT_TRUE(glavni->Povrsina()->subWindowList().isEmpty()) << s.opis;
    }
}

TEST_F(SituacijeTest, KomandaGlavnogProzoraIGreskaKodNovogTesta)
{
    auto* glavni = new Karuvel(Seme());  // closed, and so deleted, after the test
    glavni->setAttribute(Qt::WA_DeleteOnClose);
    glavni->show();
    QMdiArea* mdi = glavni->Povrsina();
    QAction* komanda = Kontrola<QAction>(glavni, "SituacijeP");
    ASSERT_TRUE(komanda);

    // The real content.
    Module1::PostaviIzvor({});
    komanda->trigger();
    ASSERT_EQ(mdi->subWindowList().size(), 1);
    auto* p = qobject_cast<Situacije*>(mdi->subWindowList().first()->widget());
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(Kontrola<QLabel>(p, "Label0")->text(), QStringLiteral("Pitanja sa slikama za sve kategorije"));
    EXPECT_TRUE(glavni->isMaximized());
    EXPECT_EQ(p->focusWidget(), Kontrola(p, "VScroll1"));
    EXPECT_EQ(p->Pozicija(), 5);
    for (int k = 1; k <= 5; ++k) {
        EXPECT_FALSE(Image(p, k, 0)->pixmap().isNull());
        EXPECT_EQ(Image(p, k, 0)->x(), Situacije::LevaIvica(Image(p, k, 0)->pixmap().width()));
    }
    EXPECT_EQ(OtvoreniProgresi(), 0);
    EXPECT_TRUE(poruke.Primljene().isEmpty());

    // Opening again starts a new cycle.
    SledeciTest(p);
    EXPECT_EQ(p->Pozicija(), 10);
    komanda->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(mdi->subWindowList().size(), 1);
    QPointer<Situacije> novi = qobject_cast<Situacije*>(mdi->subWindowList().first()->widget());
    ASSERT_TRUE(novi);
    EXPECT_EQ(novi->Pozicija(), 5);

    // A picture that fails at "Nov TEST": the message, and the window closes.
    Fiksture::Izvori losi;
    losi.Postavi(3, Banka(20, "Pitanje", 77));
    Skrati(novi);
    for (int i = 0; i < 4 && novi && poruke.Primljene().isEmpty(); ++i)
        SledeciTest(novi);
    ASSERT_EQ(poruke.Primljene().size(), 1);
    EXPECT_TRUE(poruke.Primljene().first().startsWith(Module1::PorukaGreske));
    EXPECT_TRUE(poruke.Primljene().first().contains("'77'"));
    EXPECT_EQ(progresiPriPoruci.back(), 0) << "the message came over the progress window";
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(mdi->subWindowList().isEmpty());
    EXPECT_TRUE(novi.isNull()) << "the failed window lives on";
}
