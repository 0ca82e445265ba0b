// The theory test window: what it shows of its test (questions, answer order, marks),
// answering, "Provera" and "Nov TEST", its layout, and its opening, failures and closing
// through the main window.
#include "theory/Teorija.h"

#include "GuiTest.h"
#include "content/Kriptovanje.h"
#include "content/Module1.h"
#include "content/Tekst.h"
#include "shell/Karuvel.h"
#include "widgets/Panel.h"
#include "widgets/PitanjeOkvir.h"

#include <QAbstractEventDispatcher>
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>
#include <set>

namespace {

const QColor Dizajn(192, 255, 192);
const QColor PosleNovogTesta(204, 255, 204);
const QColor Izabran(255, 255, 192);

// The correct stored answer of fixture question i.
int Tacan(int i) { return i % 3 + 1; }

// n questions of one category: question "<oznaka> pitanje <i> čćšžđ", answers
// "<oznaka> <i> odgovor <a>", correct answer Tacan(i).
QByteArray Pitanja(const QByteArray& kategorija, const QByteArray& oznaka, int n, qint16 prviKljuc)
{
    QByteArray b;
    for (int i = 1; i <= n; ++i) {
        const QByteArray broj = QByteArray::number(i);
        QList<QByteArray> polja { kategorija,
            oznaka + " pitanje " + broj + " " + *Tekst::uCp1250(QStringLiteral("čćšžđ")) };
        for (int a = 1; a <= 3; ++a)
            polja << oznaka + " " + broj + " odgovor " + QByteArray::number(a);
        polja << QByteArray::number(Tacan(i));
        b += Fiksture::Zapis(qint16(prviKljuc + i), polja);
    }
    return b;
}

// One question as the window shows it, read back from the labels' texts and the marks.
struct Prikazano {
    QString oznaka;
    int pitanje = 0;
    std::array<int, 3> odgovor {};  // stored answer number shown at position 1..3
    std::array<int, 3> oznaka_ {};  // 1 tick, 2 cross, 0 none
};

int Oznaka(const QLabel* slika)
{
    const QImage i = slika->pixmap().toImage();
    if (i.isNull())
        return 0;
    if (i == PitanjeOkvir::Tacno().toImage())
        return 1;
    if (i == PitanjeOkvir::Netacno().toImage())
        return 2;
    return -1;
}

std::vector<Prikazano> Procitaj(const Teorija& t)
{
    static const QRegularExpression pitanje(QStringLiteral("^(\\w+) pitanje (\\d+) čćšžđ$"));
    static const QRegularExpression odgovor(QStringLiteral("^(\\w+) (\\d+) odgovor (\\d)$"));
    std::vector<Prikazano> sve;
    for (int k = 1; k <= 10; ++k) {
        Prikazano p;
        const auto m = pitanje.match(t.Okvir(k)->Label(0)->text());
        EXPECT_TRUE(m.hasMatch()) << t.Okvir(k)->Label(0)->text().toStdString();
        p.oznaka = m.captured(1);
        p.pitanje = m.captured(2).toInt();
        for (int j = 1; j <= 3; ++j) {
            const auto o = odgovor.match(t.Okvir(k)->Label(j)->text());
            EXPECT_TRUE(o.hasMatch());
            EXPECT_EQ(o.captured(2).toInt(), p.pitanje) << "answer of another question";
            p.odgovor[std::size_t(j - 1)] = o.captured(3).toInt();
            p.oznaka_[std::size_t(j - 1)] = Oznaka(t.Okvir(k)->Image(j));
        }
        sve.push_back(p);
    }
    return sve;
}

std::set<int> Brojevi(const std::vector<Prikazano>& test)
{
    std::set<int> s;
    for (const Prikazano& p : test)
        s.insert(p.pitanje);
    return s;
}

class TeorijaTest : public GuiTest {
protected:
    void SetUp() override { PostaviBanku(); }

    // 25 "B", 20 "CD" and 12 "T" questions.
    void PostaviBanku()
    {
        izvori.Postavi(2, Fiksture::Dopuni(Pitanja("B", "B", 25, 100) + Pitanja("CD", "CD", 20, 200)
                              + Pitanja("T", "T", 12, 300)));
    }

    // Replaces the bank with one whose texts carry another mark, to tell a reload from
    // the rest of the previous draw.
    void NovaBanka()
    {
        izvori.Postavi(2, Fiksture::Dopuni(Pitanja("B", "Bnova", 25, 400) + Pitanja("T", "Tnova", 12, 500)));
    }

    // A window of its own on a fixed engine: loaded, then shown.
    std::unique_ptr<Teorija> Otvori(const QByteArray& kategorija, int broj, std::uint32_t seme = 7)
    {
        auto t = std::make_unique<Teorija>(kategorija, broj, Seme(seme));
        const Module1::Greska greska = t->Ucitaj();
        EXPECT_FALSE(greska) << greska.opis.toStdString();
        t->show();
        return t;
    }
};

TEST_F(TeorijaTest, FirstTestInDesignState)
{
    auto t = Otvori("B", 20);
    EXPECT_TRUE(poruke.Primljene().isEmpty());
    EXPECT_EQ(t->Pozicija(), 10);

    const auto test = Procitaj(*t);
    EXPECT_EQ(Brojevi(test).size(), 10u);
    const int vrhovi[] = { 0, 211, 419, 627, 839, 1050, 1261, 1473, 1684, 1895 };
    for (int k = 1; k <= 10; ++k) {
        auto* okvir = Kontrola<QGroupBox>(t.get(), QStringLiteral("Frame2_%1").arg(k - 1));
        ASSERT_TRUE(okvir);
        EXPECT_EQ(okvir->title(), QStringLiteral("Pitanje %1").arg(k));
        EXPECT_EQ(okvir->geometry(), QRect(0, vrhovi[k - 1], 765, 208));
        EXPECT_EQ(okvir->parentWidget(), t->Ploca()->Frame1());
        EXPECT_EQ(test[std::size_t(k - 1)].oznaka, QStringLiteral("B"));
        auto* pitanje = Kontrola<QLabel>(t.get(), QStringLiteral("Label%1_0").arg(k));
        ASSERT_TRUE(pitanje);
        EXPECT_EQ(pitanje->parentWidget(), okvir);
        EXPECT_EQ(pitanje->geometry(), QRect(10, 20, 747, 40));
        EXPECT_EQ(PitanjeOkvir::Pozadina(pitanje), QColor(255, 192, 192));
        EXPECT_TRUE(pitanje->wordWrap());
        for (int j = 1; j <= 3; ++j) {
            auto* odgovor = Kontrola<QLabel>(t.get(), QStringLiteral("Label%1_%2").arg(k).arg(j));
            auto* slika = Kontrola<QLabel>(t.get(), QStringLiteral("Image%1_%2").arg(k).arg(j));
            ASSERT_TRUE(odgovor && slika);
            EXPECT_EQ(odgovor->parentWidget(), okvir);
            EXPECT_EQ(odgovor->geometry(), QRect(43, 67 + 43 * (j - 1), 680, 40));
            EXPECT_EQ(slika->geometry(), QRect(10, 71 + 43 * (j - 1), 32, 32));
            EXPECT_EQ(PitanjeOkvir::Pozadina(odgovor), Dizajn);
            EXPECT_EQ(odgovor->palette().color(QPalette::WindowText), QColor(0, 0, 255));
            EXPECT_TRUE(odgovor->isEnabled());
            EXPECT_TRUE(odgovor->wordWrap());
            EXPECT_EQ(odgovor->cursor().shape(), Qt::PointingHandCursor);
            EXPECT_FALSE(slika->isVisible());
        }
    }
    for (const char* ime : { "Label0", "Command1", "Command4", "Picture1", "Frame1", "VScroll1",
             "Image0_1", "Image0_2" })
        Kontrola(t.get(), QLatin1String(ime));
    EXPECT_EQ(Kontrola<QPushButton>(t.get(), QStringLiteral("Command4"))->text(), QStringLiteral("Provera"));
    EXPECT_EQ(Kontrola<QPushButton>(t.get(), QStringLiteral("Command1"))->text(), QStringLiteral("Nov TEST"));
    EXPECT_EQ(Kontrola(t.get(), QStringLiteral("Frame1"))->height(), 2120);
    EXPECT_EQ(Kontrola(t.get(), QStringLiteral("VScroll1"))->geometry().top(), 55);
}

// "B": the second test takes the rest of the draw (no reload), the third draws anew from a
// freshly loaded bank. "T": every test is a new draw.
TEST_F(TeorijaTest, CyclesOfTheCategories)
{
    struct Slucaj {
        QByteArray kategorija;
        int broj;
        std::vector<QString> oznake;  // bank of tests 1, 2, 3 (after NovaBanka() past test 1)
    };
    const std::vector<Slucaj> slucajevi {
        { "B", 20, { "B", "B", "Bnova" } },
        { "T", 10, { "T", "Tnova", "Tnova" } },
    };
    for (const Slucaj& s : slucajevi) {
        PostaviBanku();
        auto t = Otvori(s.kategorija, s.broj);
        std::vector<std::vector<Prikazano>> testovi { Procitaj(*t) };
        NovaBanka();
        for (int i = 2; i <= 3; ++i) {
            QTest::mouseClick(Kontrola<QPushButton>(t.get(), QStringLiteral("Command1")), Qt::LeftButton);
            testovi.push_back(Procitaj(*t));
        }
        for (std::size_t i = 0; i < 3; ++i) {
            EXPECT_EQ(Brojevi(testovi[i]).size(), 10u);
            for (const Prikazano& p : testovi[i])
                EXPECT_EQ(p.oznaka, s.oznake[i]) << s.kategorija.data() << " test " << i + 1;
        }
        if (s.broj == 20) {
            std::set<int> oba = Brojevi(testovi[0]);
            oba.merge(Brojevi(testovi[1]));
            EXPECT_EQ(oba.size(), 20u) << "the second test repeats a question of the first";
            EXPECT_EQ(t->Pozicija(), 10);
        }
        EXPECT_TRUE(poruke.Primljene().isEmpty());
    }
}

// One answer order for the whole cycle; the tick follows the stored correct answer.
TEST_F(TeorijaTest, OneAnswerOrderPerCycleAndTheTickFollowsTheCorrectAnswer)
{
    std::set<std::array<int, 3>> redosledi;
    for (std::uint32_t seme = 1; seme <= 12; ++seme) {
        auto t = Otvori("B", 20, seme);
        auto ciklus = Procitaj(*t);
        t->NovTest();
        const auto drugi = Procitaj(*t);
        ciklus.insert(ciklus.end(), drugi.begin(), drugi.end());
        const std::array<int, 3> redosled = ciklus.front().odgovor;
        std::array<int, 3> sortiran = redosled;
        std::sort(sortiran.begin(), sortiran.end());
        EXPECT_EQ(sortiran, (std::array<int, 3> { 1, 2, 3 }));
        for (const Prikazano& p : ciklus) {
            EXPECT_EQ(p.odgovor, redosled) << "seed " << seme << ", question " << p.pitanje;
            for (std::size_t j = 0; j < 3; ++j)
                EXPECT_EQ(p.oznaka_[j], p.odgovor[j] == Tacan(p.pitanje) ? 1 : 2)
                    << "seed " << seme << ", question " << p.pitanje << ", position " << j + 1;
        }
        redosledi.insert(redosled);
    }
    EXPECT_GT(redosledi.size(), 2u) << "the draws never shuffled the answers";
}

TEST_F(TeorijaTest, ClickingAnswersLocksTheQuestion)
{
    auto t = Otvori("B", 20);
    PitanjeOkvir* okvir = t->Okvir(2);

    QTest::mouseClick(okvir->Label(0), Qt::LeftButton);
    for (int j = 1; j <= 3; ++j) {
        EXPECT_TRUE(okvir->Label(j)->isEnabled());
        EXPECT_EQ(PitanjeOkvir::Pozadina(okvir->Label(j)), Dizajn);
    }
    EXPECT_FALSE(t->Test().Izabran(1)) << "a click on the question chose an answer";

    QTest::mouseClick(okvir->Label(2), Qt::LeftButton);
    EXPECT_EQ(PitanjeOkvir::Pozadina(okvir->Label(2)), Izabran);
    for (int j = 1; j <= 3; ++j)
        EXPECT_FALSE(okvir->Label(j)->isEnabled());
    EXPECT_EQ(t->Test().Izabran(1), 1) << "the choice did not reach the test";

    // The other answers no longer react; the other questions stay open.
    QTest::mouseClick(okvir->Label(1), Qt::LeftButton);
    EXPECT_EQ(PitanjeOkvir::Pozadina(okvir->Label(1)), Dizajn);
    EXPECT_EQ(t->Test().Izabran(1), 1);
    for (int j = 1; j <= 3; ++j) {
        EXPECT_TRUE(t->Okvir(1)->Label(j)->isEnabled());
        EXPECT_FALSE(t->Okvir(2)->Image(j)->isVisible());
    }
    EXPECT_FALSE(t->Test().Izabran(0));
}

TEST_F(TeorijaTest, CheckThenNewTest)
{
    auto t = Otvori("B", 20);
    QTest::mouseClick(t->Okvir(1)->Label(3), Qt::LeftButton);
    QTest::mouseClick(Kontrola<QPushButton>(t.get(), QStringLiteral("Command4")), Qt::LeftButton);
    EXPECT_TRUE(t->Test().Provereno());
    for (int k = 1; k <= 10; ++k)
        for (int j = 1; j <= 3; ++j)
            EXPECT_TRUE(t->Okvir(k)->Image(j)->isVisible()) << k << "/" << j;

    // An open question is still answerable after the check; a second check changes nothing.
    QTest::mouseClick(t->Okvir(2)->Label(1), Qt::LeftButton);
    EXPECT_EQ(PitanjeOkvir::Pozadina(t->Okvir(2)->Label(1)), Izabran);
    EXPECT_FALSE(t->Okvir(2)->Label(3)->isEnabled());
    EXPECT_EQ(t->Test().Izabran(1), 0);
    t->Provera();
    EXPECT_EQ(PitanjeOkvir::Pozadina(t->Okvir(1)->Label(3)), Izabran);
    EXPECT_TRUE(t->Okvir(10)->Image(3)->isVisible());

    TestPomoc::Tocak(t.get(), -120);
    TestPomoc::Tocak(t.get(), -120);
    ASSERT_EQ(t->Ploca()->VScroll1()->value(), 240);
    QTest::mouseClick(Kontrola<QPushButton>(t.get(), QStringLiteral("Command1")), Qt::LeftButton);
    for (int k = 1; k <= 10; ++k) {
        for (int j = 1; j <= 3; ++j) {
            EXPECT_FALSE(t->Okvir(k)->Image(j)->isVisible());
            EXPECT_TRUE(t->Okvir(k)->Label(j)->isEnabled());
            EXPECT_EQ(PitanjeOkvir::Pozadina(t->Okvir(k)->Label(j)), PosleNovogTesta);
            EXPECT_GT(Oznaka(t->Okvir(k)->Image(j)), 0) << "the new test has no mark here";
        }
        EXPECT_FALSE(t->Test().Izabran(k - 1)) << "a choice of the last test survived";
    }
    EXPECT_FALSE(t->Test().Provereno());
    EXPECT_EQ(t->Ploca()->VScroll1()->value(), 0);
    EXPECT_EQ(t->Ploca()->Frame1()->y(), 0);
    EXPECT_EQ(t->focusWidget(), t->Ploca()->VScroll1());
}

TEST_F(TeorijaTest, WheelMovesThePanelAndNothingTicksWhileIdle)
{
    auto t = Otvori("T", 10);
    TestPomoc::Tocak(t.get(), -120);
    EXPECT_EQ(t->Ploca()->VScroll1()->value(), 120);
    EXPECT_EQ(t->Ploca()->Frame1()->y(), -120);
    TestPomoc::Tocak(t->Ploca()->VScroll1(), 120, Qt::ShiftModifier);
    EXPECT_EQ(t->Ploca()->VScroll1()->value(), 0);
    t->Provera();
    t->NovTest();
    QCoreApplication::processEvents();

    QList<QObject*> objekti = t->findChildren<QObject*>();
    objekti << t.get();
    for (QObject* o : objekti) {
        EXPECT_TRUE(QAbstractEventDispatcher::instance()->registeredTimers(o).isEmpty())
            << o->metaObject()->className() << " " << o->objectName().toStdString();
    }
}

// The load fails when the bank cannot be loaded or holds fewer questions than a cycle needs.
// The window tells nobody itself: it hands the failure to whoever opens it.
TEST_F(TeorijaTest, FailedLoadIsReported)
{
    struct Slucaj {
        const char* opis;
        QByteArray kategorija;
        int broj;
        bool bezResursa;
    };
    const std::vector<Slucaj> slucajevi {
        { "no resource", "B", 20, true },
        { "CD needs 20 of 15", "CD", 20, false },
        { "T needs 10 of 5", "T", 10, false },
    };
    for (const Slucaj& s : slucajevi) {
        izvori.Postavi(2, Fiksture::Dopuni(Pitanja("B", "B", 25, 100) + Pitanja("CD", "CD", 15, 200)
                              + Pitanja("T", "T", 5, 300)));
        if (s.bezResursa)
            izvori.Ukloni(2);
        Teorija t(s.kategorija, s.broj, Seme());
        const Module1::Greska greska = t.Ucitaj();
        ASSERT_TRUE(greska) << s.opis;
        EXPECT_TRUE(greska.ZaKorisnika().startsWith(Module1::PorukaGreske)) << s.opis;
        EXPECT_TRUE(poruke.Primljene().isEmpty()) << s.opis;
    }
}

// --- through the main window ---

class TeorijaUGlavnom : public TeorijaTest {
protected:
    void SetUp() override
    {
        TeorijaTest::SetUp();
        glavni = new Karuvel(Seme());  // closed, and so deleted, after the test
        glavni->setAttribute(Qt::WA_DeleteOnClose);
        glavni->show();
    }

    // Chooses the menu item of that objectName.
    void Izaberi(const char* stavka)
    {
        if (QAction* a = Kontrola<QAction>(glavni, QLatin1String(stavka)))
            a->trigger();
    }

    QList<Teorija*> Otvorene()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QList<Teorija*> t;
        for (QMdiSubWindow* w : glavni->Povrsina()->subWindowList())
            if (auto* teorija = qobject_cast<Teorija*>(w->widget()))
                t << teorija;
        return t;
    }

    Karuvel* glavni = nullptr;
};

TEST_F(TeorijaUGlavnom, OpeningMaximisesAndFocusesTheBar)
{
    glavni->showNormal();
    Izaberi("TeorijaCD");
    ASSERT_EQ(Otvorene().size(), 1);
    Teorija* t = Otvorene().front();
    EXPECT_EQ(Kontrola<QLabel>(t, QStringLiteral("Label0"))->text(),
        QStringLiteral("Teoretska pitanja za 'C' i 'D' kategoriju"));
    EXPECT_TRUE(glavni->windowState() & Qt::WindowMaximized);
    EXPECT_EQ(t->focusWidget(), t->Ploca()->VScroll1());
    EXPECT_EQ(Procitaj(*t).front().oznaka, QStringLiteral("CD"));
}

TEST_F(TeorijaUGlavnom, ReopeningStartsANewCycleAndSwitchingReloads)
{
    Izaberi("TeorijaB");
    ASSERT_EQ(Otvorene().size(), 1);
    NovaBanka();
    Izaberi("TeorijaB");  // not the second half of the old draw: a new load
    ASSERT_EQ(Otvorene().size(), 1);
    EXPECT_EQ(Otvorene().front()->Pozicija(), 10);
    EXPECT_EQ(Procitaj(*Otvorene().front()).front().oznaka, QStringLiteral("Bnova"));

    Izaberi("TeorijaT");
    ASSERT_EQ(Otvorene().size(), 1);
    Teorija* t = Otvorene().front();
    EXPECT_EQ(t->Test().BrojPitanja(), 10);
    EXPECT_EQ(Kontrola<QLabel>(t, QStringLiteral("Label0"))->text(),
        QStringLiteral("Teoretska pitanja za kandidate koji polažu za traktor"));
    for (const Prikazano& p : Procitaj(*t))
        EXPECT_EQ(p.oznaka, QStringLiteral("Tnova"));
    EXPECT_TRUE(poruke.Primljene().isEmpty());
}

// Closing the window ends its cycle: the next opening loads and draws anew.
TEST_F(TeorijaUGlavnom, ClosingEndsTheCycle)
{
    Izaberi("TeorijaB");
    ASSERT_EQ(Otvorene().size(), 1);
    QPointer<Teorija> stara = Otvorene().front();
    ASSERT_EQ(stara->Pozicija(), 10);
    glavni->Povrsina()->subWindowList().front()->close();
    EXPECT_TRUE(Otvorene().isEmpty());
    EXPECT_TRUE(stara.isNull()) << "the closed window lives on";

    NovaBanka();
    Izaberi("TeorijaB");
    ASSERT_EQ(Otvorene().size(), 1);
    EXPECT_EQ(Otvorene().front()->Pozicija(), 10);
    for (const Prikazano& p : Procitaj(*Otvorene().front()))
        EXPECT_EQ(p.oznaka, QStringLiteral("Bnova"));
}

TEST_F(TeorijaUGlavnom, FailuresLeaveTheMainWindowUsable)
{
    izvori.Ukloni(2);
    Izaberi("TeorijaB");
    ASSERT_EQ(poruke.Primljene().size(), 1);
    EXPECT_TRUE(poruke.Primljene().front().startsWith(Module1::PorukaGreske));
    EXPECT_TRUE(Otvorene().isEmpty());
    EXPECT_TRUE(glavni->Povrsina()->subWindowList().isEmpty()) << "the failed window stayed";

    // A later failure: the bank disappears while a test is open. The second test still comes
    // from the draw; the third needs a load, fails, and the window closes itself.
    PostaviBanku();
    Izaberi("TeorijaB");
    ASSERT_EQ(Otvorene().size(), 1);
    QPointer<Teorija> t = Otvorene().front();
    izvori.Ukloni(2);
    QPushButton* nov = Kontrola<QPushButton>(t, QStringLiteral("Command1"));
    QTest::mouseClick(nov, Qt::LeftButton);
    EXPECT_EQ(poruke.Primljene().size(), 1);
    ASSERT_EQ(Otvorene().size(), 1);
    QTest::mouseClick(nov, Qt::LeftButton);
    ASSERT_EQ(poruke.Primljene().size(), 2);
    EXPECT_TRUE(poruke.Primljene().last().startsWith(Module1::PorukaGreske));
    EXPECT_TRUE(Otvorene().isEmpty());
    EXPECT_TRUE(t.isNull()) << "the failed window lives on";

    PostaviBanku();
    Izaberi("TeorijaT");
    EXPECT_EQ(Otvorene().size(), 1);
}

// Every question and answer of the shipped theory bank fits its label in the window: at most
// as many wrapped lines as the label's height holds, so nothing is cut off at the bottom.
class TeorijaSadrzaj : public GuiTest {};

TEST_F(TeorijaSadrzaj, EveryShippedTextFitsItsLabel)
{
    Module1::PostaviIzvor({});  // the program's own banks
    Teorija prozor("B", 20, Seme());
    prozor.show();
    const PitanjeOkvir* okvir = prozor.Okvir(1);
    auto staje = [](QLabel* label, const QString& tekst) {
        label->setText(tekst);
        return label->heightForWidth(label->width()) <= label->height();
    };
    for (const QByteArray kategorija : { "B", "CD", "T" }) {
        const Module1::BankaPitanja banka = Module1::UcitajTeoriju(kategorija);
        ASSERT_FALSE(banka.greska) << banka.greska.opis.toStdString();
        ASSERT_FALSE(banka.zapisi.empty()) << kategorija.data();
        for (const Module1::Pitanje& z : banka.zapisi) {
            const QByteArray kljuc = Kriptovanje::KljucniTekst(z.kljuc);
            const QString pitanje = Tekst::izCp1250(Kriptovanje::Dekriptuj(kljuc, z.pitanje));
            EXPECT_TRUE(staje(okvir->Label(0), pitanje)) << kategorija.data() << ": " << pitanje.toStdString();
            // Any answer may stand in any of the three places.
            for (const QByteArray& o : z.odgovori) {
                const QString odgovor = Tekst::izCp1250(Kriptovanje::Dekriptuj(kljuc, o));
                for (int j = 1; j <= 3; ++j)
                    EXPECT_TRUE(staje(okvir->Label(j), odgovor))
                        << kategorija.data() << ", place " << j << ": " << odgovor.toStdString();
            }
        }
    }
}

}  // namespace
