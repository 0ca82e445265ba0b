// Progress through the main window: checks recorded in the store, "Ponovi greške", the
// progress window and its reset.
#include "GuiTest.h"
#include "intersections/Raskrsnice.h"
#include "exam/Ispit.h"
#include "napredak/Skladiste.h"
#include "shell/Karuvel.h"
#include "shell/NapredakProzor.h"
#include "signs/ZnakoviTest.h"
#include "theory/Teorija.h"
#include "widgets/Poruke.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <set>

namespace {

using Napredak::Banka;

// Theory keys: category B 1001..1020, CD 2001..2010 (stored correct answer always "1").
QByteArray TeorijaFiksture()
{
    QByteArray b;
    for (int i = 1; i <= 20; ++i)
        b += Fiksture::Zapis(qint16(1000 + i), {"B", "pitanje B" + QByteArray::number(i), "a", "b", "c", "1"});
    for (int i = 1; i <= 10; ++i)
        b += Fiksture::Zapis(qint16(2000 + i), {"CD", "pitanje CD" + QByteArray::number(i), "a", "b", "c", "1"});
    return Fiksture::Dopuni(b);
}

class NapredakTest : public GuiTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        izvori.Postavi(2, TeorijaFiksture());
        QByteArray znakovi;
        for (int i = 1; i <= 20; ++i)
            znakovi += Fiksture::Zapis(qint16(100 + i), {"1", "znak " + QByteArray::number(i), QByteArray::number(i)});
        izvori.Postavi(1, Fiksture::Dopuni(znakovi));
        izvori.Postavi(3, {Fiksture::Zapis(301, {"situacija", "a", "b", "c", "2", "1"})});
        izvori.Postavi(4, {Fiksture::Zapis(401, {"132", "1"}), Fiksture::Zapis(402, {"21", "2"})});
        skladiste = std::make_unique<Skladiste>(dir.filePath(QStringLiteral("napredak.sqlite")));
        ASSERT_TRUE(skladiste->Otvoreno());
        glavni = new Karuvel(Seme());  // deleted in TearDown
        glavni->PostaviNapredak(skladiste.get());
        glavni->show();
    }
    void TearDown() override
    {
        Poruke::PostaviUpit({});
        glavni->ZatvoriOstale();
        delete glavni;
        GuiTest::TearDown();
    }

    void Izaberi(const char* stavka)
    {
        if (QAction* a = Kontrola<QAction>(glavni, QLatin1String(stavka)))
            a->trigger();
    }

    template <class T>
    T* Otvoren()
    {
        for (QMdiSubWindow* w : glavni->Povrsina()->subWindowList())
            if (auto* p = qobject_cast<T*>(w->widget()); p && w->isVisible())
                return p;
        return nullptr;
    }

    // Answers question k (1-based) of a theory window with shown answer j (1..3).
    static void Odgovori(Teorija* t, int k, int j) { QTest::mouseClick(t->Okvir(k)->Label(j), Qt::LeftButton); }
    static void Proveri(Teorija* t)
    {
        QTest::mouseClick(Kontrola<QPushButton>(t, QStringLiteral("Command4")), Qt::LeftButton);
    }

    QTemporaryDir dir;
    std::unique_ptr<Skladiste> skladiste;
    Karuvel* glavni = nullptr;
};

TEST_F(NapredakTest, ACheckedTheoryTestRecordsEveryAnsweredQuestionOnce)
{
    Izaberi("TeorijaB");
    Teorija* t = Otvoren<Teorija>();
    ASSERT_NE(t, nullptr);
    const auto& pitanja = t->Test().Pitanja();
    // Question 1 right, question 2 wrong, the rest left open.
    Odgovori(t, 1, pitanja[0].tacan + 1);
    Odgovori(t, 2, (pitanja[1].tacan + 1) % 3 + 1);
    EXPECT_EQ(skladiste->BrojOdgovora(), 0) << "recorded before the check";
    Proveri(t);
    Proveri(t);  // a second check of the same test records nothing more
    using I = std::map<qint16, std::vector<bool>>;
    EXPECT_EQ(skladiste->Ishodi(Banka::Teorija), (I{{pitanja[0].kljuc, {true}}, {pitanja[1].kljuc, {false}}}));
    const auto rezultati = skladiste->Rezultati(Napredak::Aktivnost::Teorija, "B");
    ASSERT_EQ(rezultati.size(), 1u);
    EXPECT_EQ(rezultati[0].tacnih, 1);
    EXPECT_EQ(rezultati[0].ukupno, 2);
}

TEST_F(NapredakTest, SignAndIntersectionChecksAreRecordedToo)
{
    Izaberi("TestSaZnakovima");
    ZnakoviTest* z = Otvoren<ZnakoviTest>();
    ASSERT_NE(z, nullptr);
    QTest::mouseClick(Kontrola<QPushButton>(z, QStringLiteral("Command1")), Qt::LeftButton);
    ASSERT_TRUE(z->Test().Provereno());
    const auto znakovi = skladiste->Ishodi(Banka::Znakovi);
    // The boxes left empty under signs without a description are right answers; no box was filled.
    EXPECT_EQ(znakovi.size(), 2u);
    for (const auto& [kljuc, ishodi] : znakovi) {
        EXPECT_GE(kljuc, 101);
        EXPECT_LE(kljuc, 120);
        EXPECT_EQ(ishodi, std::vector<bool> {true});
    }

    Izaberi("RaskrsniceP");
    Raskrsnice* r = Otvoren<Raskrsnice>();
    ASSERT_NE(r, nullptr);
    // Vehicle 3 first at the first intersection: wrong in both fixtures; the second left open.
    QTest::mouseClick(Kontrola<QPushButton>(r, QStringLiteral("Command2_3")), Qt::LeftButton);
    QTest::mouseClick(Kontrola<QPushButton>(r, QStringLiteral("Command4")), Qt::LeftButton);
    const auto raskrsnice = skladiste->Ishodi(Banka::Raskrsnice);
    ASSERT_EQ(raskrsnice.size(), 1u);
    EXPECT_EQ(raskrsnice.begin()->first, r->Test().Pitanje(0).kljuc);
    EXPECT_EQ(raskrsnice.begin()->second, std::vector<bool> {false});
}

TEST_F(NapredakTest, RepeatingMistakesServesTheWeakQuestionsFirst)
{
    // Earlier: B 1003 wrong, 1005 right once, 1007 right twice, 1009 wrong then right twice.
    ASSERT_TRUE(skladiste->ZapisiProveru({Napredak::Aktivnost::Teorija, "B", {},
        {{Banka::Teorija, 1003, "2", false}, {Banka::Teorija, 1005, "1", true}, {Banka::Teorija, 1007, "1", true},
            {Banka::Teorija, 1009, "3", false}}}));
    ASSERT_TRUE(skladiste->ZapisiProveru({Napredak::Aktivnost::Teorija, "B", {},
        {{Banka::Teorija, 1007, "1", true}, {Banka::Teorija, 1009, "1", true}}}));
    ASSERT_TRUE(skladiste->ZapisiProveru({Napredak::Aktivnost::Teorija, "B", {}, {{Banka::Teorija, 1009, "1", true}}}));

    Izaberi("PonoviGreskeB");
    Teorija* t = Otvoren<Teorija>();
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(Kontrola<QLabel>(t, QStringLiteral("Label0"))->text(),
        QStringLiteral("Ponovi greške – \"B\" kategorija: 2 za ponavljanje, dopunjeno pitanjima koja još niste videli"));
    std::set<qint16> kljucevi;
    for (const auto& p : t->Test().Pitanja())
        kljucevi.insert(p.kljuc);
    EXPECT_EQ(kljucevi.size(), 10u);
    EXPECT_TRUE(kljucevi.count(1003));
    EXPECT_TRUE(kljucevi.count(1005));
    EXPECT_FALSE(kljucevi.count(1007)) << "learnt, and there are unseen questions to fill with";
    EXPECT_FALSE(kljucevi.count(1009));
    for (const qint16 k : kljucevi)
        EXPECT_TRUE(k > 1000 && k <= 1020) << "not a B question: " << k;

    // The same checking, recorded as theory of the category.
    const auto& pitanja = t->Test().Pitanja();
    for (int k = 1; k <= 10; ++k)
        Odgovori(t, k, pitanja[static_cast<std::size_t>(k - 1)].tacan + 1);
    Proveri(t);
    EXPECT_EQ(skladiste->Rezultati(Napredak::Aktivnost::Teorija, "B").back().tacnih, 10);

    // With nothing wrong, the heading says so.
    Izaberi("PonoviGreskeCD");
    t = Otvoren<Teorija>();
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(Kontrola<QLabel>(t, QStringLiteral("Label0"))->text(),
        QStringLiteral("Ponovi greške – \"C\" i \"D\" kategorija: nema grešaka za ponavljanje, ovo su pitanja koja još niste videli"));
}

TEST_F(NapredakTest, TheProgressWindowShowsTheStoreAndTheResetAsksFirst)
{
    ASSERT_TRUE(skladiste->ZapisiProveru({Napredak::Aktivnost::Teorija, "B", {},
        {{Banka::Teorija, 1003, "2", false}, {Banka::Teorija, 1005, "1", true}, {Banka::Teorija, 1003, "3", false}}}));
    glavni->ZapisiIspit({"B", 70, 120, false, {}, {{Banka::Situacije, 301, "2", true}}});

    Izaberi("NapredakPregled");
    NapredakProzor* n = Otvoren<NapredakProzor>();
    ASSERT_NE(n, nullptr) << poruke.Primljene().join(QLatin1Char('|')).toStdString();
    auto* tabela = Kontrola<QTableWidget>(n, QStringLiteral("Tabela"));
    ASSERT_NE(tabela, nullptr);
    ASSERT_EQ(tabela->rowCount(), 7);
    EXPECT_EQ(tabela->verticalHeaderItem(0)->text(), QStringLiteral("Teorija – \"B\""));
    EXPECT_EQ(tabela->item(0, 0)->text(), QStringLiteral("2 od 20"));
    EXPECT_EQ(tabela->item(0, 1)->text(), QStringLiteral("18"));
    EXPECT_EQ(tabela->item(0, 2)->text(), QStringLiteral("33 %"));
    EXPECT_EQ(tabela->item(0, 3)->text(), QStringLiteral("2"));
    EXPECT_TRUE(tabela->item(0, 4)->text().startsWith(QStringLiteral("2× pitanje B3"))) << tabela->item(0, 4)->text().toStdString();
    EXPECT_EQ(tabela->item(1, 0)->text(), QStringLiteral("0 od 10"));
    EXPECT_EQ(tabela->item(3, 0)->text(), QStringLiteral("1 od 1")) << "the exam's answer counts for its question";
    EXPECT_EQ(tabela->item(6, 0)->text(), QStringLiteral("1 ispita"));

    // "No" keeps everything.
    QStringList pitanja;
    Poruke::PostaviUpit([&pitanja](QWidget*, const QString& tekst) { pitanja << tekst; return false; });
    QTest::mouseClick(Kontrola<QPushButton>(n, QStringLiteral("Obrisi")), Qt::LeftButton);
    ASSERT_EQ(pitanja.size(), 1);
    EXPECT_EQ(skladiste->BrojOdgovora(), 4);
    EXPECT_EQ(tabela->item(0, 0)->text(), QStringLiteral("2 od 20"));

    // "Yes" empties the store, and the window shows it; the menu item asks the same way.
    Poruke::PostaviUpit([&pitanja](QWidget*, const QString& tekst) { pitanja << tekst; return true; });
    QTest::mouseClick(Kontrola<QPushButton>(n, QStringLiteral("Obrisi")), Qt::LeftButton);
    EXPECT_EQ(skladiste->BrojOdgovora(), 0);
    EXPECT_TRUE(skladiste->Ispiti().empty());
    EXPECT_EQ(tabela->item(0, 0)->text(), QStringLiteral("0 od 20"));
    Izaberi("ObrisiNapredak");
    EXPECT_EQ(pitanja.size(), 3);
}

TEST_F(NapredakTest, AStoreMessageIsToldOnceAndTheProgramGoesOn)
{
    QFile f(dir.filePath(QStringLiteral("ostecen.sqlite")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(4096, 'x'));
    f.close();
    Skladiste ostecen(dir.filePath(QStringLiteral("ostecen.sqlite")));
    glavni->PostaviNapredak(&ostecen);
    ASSERT_EQ(poruke.Primljene().size(), 1);
    EXPECT_EQ(poruke.Primljene().front(), ostecen.Poruka());
    Izaberi("TeorijaB");
    Teorija* t = Otvoren<Teorija>();
    ASSERT_NE(t, nullptr);
    Odgovori(t, 1, 1);
    Proveri(t);
    EXPECT_EQ(poruke.Primljene().size(), 1);
    EXPECT_EQ(ostecen.BrojOdgovora(), 1);
    glavni->PostaviNapredak(skladiste.get());
}

}  // namespace

TEST_F(NapredakTest, AFinishedExamIsRecordedWithItsPointsAndAnswers)
{
    Module1::PostaviIzvor({});  // the exam is composed from the program's own banks
    Izaberi("IspitB");
    Ispit* ispit = Otvoren<Ispit>();
    ASSERT_NE(ispit, nullptr);
    ASSERT_TRUE(skladiste->Ispiti().empty());
    // The first question (a theory one) answered right; the rest left.
    const TestIspita::Pitanje& prvo = ispit->Test().Pitanja().front();
    ASSERT_EQ(prvo.vrsta, VrstaPitanja::Teorija);
    QTest::mouseClick(Kontrola<QRadioButton>(ispit, QStringLiteral("Odgovor%1").arg(prvo.tacan + 1)), Qt::LeftButton, {}, QPoint(8, 8));
    QTest::mouseClick(Kontrola<QPushButton>(ispit, QStringLiteral("Zavrsi")), Qt::LeftButton);
    // Its answer is kept with the other answers of its question.
    const auto ishodi = skladiste->Ishodi(Napredak::Banka::Teorija);
    ASSERT_EQ(ishodi.size(), 1u);
    EXPECT_EQ(ishodi.begin()->first, prvo.kljuc);
    EXPECT_EQ(ishodi.begin()->second, std::vector<bool> { true });
    const std::vector<Napredak::Ispit> ispiti = skladiste->Ispiti();
    ASSERT_EQ(ispiti.size(), 1u);
    EXPECT_EQ(ispiti[0].kategorija, QByteArray("B"));
    EXPECT_EQ(ispiti[0].bodovi, prvo.poeni);
    EXPECT_EQ(ispiti[0].najvise, ispit->Test().Format().NajvisePoena());
    EXPECT_FALSE(ispiti[0].polozen);
    // Ending it again records nothing more.
    ispit->Zavrsi();
    EXPECT_EQ(skladiste->Ispiti().size(), 1u);
}
