// The exam simulation window on the program's own content, a fixed seed and a clock the
// test moves: taking the exam by mouse and by keyboard, the outcome, and the countdown.
#include "GuiTest.h"
#include "content/Tekst.h"
#include "exam/Ispit.h"
#include "shell/Karuvel.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTimer>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr qint64 Minut = 60 * 1000;

class IspitTest : public GuiTest {
protected:
    void SetUp() override { Module1::PostaviIzvor({}); }

    std::unique_ptr<Ispit> Otvori(const QByteArray& kategorija = "B", int korak = 1000)
    {
        auto ispit = std::make_unique<Ispit>(kategorija, Seme(11), nullptr, [this] { return m_sada; }, korak);
        const Module1::Greska g = ispit->Ucitaj();
        EXPECT_FALSE(g) << g.opis.toStdString();
        ispit->resize(1000, 900);
        ispit->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(ispit.get()));
        return ispit;
    }

    // Answers the question shown, right or wrong, with the mouse or the keyboard.
    static void Odgovori(Ispit* ispit, bool tacno, bool tastaturom)
    {
        const int k = ispit->Tekuce();
        const TestIspita::Pitanje& p = ispit->Test().Pitanja()[std::size_t(k)];
        if (p.vrsta == VrstaPitanja::Raskrsnica) {
            QByteArray redosled = p.resenje;
            if (!tacno)
                std::reverse(redosled.begin(), redosled.end());
            auto* polje = Kontrola<QLineEdit>(ispit, "Redosled");
            ASSERT_TRUE(polje->isVisible());
            polje->setFocus();
            QTest::keyClicks(polje, QString::fromLatin1(redosled));
            return;
        }
        const int j = tacno ? p.tacan : (p.tacan + 1) % 3;
        if (tastaturom)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(Qt::Key_1 + j));
        else
            QTest::mouseClick(Kontrola<QRadioButton>(ispit, QStringLiteral("Odgovor%1").arg(j + 1)), Qt::LeftButton,
                {}, QPoint(8, 8));
    }

    // Answers every question in turn: odgovor(k) gives right (true), wrong (false) or none.
    static void Polazi(Ispit* ispit, const std::function<std::optional<bool>(int)>& odgovor, bool tastaturom)
    {
        const int broj = ispit->Test().Broj();
        for (int k = 0; k < broj; ++k) {
            ASSERT_EQ(ispit->Tekuce(), k);
            if (const std::optional<bool> tacno = odgovor(k))
                Odgovori(ispit, *tacno, tastaturom);
            if (k + 1 == broj)
                break;
            if (tastaturom)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown);
            else
                QTest::mouseClick(Kontrola<QPushButton>(ispit, "Sledece"), Qt::LeftButton);
        }
    }

    static QString Natpis(Ispit* ispit, const char* ime) { return Kontrola<QLabel>(ispit, ime)->text(); }
    static int Greske(Ispit* ispit) { return int(Kontrola<QWidget>(ispit, "ListaGresaka")->findChildren<QWidget*>(QRegularExpression("^Greska\\d+$")).size()); }

    qint64 m_sada = 0;
};

TEST_F(IspitTest, AllRightByKeyboardPassesWithFullPoints)
{
    auto ispit = Otvori();
    EXPECT_EQ(ispit->Test().Broj(), 41);
    EXPECT_EQ(Natpis(ispit.get(), "Vreme"), "Preostalo vreme: 45:00");
    Polazi(ispit.get(), [](int) { return true; }, true);
    for (int k = 0; k < ispit->Test().Broj(); ++k)
        EXPECT_TRUE(Kontrola<QPushButton>(ispit.get(), QStringLiteral("Broj%1").arg(k + 1))->accessibleName().endsWith("odgovoreno"));
    QTest::mouseClick(Kontrola<QPushButton>(ispit.get(), "Zavrsi"), Qt::LeftButton);

    EXPECT_EQ(Natpis(ispit.get(), "Poeni"), "Osvojeno 85 od 85 poena");
    EXPECT_EQ(Natpis(ispit.get(), "Prolaz"), "Za prolaz je potrebno 73 poena (85 %)");
    EXPECT_EQ(Natpis(ispit.get(), "Ocena"), QStringLiteral("Položio"));
    EXPECT_TRUE(Kontrola<QWidget>(ispit.get(), "Ocena")->isVisible());
    EXPECT_EQ(Greske(ispit.get()), 0);
    EXPECT_FALSE(Kontrola<QTimer>(ispit.get(), "Odbrojavanje")->isActive());
}

TEST_F(IspitTest, AllWrongByMouseFailsWithZeroAndReviewsEveryMistake)
{
    auto ispit = Otvori();
    Polazi(ispit.get(), [](int) { return false; }, false);
    QTest::mouseClick(Kontrola<QPushButton>(ispit.get(), "Zavrsi"), Qt::LeftButton);

    EXPECT_EQ(Natpis(ispit.get(), "Poeni"), "Osvojeno 0 od 85 poena");
    EXPECT_EQ(Natpis(ispit.get(), "Ocena"), QStringLiteral("Nije položio"));
    ASSERT_EQ(Greske(ispit.get()), 41);
    // Every mistake shows the candidate's answer and the right one, and its picture.
    const TestIspita& test = ispit->Test();
    for (int k = 0; k < test.Broj(); ++k) {
        SCOPED_TRACE(k);
        const TestIspita::Pitanje& p = test.Pitanja()[std::size_t(k)];
        auto* greska = Kontrola<QWidget>(ispit.get(), QStringLiteral("Greska%1").arg(k + 1));
        ASSERT_NE(greska, nullptr);
        const QString vas = Kontrola<QLabel>(greska, "VasOdgovor")->text();
        const QString tacan = Kontrola<QLabel>(greska, "TacanOdgovor")->text();
        if (p.vrsta == VrstaPitanja::Raskrsnica) {
            QByteArray obrnuto = p.resenje;
            std::reverse(obrnuto.begin(), obrnuto.end());
            EXPECT_EQ(vas, QStringLiteral("Vaš odgovor: ") + QString::fromLatin1(obrnuto));
            EXPECT_EQ(tacan, QStringLiteral("Tačan odgovor: ") + QString::fromLatin1(p.resenje));
        } else {
            EXPECT_EQ(vas, QStringLiteral("Vaš odgovor: ") + Tekst::izCp1250(p.odgovori[std::size_t((p.tacan + 1) % 3)]));
            EXPECT_EQ(tacan, QStringLiteral("Tačan odgovor: ") + Tekst::izCp1250(p.odgovori[std::size_t(p.tacan)]));
        }
        auto* slika = greska->findChild<QLabel*>("Slika");
        EXPECT_EQ(slika != nullptr, p.slika != 0);
        if (slika) {
            EXPECT_FALSE(slika->pixmap().isNull());
        }
    }
}

// B: 30 theory questions worth 2, 5 situations worth 3, 2 intersections worth 3, 4 signs
// worth 1. Right: theory 1..10 (20), every situation (15), signs 1 and 3 (2); the
// intersections wrong, the other questions left open.
TEST_F(IspitTest, MixedAnswersScoreTheExactPoints)
{
    auto ispit = Otvori();
    Polazi(ispit.get(), [](int k) -> std::optional<bool> {
        if (k < 10 || (k >= 30 && k < 35) || k == 37 || k == 39)
            return true;
        if (k == 35 || k == 36)
            return false;
        return std::nullopt;
    }, false);
    // The overview tells the open questions from the answered ones.
    EXPECT_TRUE(Kontrola<QPushButton>(ispit.get(), "Broj11")->accessibleName().endsWith("bez odgovora"));
    EXPECT_TRUE(Kontrola<QPushButton>(ispit.get(), "Broj36")->accessibleName().endsWith(", odgovoreno"));
    EXPECT_NE(Kontrola<QPushButton>(ispit.get(), "Broj11")->styleSheet(), Kontrola<QPushButton>(ispit.get(), "Broj36")->styleSheet());

    // Back to an open question through the overview, and answered there.
    QTest::mouseClick(Kontrola<QPushButton>(ispit.get(), "Broj11"), Qt::LeftButton);
    EXPECT_EQ(ispit->Tekuce(), 10);
    Odgovori(ispit.get(), false, false);
    QTest::mouseClick(Kontrola<QPushButton>(ispit.get(), "Zavrsi"), Qt::LeftButton);

    EXPECT_EQ(Natpis(ispit.get(), "Poeni"), "Osvojeno 37 od 85 poena");
    EXPECT_EQ(Natpis(ispit.get(), "Ocena"), QStringLiteral("Nije položio"));
    EXPECT_EQ(Greske(ispit.get()), 41 - 10 - 5 - 2);
    EXPECT_EQ(Kontrola<QLabel>(Kontrola<QWidget>(ispit.get(), "Greska12"), "VasOdgovor")->text(), "Vaš odgovor: bez odgovora");
}

TEST_F(IspitTest, TheTimeRunningOutEndsTheExamAsItStands)
{
    auto ispit = Otvori("B", 20);
    auto* odbrojavanje = Kontrola<QTimer>(ispit.get(), "Odbrojavanje");
    EXPECT_TRUE(odbrojavanje->isActive());
    EXPECT_EQ(odbrojavanje->interval(), 20);

    // Three theory questions right.
    for (int k = 0; k < 3; ++k) {
        Odgovori(ispit.get(), true, false);
        QTest::mouseClick(Kontrola<QPushButton>(ispit.get(), "Sledece"), Qt::LeftButton);
    }
    m_sada = Minut + 500;
    EXPECT_TRUE(QTest::qWaitFor([&] { return Natpis(ispit.get(), "Vreme") == "Preostalo vreme: 44:00"; }, 3000))
        << Natpis(ispit.get(), "Vreme").toStdString();

    // Hidden, the countdown rests; shown again, it goes on.
    ispit->hide();
    EXPECT_FALSE(odbrojavanje->isActive());
    ispit->show();
    EXPECT_TRUE(odbrojavanje->isActive());

    m_sada = 45 * Minut;
    EXPECT_TRUE(QTest::qWaitFor([&] { return ispit->Test().Zavrsen(); }, 3000)) << "the time never ran out";
    EXPECT_EQ(Natpis(ispit.get(), "Ocena"), QStringLiteral("Nije položio"));
    EXPECT_EQ(Natpis(ispit.get(), "Vreme"), "Preostalo vreme: 00:00");
    EXPECT_EQ(Natpis(ispit.get(), "Poeni"), "Osvojeno 6 od 85 poena");
    EXPECT_FALSE(odbrojavanje->isActive());
    EXPECT_TRUE(ispit->Test().Zavrsen());
}

TEST_F(IspitTest, KeyboardMovesChoosesAndEveryControlHasAName)
{
    auto ispit = Otvori("T");
    EXPECT_EQ(ispit->Test().Broj(), 31);
    auto* prvi = Kontrola<QRadioButton>(ispit.get(), "Odgovor1");
    QTest::keyClick(prvi, Qt::Key_Right);
    EXPECT_EQ(ispit->Tekuce(), 1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
    EXPECT_EQ(ispit->Tekuce(), 0);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp);  // nothing before the first
    EXPECT_EQ(ispit->Tekuce(), 0);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_3);
    EXPECT_EQ(ispit->Test().Izabran(0), 2);
    EXPECT_TRUE(Kontrola<QRadioButton>(ispit.get(), "Odgovor3")->isChecked());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_2);  // changed
    EXPECT_EQ(ispit->Test().Izabran(0), 1);

    // Tab goes from the answers to the buttons and on to the overview.
    QWidget* w = Kontrola<QRadioButton>(ispit.get(), "Odgovor3");
    for (const char* ime : { "Redosled", "Prethodno", "Sledece", "Zavrsi", "Broj1", "Broj2" }) {
        w = w->nextInFocusChain();
        EXPECT_EQ(w->objectName(), ime);
    }
    for (QWidget* kontrola : ispit->findChildren<QWidget*>()) {
        if (qobject_cast<QAbstractButton*>(kontrola) || qobject_cast<QLineEdit*>(kontrola)) {
            EXPECT_FALSE(kontrola->accessibleName().isEmpty()) << kontrola->objectName().toStdString();
        }
    }
}

TEST_F(IspitTest, TheMenuOpensTheExamOfEachCategoryInTheMainWindow)
{
    Karuvel glavni { Seme() };
    glavni.show();
    struct Slucaj {
        const char* stavka;
        const char* naslov;
        int pitanja;
    };
    for (const Slucaj& s : { Slucaj { "IspitB", "Ispit za 'B' kategoriju", 41 }, Slucaj { "IspitCD", "Ispit za 'C' i 'D' kategoriju", 41 },
             Slucaj { "IspitT", "Ispit za traktor", 31 } }) {
        SCOPED_TRACE(s.stavka);
        glavni.findChild<QAction*>(s.stavka)->trigger();
        QMdiSubWindow* pod = glavni.Povrsina()->activeSubWindow();
        ASSERT_NE(pod, nullptr);
        auto* ispit = qobject_cast<Ispit*>(pod->widget());
        ASSERT_NE(ispit, nullptr);
        EXPECT_EQ(ispit->Naslov()->text(), s.naslov);
        EXPECT_EQ(ispit->Test().Broj(), s.pitanja);
        EXPECT_TRUE(Kontrola<QTimer>(ispit, "Odbrojavanje")->isActive());
        EXPECT_EQ(glavni.Povrsina()->subWindowList().size(), 1);
    }
    glavni.ZatvoriOstale();
    EXPECT_TRUE(poruke.Primljene().isEmpty());
}

}  // namespace
