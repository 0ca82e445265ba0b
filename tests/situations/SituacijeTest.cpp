// The situation test window: cycles of twenty, one answer order per cycle, the marks,
// answering, "Provera", "Nov TEST" with its lock, the width rule and the failures.
#include "situations/Situacije.h"

#include "Fiksture.h"
#include "TestPomoc.h"
#include "content/Module1.h"
#include "content/Module2.h"
#include "shell/Karuvel.h"
#include "widgets/Panel.h"
#include "widgets/PitanjeOkvir.h"
#include "shell/Stanje.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QSet>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

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

QList<QByteArray> Banka(int broj, const QByteArray& prefiks = "Pitanje")
{
    QList<QByteArray> zapisi;
    for (int q = 1; q <= broj; ++q)
        zapisi << Situacija(q, prefiks);
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

class SituacijeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Module2::PostaviSeme(11);
        Stanje::BrojPitanjaS = 20;
        izvori.Postavi(3, Banka(25));
    }

    std::unique_ptr<Situacije> Otvori()
    {
        auto p = std::make_unique<Situacije>();
        p->show();
        return p;
    }

    static QLabel* L(const QWidget* w, int k, int i)
    {
        auto* l = w->findChild<QLabel*>(QStringLiteral("Label%1_%2").arg(k).arg(i));
        EXPECT_NE(l, nullptr);
        return l;
    }
    static QLabel* Image(const QWidget* w, int k, int i)
    {
        auto* l = w->findChild<QLabel*>(QStringLiteral("Image%1_%2").arg(k).arg(i));
        EXPECT_NE(l, nullptr);
        return l;
    }

    // The questions on screen: "<prefix> q" of frames 1..5.
    static QStringList Pitanja(const QWidget* w)
    {
        QStringList p;
        for (int k = 1; k <= 5; ++k)
            p << L(w, k, 0)->text();
        return p;
    }

    Fiksture::Izvori izvori;
    TestPomoc::Poruke poruke;
};

}  // namespace

TEST_F(SituacijeTest, Raspored)
{
    auto p = Otvori();
    ASSERT_TRUE(p->Ucitan());
    EXPECT_EQ(p->findChild<QLabel*>("Label0")->geometry(), QRect(100, 5, 600, 35));
    auto* provera = p->findChild<QPushButton*>("Command2");
    auto* nov = p->findChild<QPushButton*>("Command1");
    ASSERT_TRUE(provera && nov);
    EXPECT_EQ(provera->text(), "Provera");
    EXPECT_EQ(provera->geometry(), QRect(19, 11, 80, 22));
    EXPECT_EQ(nov->text(), "Nov TEST");
    EXPECT_EQ(nov->geometry(), QRect(701, 11, 80, 22));
    EXPECT_EQ(p->findChild<QWidget*>("Frame1")->height(), 1100);
    ASSERT_NE(p->findChild<QScrollBar*>("VScroll1"), nullptr);
    EXPECT_FALSE(p->findChild<QTimer*>("Timer1")->isActive());

    const int vrhovi[] = { 0, 211, 419, 627, 839 };
    for (int k = 1; k <= 5; ++k) {
        auto* okvir = p->findChild<QGroupBox*>(QStringLiteral("Frame2_%1").arg(k - 1));
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
        p->Timer1_Timer();
        p->Command1_Click();
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
        QTest::mouseClick(p->findChild<QPushButton*>("Command2"), Qt::LeftButton);
        for (int k = 1; k <= 5; ++k) {
            for (int i = 1; i <= 3; ++i) {
                EXPECT_TRUE(Image(p.get(), k, i)->isVisibleTo(p.get()));
                EXPECT_TRUE(L(p.get(), k, i)->isEnabled());
            }
        }
        EXPECT_EQ(p->Pozicija(), 5 * (test + 1)) << "the check composes nothing";
        p->Timer1_Timer();
        p->Command1_Click();
    }
}

TEST_F(SituacijeTest, OdgovaranjeINovTest)
{
    auto p = Otvori();
    // A click on the question does nothing.
    QTest::mouseClick(L(p.get(), 2, 0), Qt::LeftButton);
    for (int i = 1; i <= 3; ++i)
        EXPECT_TRUE(L(p.get(), 2, i)->isEnabled());

    // The second answer: yellow, and the question is closed.
    QTest::mouseClick(L(p.get(), 2, 2), Qt::LeftButton);
    EXPECT_EQ(Pozadina(L(p.get(), 2, 2)), Zuta);
    for (int i = 1; i <= 3; ++i)
        EXPECT_FALSE(L(p.get(), 2, i)->isEnabled());
    QTest::mouseClick(L(p.get(), 2, 1), Qt::LeftButton);
    EXPECT_EQ(Pozadina(L(p.get(), 2, 1)), Svetlozelena);

    // After the check an open question can still be answered.
    p->Command2_Click();
    QTest::mouseClick(L(p.get(), 4, 3), Qt::LeftButton);
    EXPECT_EQ(Pozadina(L(p.get(), 4, 3)), Zuta);

    // "Nov TEST": paler green, enabled, marks hidden, panel at the top, then the lock.
    auto* traka = p->findChild<QScrollBar*>("VScroll1");
    traka->setValue(traka->maximum());
    auto* nov = p->findChild<QPushButton*>("Command1");
    auto* timer1 = p->findChild<QTimer*>("Timer1");
    QTest::mouseClick(nov, Qt::LeftButton);
    for (int k = 1; k <= 5; ++k) {
        for (int i = 1; i <= 3; ++i) {
            EXPECT_EQ(Pozadina(L(p.get(), k, i)), Bledozelena);
            EXPECT_TRUE(L(p.get(), k, i)->isEnabled());
            EXPECT_FALSE(Image(p.get(), k, i)->isVisibleTo(p.get()));
            EXPECT_NE(Slika(Image(p.get(), k, i)), Oznaka::Nema);
        }
    }
    EXPECT_EQ(traka->value(), 0);
    EXPECT_EQ(p->findChild<QWidget*>("Frame1")->y(), 0);
    EXPECT_EQ(p->focusWidget(), traka);

    EXPECT_FALSE(nov->isEnabled());
    EXPECT_TRUE(timer1->isActive());
    EXPECT_TRUE(timer1->isSingleShot());
    EXPECT_EQ(timer1->interval(), 5000);
    QTest::mouseClick(nov, Qt::LeftButton);
    EXPECT_EQ(p->Pozicija(), 10) << "a locked button composes nothing";
    p->Timer1_Timer();
    EXPECT_TRUE(nov->isEnabled());
    EXPECT_FALSE(timer1->isActive());
}

TEST_F(SituacijeTest, PraviloSirine)
{
    const struct {
        int sirina, levo;
    } slucajevi[] = { { 120, 147 }, { 146, 147 }, { 147, 7 }, { 258, 7 }, { 260, 7 } };
    for (const auto& s : slucajevi)
        EXPECT_EQ(Situacije::LevaIvica(s.sirina), s.levo) << s.sirina;

    // Every question of this bank has the narrow picture (120 pixels): at 147.
    QList<QByteArray> zapisi;
    for (int q = 1; q <= 20; ++q)
        zapisi << Situacija(q, "Uska", 90);
    izvori.Postavi(3, zapisi);
    auto p = Otvori();
    ASSERT_TRUE(p->Ucitan());
    for (int k = 1; k <= 5; ++k) {
        EXPECT_EQ(Image(p.get(), k, 0)->pos(), QPoint(147, 20));
        EXPECT_EQ(Image(p.get(), k, 0)->pixmap().width(), 120);
    }

    // A wide picture in the next test goes back to 7.
    izvori.Postavi(3, Banka(20));
    for (int i = 0; i < 4; ++i) {
        p->Timer1_Timer();
        p->Command1_Click();
    }
    for (int k = 1; k <= 5; ++k)
        EXPECT_EQ(Image(p.get(), k, 0)->pos(), QPoint(7, 20));
}

TEST_F(SituacijeTest, NeuspesiUcitavanja)
{
    QList<QByteArray> losaSlika = Banka(20);
    for (QByteArray& z : losaSlika)
        z = Situacija(int(&z - losaSlika.data()) + 1, "Pitanje", 99);
    const struct {
        const char* opis;
        std::optional<QList<QByteArray>> banka;
        qint16 broj;
        QString poruka;
    } slucajevi[] = {
        { "no bank", std::nullopt, 20, Module1::PorukaGreske },
        { "19 records", Banka(19), 20, Module1::PorukaGreske },
        { "count not a multiple of five", Banka(25), 12, Module1::PorukaGreske },
        { "missing picture", losaSlika, 20,
            QStringLiteral("Resource with identifier '99' of type 'SITUACIJA' not found") },
    };
    for (const auto& s : slucajevi) {
        const qsizetype pre = poruke.Primljene().size();
        if (s.banka)
            izvori.Postavi(3, *s.banka);
        else
            izvori.Ukloni(3);
        Stanje::BrojPitanjaS = s.broj;
        Situacije p;
        EXPECT_FALSE(p.Ucitan()) << s.opis;
        // A content failure shows the general message, with what went wrong below it.
        ASSERT_EQ(poruke.Primljene().size(), pre + 1) << s.opis;
        EXPECT_TRUE(poruke.Primljene().last().startsWith(s.poruka)) << s.opis;
        EXPECT_EQ(Stanje::BrojPitanjaS, 0) << s.opis;
        for (QWidget* w : QApplication::topLevelWidgets())
            EXPECT_FALSE(w->objectName() == "Progres" && w->isVisible()) << s.opis;
    }
}

TEST_F(SituacijeTest, KomandaGlavnogProzoraIGreskaKodNovogTesta)
{
    Karuvel glavni;
    glavni.show();
    auto* mdi = glavni.findChild<QMdiArea*>();
    QAction* komanda = glavni.findChild<QAction*>("SituacijeP");
    ASSERT_TRUE(mdi && komanda);

    // The real content.
    Module1::PostaviIzvor({});
    komanda->trigger();
    ASSERT_EQ(mdi->subWindowList().size(), 1);
    auto* p = qobject_cast<Situacije*>(mdi->subWindowList().first()->widget());
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->Naslov()->text(), QStringLiteral("Pitanja sa slikama za sve kategorije"));
    EXPECT_TRUE(glavni.isMaximized());
    EXPECT_EQ(p->Pozicija(), 5);
    for (int k = 1; k <= 5; ++k) {
        EXPECT_FALSE(Image(p, k, 0)->pixmap().isNull());
        EXPECT_EQ(Image(p, k, 0)->x(), Situacije::LevaIvica(Image(p, k, 0)->pixmap().width()));
    }
    for (QWidget* w : QApplication::topLevelWidgets())
        EXPECT_FALSE(w->objectName() == "Progres" && w->isVisible());

    // Opening again starts a new cycle.
    p->Command1_Click();
    EXPECT_EQ(p->Pozicija(), 10);
    komanda->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(mdi->subWindowList().size(), 1);
    p = qobject_cast<Situacije*>(mdi->subWindowList().first()->widget());
    EXPECT_EQ(p->Pozicija(), 5);

    // A picture that fails at "Nov TEST": the message, and the window closes.
    QList<QByteArray> zapisi;
    for (int q = 1; q <= 20; ++q)
        zapisi << Situacija(q, "Pitanje", 77);
    Fiksture::Izvori losi;
    losi.Postavi(3, zapisi);
    for (int i = 0; i < 4 && poruke.Primljene().isEmpty(); ++i) {
        p->Timer1_Timer();
        p->Command1_Click();
    }
    ASSERT_EQ(poruke.Primljene().size(), 1);
    EXPECT_TRUE(poruke.Primljene().first().contains("'77'"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(mdi->subWindowList().isEmpty());
    EXPECT_EQ(Stanje::BrojPitanjaS, 0);
}
