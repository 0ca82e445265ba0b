// Every test window used without a mouse and as a screen reader sees it: each kind of test
// taken from opening to "Provera" and "Nov TEST" with key events alone, the accessibility
// tree of every window before and after "Provera", and the states that are not told by
// colour alone.
#include "GlavniTest.h"
#include "intersections/Raskrsnice.h"
#include "shell/Karuvel.h"
#include "signs/ZnakoviTest.h"
#include "widgets/Izgled.h"
#include "widgets/Panel.h"
#include "widgets/PitanjeOkvir.h"
#include "widgets/ProzorPitanja.h"
#include "widgets/Uvelicanje.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>

namespace {

// One node of the accessibility tree as a reader gets it.
struct Cvor {
    QAccessible::Role uloga {};
    QString ime;
    QString opis;
    QAccessible::State stanje;
};

// The whole tree under the window, by the objectName of each node's control. Walking by
// child() is the point: a control a reader cannot reach is not in the map.
std::map<QString, Cvor> Stablo(QWidget* prozor)
{
    std::map<QString, Cvor> cvorovi;
    std::function<void(QAccessibleInterface*)> obidji = [&](QAccessibleInterface* i) {
        if (!i || !i->isValid())
            return;
        if (QObject* o = i->object(); o && !o->objectName().isEmpty())
            cvorovi[o->objectName()] = { i->role(), i->text(QAccessible::Name), i->text(QAccessible::Description), i->state() };
        for (int c = 0; c < i->childCount(); ++c)
            obidji(i->child(c));
    };
    obidji(QAccessible::queryAccessibleInterface(prozor));
    return cvorovi;
}

double Osvetljenost(const QColor& c)
{
    auto kanal = [](double v) {
        v /= 255.0;
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * kanal(c.red()) + 0.7152 * kanal(c.green()) + 0.0722 * kanal(c.blue());
}

double Kontrast(const QColor& a, const QColor& b)
{
    const double la = Osvetljenost(a), lb = Osvetljenost(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

class Pristupacnost : public GlavniTest {
protected:
    void SetUp() override
    {
        NapraviGlavni();
        ASSERT_TRUE(QTest::qWaitForWindowActive(glavni));
    }

    // Opens an activity by its menu item; the window of the activity.
    template <class T>
    T* Otvori(const char* stavka)
    {
        T* prozor = OtvoriAktivnost<T>(stavka);
        Aktiviraj();
        return prozor;
    }

    // The offscreen platform lets the progress window take the activation though it is
    // shown without activating; a desktop leaves it with the main window.
    void Aktiviraj()
    {
        QApplication::setActiveWindow(glavni);
        EXPECT_TRUE(QTest::qWaitForWindowActive(glavni));
    }

    // One key to whatever holds the keyboard focus, as the keyboard would send it.
    static void Taster(int taster, Qt::KeyboardModifiers mod = Qt::NoModifier)
    {
        QWidget* fokus = QApplication::focusWidget();
        ASSERT_TRUE(fokus) << "nothing has the keyboard focus";
        QTest::keyClick(fokus, Qt::Key(taster), mod);
    }

    // Tab (or Shift+Tab) until cilj has the focus; fails after a whole round.
    static void TabDo(QWidget* cilj, bool nazad = false)
    {
        for (int i = 0; i < 80 && QApplication::focusWidget() != cilj; ++i)
            Taster(nazad ? Qt::Key_Backtab : Qt::Key_Tab, nazad ? Qt::ShiftModifier : Qt::NoModifier);
        ASSERT_EQ(QApplication::focusWidget(), cilj) << "Tab never reaches " << cilj->objectName().toStdString();
    }
};

// --- keyboard ---

// How each question of a test is answered: the keys, and the answer they choose.
struct Nacin {
    std::vector<std::pair<int, Qt::KeyboardModifiers>> tasteri;
    int odgovor;
};

const std::vector<Nacin>& Nacini()
{
    static const std::vector<Nacin> n {
        { { { Qt::Key_1, Qt::NoModifier } }, 1 },
        { { { Qt::Key_3, Qt::KeypadModifier } }, 3 },
        { { { Qt::Key_Down, Qt::NoModifier }, { Qt::Key_Return, Qt::NoModifier } }, 2 },
        { { { Qt::Key_Down, Qt::NoModifier }, { Qt::Key_Down, Qt::NoModifier }, { Qt::Key_Space, Qt::NoModifier } }, 3 },
        { { { Qt::Key_Right, Qt::NoModifier }, { Qt::Key_Up, Qt::NoModifier }, { Qt::Key_Enter, Qt::KeypadModifier } }, 1 },
        { { { Qt::Key_2, Qt::KeypadModifier } }, 2 },
        { { { Qt::Key_Down, Qt::NoModifier }, { Qt::Key_Down, Qt::NoModifier }, { Qt::Key_Down, Qt::NoModifier }, { Qt::Key_Return, Qt::NoModifier } }, 3 },
    };
    return n;
}

class PitanjaTastaturom : public Pristupacnost, public ::testing::WithParamInterface<const char*> {};

TEST_P(PitanjaTastaturom, TheWholeTestByKeysAlone)
{
    auto* p = Otvori<ProzorPitanja>(GetParam());
    ASSERT_TRUE(p);
    ASSERT_EQ(QApplication::focusWidget(), p->Ploca()->VScroll1());
    QWidget* pogled = p->Ploca()->Picture1();

    for (int k = 1; k <= p->BrojOkvira(); ++k) {
        SCOPED_TRACE(k);
        PitanjeOkvir* okvir = p->Okvir(k);
        Taster(Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), okvir);
        // The panel has brought the whole frame into view.
        const QRect uPogledu(okvir->mapTo(pogled, QPoint(0, 0)), okvir->size());
        EXPECT_TRUE(pogled->rect().contains(uPogledu)) << uPogledu.y() << " in " << pogled->height();

        const Nacin& n = Nacini()[std::size_t(k - 1) % Nacini().size()];
        for (const auto& [taster, mod] : n.tasteri)
            Taster(taster, mod);
        EXPECT_EQ(p->Test().Izabran(k - 1), n.odgovor - 1) << "the keys did not reach the test";
        EXPECT_EQ(okvir->Izabran(), n.odgovor);
        for (int j = 1; j <= 3; ++j) {
            EXPECT_FALSE(okvir->Label(j)->isEnabled());
            EXPECT_EQ(PitanjeOkvir::Pozadina(okvir->Label(j)) == PitanjeOkvir::BojaIzabranog, j == n.odgovor);
        }
        // A locked question takes no second answer.
        Taster(Qt::Key_1);
        EXPECT_EQ(p->Test().Izabran(k - 1), n.odgovor - 1);
    }
    // Shift+Tab walks back.
    Taster(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), p->Okvir(p->BrojOkvira() - 1));

    EXPECT_FALSE(p->Test().Provereno());
    Taster(Qt::Key_F5);
    EXPECT_TRUE(p->Test().Provereno());
    EXPECT_TRUE(p->Okvir(1)->Image(1)->isVisible());

    Taster(Qt::Key_F6);
    Aktiviraj();
    EXPECT_FALSE(p->Test().Provereno());
    for (int k = 1; k <= p->BrojOkvira(); ++k) {
        EXPECT_FALSE(p->Test().Izabran(k - 1));
        EXPECT_TRUE(p->Okvir(k)->Label(1)->isEnabled());
    }
    EXPECT_EQ(QApplication::focusWidget(), p->Ploca()->VScroll1());
    // The new test answers by keys again.
    Taster(Qt::Key_Tab);
    Taster(Qt::Key_2);
    EXPECT_EQ(p->Test().Izabran(0), 1);
}

INSTANTIATE_TEST_SUITE_P(TeorijaISituacije, PitanjaTastaturom, ::testing::Values("TeorijaB", "SituacijeP"),
    [](const auto& info) { return std::string(info.param); });

TEST_F(Pristupacnost, TheButtonsNameTheirKeysAndEnterClicksAFocusedButton)
{
    auto* p = Otvori<ProzorPitanja>("TeorijaT");
    ASSERT_TRUE(p);
    auto* provera = Kontrola<QPushButton>(p, QStringLiteral("Command4"));
    auto* novTest = Kontrola<QPushButton>(p, QStringLiteral("Command1"));
    EXPECT_EQ(provera->text(), QStringLiteral("Provera"));
    EXPECT_EQ(novTest->text(), QStringLiteral("Nov TEST"));
    EXPECT_TRUE(provera->toolTip().contains(QStringLiteral("F5")));
    EXPECT_TRUE(novTest->toolTip().contains(QStringLiteral("F6")));
    for (QAction* a : glavni->findChildren<QAction*>()) {
        if (!a->objectName().isEmpty()) {  // the program's menu items
            EXPECT_TRUE(a->shortcut().isEmpty()) << a->objectName().toStdString();
        }
    }

    TabDo(provera, true);
    Taster(Qt::Key_Return);
    EXPECT_TRUE(p->Test().Provereno());
}

TEST_F(Pristupacnost, TheSignTestByKeysAlone)
{
    auto* z = Otvori<ZnakoviTest>("TestSaZnakovima");
    ASSERT_TRUE(z);
    const TestZnakova& t = z->Test();
    std::vector<int> sa;
    for (int j = 1; j <= 10; ++j)
        if (!t.Tacno(j - 1).isEmpty())
            sa.push_back(j);
    ASSERT_GE(sa.size(), 2u);
    const int saOpisom = sa[0], drugi = sa[1];
    auto polje = [&](int j) { return Kontrola<QLineEdit>(z, QStringLiteral("Text3_%1").arg(j)); };

    EXPECT_EQ(QApplication::focusWidget(), Kontrola<QLineEdit>(z, QStringLiteral("Text3_1")));
    // A number typed into a box.
    TabDo(polje(saOpisom));
    Taster(Qt::Key_0 + t.Tacno(saOpisom - 1).toInt());
    EXPECT_EQ(t.Upisano(saOpisom - 1), t.Tacno(saOpisom - 1));
    EXPECT_TRUE(polje(saOpisom)->isReadOnly());

    // An option chosen with Space, then placed with Enter; Space on an empty box without a
    // selection writes nothing.
    TabDo(polje(drugi));
    Taster(Qt::Key_Space);
    EXPECT_TRUE(t.Upisano(drugi - 1).isEmpty());
    EXPECT_TRUE(polje(drugi)->text().isEmpty());
    const int opcija = t.Tacno(drugi - 1).toInt();
    auto* broj = Kontrola<QLabel>(z, QStringLiteral("Label1_%1").arg(opcija));
    TabDo(broj);
    Taster(Qt::Key_Space);
    EXPECT_EQ(z->Izabrano(), opcija);
    EXPECT_EQ(Izgled::Znak(broj), QStringLiteral("▶"));
    TabDo(polje(drugi), true);
    Taster(Qt::Key_Return);
    EXPECT_EQ(t.Upisano(drugi - 1), QString::number(opcija));
    EXPECT_EQ(z->Izabrano(), 0);

    Taster(Qt::Key_F5);
    EXPECT_TRUE(t.Provereno());
    EXPECT_EQ(Izgled::Znak(polje(saOpisom)), QStringLiteral("✓"));
    EXPECT_EQ(Izgled::Znak(polje(drugi)), QStringLiteral("✓"));
    for (int j = 1; j <= 10; ++j) {
        if (j != saOpisom && j != drugi) {
            EXPECT_EQ(Izgled::Znak(polje(j)), t.Tacno(j - 1).isEmpty() ? QStringLiteral("✓") : QStringLiteral("✗")) << j;
        }
    }
    Taster(Qt::Key_F6);
    EXPECT_FALSE(t.Provereno());
    for (int j = 1; j <= 10; ++j) {
        EXPECT_TRUE(polje(j)->text().isEmpty());
        EXPECT_TRUE(Izgled::Znak(polje(j)).isEmpty());
    }
}

TEST_F(Pristupacnost, TheIntersectionTestByKeysAlone)
{
    auto* r = Otvori<Raskrsnice>("RaskrsniceP");
    ASSERT_TRUE(r);
    const TestRaskrsnica& t = r->Test();
    auto dugme = [&](int f, int i) {
        return Kontrola<QPushButton>(r, QString(QLatin1String(f == 0 ? "Command2_%1" : "Command3_%1")).arg(i));
    };
    EXPECT_EQ(QApplication::focusWidget(), dugme(0, 1));

    // The first intersection by Tab and Space or Enter on its buttons, in the right order.
    const QByteArray prvo = t.Pitanje(0).resenje;
    for (int n = 0; n < prvo.size(); ++n) {
        TabDo(dugme(0, prvo[n] - '0'));
        Taster(n % 2 ? Qt::Key_Space : Qt::Key_Return);
    }
    EXPECT_EQ(t.Pitanje(0).uneto, prvo);
    // The second by typing digits: the first is complete, so they go to the second.
    const QByteArray drugo = t.Pitanje(1).resenje;
    QByteArray obrnuto = drugo;
    std::reverse(obrnuto.begin(), obrnuto.end());
    for (char c : obrnuto)
        Taster(Qt::Key_0 + (c - '0'), c % 2 ? Qt::KeypadModifier : Qt::NoModifier);
    EXPECT_EQ(t.Pitanje(1).uneto, obrnuto);

    Taster(Qt::Key_F5);
    EXPECT_TRUE(t.Provereno());
    for (int i = 1; i <= prvo.size(); ++i) {
        auto* odgovor = Kontrola<QLabel>(r, QStringLiteral("Label1_%1").arg(i));
        EXPECT_EQ(odgovor->lineWidth(), 1) << "a right position is marked wrong";
    }
    bool pogresno = false;
    for (int i = 1; i <= drugo.size(); ++i) {
        auto* odgovor = Kontrola<QLabel>(r, QStringLiteral("Label3_%1").arg(i));
        const bool tacno = obrnuto[i - 1] == drugo[i - 1];
        pogresno |= !tacno;
        EXPECT_EQ(odgovor->lineWidth() > 1, !tacno) << i;
    }
    EXPECT_TRUE(pogresno || drugo.size() < 2);

    Taster(Qt::Key_F6);
    EXPECT_FALSE(t.Provereno());
    EXPECT_TRUE(t.Pitanje(0).uneto.isEmpty());
}

TEST_F(Pristupacnost, EscClosesTheHelpWindowAndTheFocusIsDrawn)
{
    // The focus ring: a focused control differs from itself unfocused by a dark frame.
    auto* p = Otvori<ProzorPitanja>("TeorijaT");
    ASSERT_TRUE(p);
    QScrollBar* traka = p->Ploca()->VScroll1();
    ASSERT_TRUE(traka->hasFocus());
    const QImage saFokusom = traka->grab().toImage();
    Taster(Qt::Key_Tab);
    const QImage bezFokusa = traka->grab().toImage();
    EXPECT_EQ(qGray(saFokusom.pixel(0, traka->height() / 2)), 0);
    EXPECT_NE(saFokusom, bezFokusa);
    PitanjeOkvir* okvir = p->Okvir(1);
    ASSERT_TRUE(okvir->hasFocus());
    EXPECT_EQ(qGray(okvir->grab().toImage().pixel(0, okvir->height() / 2)), 0);
}

// --- screen reader ---

class Citac : public Pristupacnost, public ::testing::WithParamInterface<const char*> {};

TEST_P(Citac, QuestionsAnswersMarksAndPicturesAfterTheCheckAndNoAnswerBefore)
{
    auto* p = Otvori<ProzorPitanja>(GetParam());
    ASSERT_TRUE(p);
    const bool situacije = QLatin1String(GetParam()).startsWith(QLatin1String("Situacije"));
    QTest::mouseClick(p->Okvir(1)->Label(2), Qt::LeftButton);

    auto pregledaj = [&](bool provereno) {
        const auto stablo = Stablo(p);
        for (int k = 1; k <= p->BrojOkvira(); ++k) {
            SCOPED_TRACE(k);
            PitanjeOkvir* okvir = p->Okvir(k);
            const auto grupa = stablo.find(okvir->objectName());
            ASSERT_NE(grupa, stablo.end());
            EXPECT_EQ(grupa->second.uloga, QAccessible::Grouping);
            EXPECT_TRUE(grupa->second.ime.startsWith(QStringLiteral("Pitanje %1").arg(k)));
            EXPECT_TRUE(grupa->second.ime.contains(okvir->Label(0)->text()));
            for (int j = 1; j <= 3; ++j) {
                const auto o = stablo.find(okvir->Label(j)->objectName());
                ASSERT_NE(o, stablo.end());
                EXPECT_EQ(o->second.uloga, QAccessible::RadioButton);
                EXPECT_EQ(o->second.ime, okvir->Label(j)->text());
                EXPECT_TRUE(o->second.stanje.checkable);
                EXPECT_EQ(bool(o->second.stanje.checked), k == 1 && j == 2);
                EXPECT_EQ(bool(o->second.stanje.disabled), k == 1);
                const auto m = stablo.find(okvir->Image(j)->objectName());
                ASSERT_NE(m, stablo.end());
                const bool tacan = okvir->Image(j)->pixmap().toImage() == PitanjeOkvir::Tacno().toImage();
                const QString ocena = tacan ? PitanjeOkvir::TacanOdgovor : PitanjeOkvir::NetacanOdgovor;
                if (provereno) {
                    EXPECT_EQ(m->second.uloga, QAccessible::Graphic);
                    EXPECT_EQ(m->second.ime, ocena);
                    EXPECT_EQ(o->second.opis, ocena);
                } else {
                    // Nothing tells which answer is right.
                    EXPECT_EQ(m->second.ime, QStringLiteral("oznaka odgovora %1").arg(j));
                    EXPECT_TRUE(o->second.opis.isEmpty());
                }
            }
            if (situacije) {
                const auto s = stablo.find(QStringLiteral("Image%1_0").arg(k));
                ASSERT_NE(s, stablo.end());
                EXPECT_EQ(s->second.uloga, QAccessible::Graphic);
                EXPECT_TRUE(s->second.ime.startsWith(QStringLiteral("Slika situacije ")));
                EXPECT_EQ(s->second.opis, okvir->Label(0)->text());
            }
        }
        for (const auto& [ime, cvor] : stablo) {
            if (!provereno) {
                EXPECT_FALSE(cvor.ime.contains(QStringLiteral("tačan")) || cvor.opis.contains(QStringLiteral("tačan"))) << ime.toStdString();
            }
        }
    };
    pregledaj(false);
    Taster(Qt::Key_F5);
    pregledaj(true);
    Taster(Qt::Key_F6);
    QTest::mouseClick(p->Okvir(1)->Label(2), Qt::LeftButton);
    pregledaj(false);
}

INSTANTIATE_TEST_SUITE_P(TeorijaISituacije, Citac, ::testing::Values("TeorijaB", "SituacijeP"),
    [](const auto& info) { return std::string(info.param); });

TEST_F(Pristupacnost, AReaderChoosesAnAnswerByItsPressAction)
{
    auto* p = Otvori<ProzorPitanja>("TeorijaCD");
    ASSERT_TRUE(p);
    QAccessibleInterface* odgovor = QAccessible::queryAccessibleInterface(p->Okvir(3)->Label(3));
    ASSERT_TRUE(odgovor && odgovor->actionInterface());
    odgovor->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(p->Test().Izabran(2), 2);
    EXPECT_TRUE(odgovor->state().checked);
    EXPECT_TRUE(odgovor->state().disabled);
}

TEST_F(Pristupacnost, TheSignTestTreeHidesTheAnswersUntilTheCheck)
{
    auto* z = Otvori<ZnakoviTest>("TestSaZnakovima");
    ASSERT_TRUE(z);
    const TestZnakova& t = z->Test();
    for (const bool provereno : { false, true }) {
        SCOPED_TRACE(provereno);
        if (provereno)
            Taster(Qt::Key_F5);
        const auto stablo = Stablo(z);
        for (int j = 1; j <= 10; ++j) {
            const auto slika = stablo.find(QStringLiteral("Image1_%1").arg(j));
            ASSERT_NE(slika, stablo.end());
            EXPECT_EQ(slika->second.uloga, QAccessible::Graphic);
            const QString tacno = t.Tacno(j - 1);
            const QString ime = QStringLiteral("Znak %1").arg(j);
            if (provereno && !tacno.isEmpty())
                EXPECT_EQ(slika->second.ime, ime + QStringLiteral(": ") + Kontrola<QLabel>(z, QStringLiteral("Label2_%1").arg(tacno))->text());
            else
                EXPECT_EQ(slika->second.ime, ime);

            const auto polje = stablo.find(QStringLiteral("Text3_%1").arg(j));
            ASSERT_NE(polje, stablo.end());
            EXPECT_EQ(polje->second.uloga, QAccessible::EditableText);
            EXPECT_EQ(polje->second.ime, QStringLiteral("Broj opisa za znak %1").arg(j));
            EXPECT_EQ(polje->second.opis.isEmpty(), !provereno);

            const auto dugme = stablo.find(QStringLiteral("Command6_%1").arg(j));
            ASSERT_NE(dugme, stablo.end());
            if (!provereno) {
                EXPECT_TRUE(dugme->second.ime.isEmpty()) << "the answer of picture " << j << " is out";
            } else {
                EXPECT_FALSE(dugme->second.ime.isEmpty());
                if (!tacno.isEmpty()) {
                    EXPECT_TRUE(dugme->second.ime.endsWith(tacno));
                }
            }
        }
        for (int i = 1; i <= 8; ++i) {
            const auto opcija = stablo.find(QStringLiteral("Label1_%1").arg(i));
            ASSERT_NE(opcija, stablo.end());
            EXPECT_TRUE(opcija->second.ime.startsWith(QStringLiteral("Opis %1: ").arg(i)));
        }
    }
}

TEST_F(Pristupacnost, TheIntersectionTreeNamesPicturesButtonsAndVerdicts)
{
    auto* r = Otvori<Raskrsnice>("RaskrsniceP");
    ASSERT_TRUE(r);
    auto stablo = Stablo(r);
    for (int f = 0; f < 2; ++f) {
        const auto slika = stablo.find(f == 0 ? QStringLiteral("Image1") : QStringLiteral("Image2"));
        ASSERT_NE(slika, stablo.end());
        EXPECT_EQ(slika->second.uloga, QAccessible::Graphic);
        EXPECT_TRUE(slika->second.ime.startsWith(QStringLiteral("Raskrsnica %1, slika ").arg(f + 1)));
        EXPECT_FALSE(slika->second.opis.isEmpty());
        const auto dugme = stablo.find(QString(QLatin1String(f == 0 ? "Command2_1" : "Command3_1")));
        ASSERT_NE(dugme, stablo.end());
        EXPECT_EQ(dugme->second.uloga, QAccessible::Button);
        EXPECT_EQ(dugme->second.ime, QStringLiteral("Vozilo 1"));
    }
    for (const auto& [ime, cvor] : stablo)
        EXPECT_FALSE(cvor.opis.contains(QStringLiteral("tačan"))) << ime.toStdString();
    Taster(Qt::Key_F5);
    stablo = Stablo(r);
    const int n = r->Test().Pitanje(0).resenje.size();
    for (int i = 1; i <= n; ++i) {
        const auto o = stablo.find(QStringLiteral("Label1_%1").arg(i));
        ASSERT_NE(o, stablo.end());
        EXPECT_EQ(o->second.opis, QStringLiteral("netačan odgovor")) << "nothing was entered";
    }
}

// --- not by colour alone ---

TEST_F(Pristupacnost, TheChosenAnswerShowsInGreyAndTheTextsContrast)
{
    auto* p = Otvori<ProzorPitanja>("TeorijaB");
    ASSERT_TRUE(p);
    PitanjeOkvir* okvir = p->Okvir(1);
    QTest::mouseClick(okvir->Label(2), Qt::LeftButton);
    // In grey: the chosen answer's edge is dark where the others show their background.
    const QImage izabran = okvir->Label(2)->grab().toImage();
    const QImage drugi = okvir->Label(1)->grab().toImage();
    for (const int d : { 1, 2 }) {
        EXPECT_LT(qGray(izabran.pixel(d, izabran.height() / 2)), 64) << d;
        EXPECT_GT(qGray(drugi.pixel(d, drugi.height() / 2)), 192) << d;
    }

    // Text over every answer background, enabled and greyed, reads at 4.5:1 at least.
    for (const QColor& pozadina : { PitanjeOkvir::BojaOdgovora, PitanjeOkvir::BojaNovogTesta, PitanjeOkvir::BojaIzabranog }) {
        EXPECT_GE(Kontrast(PitanjeOkvir::BojaTeksta, pozadina), 4.5);
        EXPECT_GE(Kontrast(PitanjeOkvir::SivTekst, pozadina), 4.5);
    }
    const QPalette paleta = okvir->Label(1)->palette();
    EXPECT_EQ(paleta.color(QPalette::Disabled, QPalette::WindowText), PitanjeOkvir::SivTekst);
}

// --- zoom ---

TEST_F(Pristupacnost, CtrlPlusZoomsTheWholeWindowAndCtrlZeroRestoresTheDesignExactly)
{
    auto* p = Otvori<ProzorPitanja>("SituacijeP");
    ASSERT_TRUE(p);
    PitanjeOkvir* okvir = p->Okvir(2);
    QLabel* slika = Kontrola<QLabel>(p, QStringLiteral("Image2_0"));
    const QRect okvirDizajn = okvir->geometry(), odgovorDizajn = okvir->Label(1)->geometry();
    const QFont fontDizajn = okvir->Label(1)->font();
    const QSize slikaDizajn = slika->pixmap().size();
    const int maksimum = p->Ploca()->VScroll1()->maximum();
    const int pogled = p->Ploca()->Picture1()->height();

    for (int i = 0; i < 12; ++i)
        Taster(Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_EQ(p->Zum()->Procenat(), Uvelicanje::Najvise);
    EXPECT_EQ(okvir->geometry(), QRect(okvirDizajn.topLeft() * 2, okvirDizajn.size() * 2));
    EXPECT_EQ(okvir->Label(1)->geometry(), QRect(odgovorDizajn.topLeft() * 2, odgovorDizajn.size() * 2));
    EXPECT_DOUBLE_EQ(okvir->Label(1)->font().pointSizeF(), fontDizajn.pointSizeF() * 2);
    EXPECT_EQ(slika->pixmap().size(), slikaDizajn * 2);
    // The viewport keeps to the screen; the content grew, and so did the scroll range.
    EXPECT_EQ(p->Ploca()->Picture1()->height(), pogled);
    EXPECT_EQ(p->Ploca()->VScroll1()->maximum(), p->Ploca()->Frame1()->height() - pogled);
    EXPECT_GT(p->Ploca()->VScroll1()->maximum(), maksimum);

    // A new test is composed at the design size and shown zoomed.
    Taster(Qt::Key_F6);
    Aktiviraj();
    EXPECT_EQ(p->Zum()->Procenat(), Uvelicanje::Najvise);
    EXPECT_EQ(okvir->geometry().size(), okvirDizajn.size() * 2);

    Taster(Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(p->Zum()->Procenat(), 190);
    Taster(Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(p->Zum()->Procenat(), Uvelicanje::Najmanje);
    EXPECT_EQ(okvir->geometry(), okvirDizajn);
    EXPECT_EQ(okvir->Label(1)->geometry(), odgovorDizajn);
    EXPECT_EQ(okvir->Label(1)->font(), fontDizajn);
    EXPECT_EQ(p->Ploca()->VScroll1()->maximum(), maksimum);
    EXPECT_EQ(slika->pixmap().size().width() + 2, slika->width());
    EXPECT_EQ(Uvelicanje::Sacuvano(), Uvelicanje::Najmanje);
}

}  // namespace
