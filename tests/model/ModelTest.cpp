// The test model: cycles, composed tests, answers and verdicts, on banks made here.
#include "Banke.h"
#include "content/Kriptovanje.h"
#include "model/Ciklus.h"
#include "model/TestPitanja.h"
#include "model/TestRaskrsnica.h"
#include "model/TestZnakova.h"

#include <gtest/gtest.h>

#include <set>

using Module1::Greska;

namespace {

using Banke::Pitanja;
using Banke::Sifra;
using Banke::Znakovi;

Module1::BankaRaskrsnica Raskrsnice(const std::vector<QByteArray>& resenja)
{
    Module1::BankaRaskrsnica b;
    int i = 0;
    for (const QByteArray& r : resenja) {
        ++i;
        b.zapisi.push_back({ Sifra(qint16(i), r), Sifra(qint16(i), QByteArray::number(i)), qint16(i) });
    }
    return b;
}

Module1::BankaPitanja Neuspela()
{
    Module1::BankaPitanja b;
    b.greska.opis = QStringLiteral("TEKST 2: resurs ne postoji");
    return b;
}

int Broj(const QByteArray& pitanje) { return pitanje.mid(1).toInt(); }

}  // namespace

TEST(Ciklus, RefusesWhatCannotBeServedAndSaysWhy)
{
    struct Slucaj {
        int broj, poTestu, banka;
        const char* uGresci;  // nullptr: accepted
    };
    const Slucaj slucajevi[] = {
        { 20, 10, 25, nullptr },
        { 20, 10, 20, nullptr },
        { 2, 2, 3, nullptr },
        { 15, 10, 25, "Ciklus od 15 pitanja ne deli se na testove od po 10" },
        { 3, 2, 3, "Ciklus od 3 pitanja" },
        { 0, 10, 25, "Ciklus od 0 pitanja" },
        { 5, 10, 25, "Ciklus od 5 pitanja" },
        { 20, 10, 19, "Banka ima 19 pitanja, a test traži 20" },
        { 2, 2, 0, "Banka ima 0 pitanja" },
    };
    for (const Slucaj& s : slucajevi) {
        Ciklus c(s.broj, s.poTestu);
        Module2::Generator g(1);
        const Greska greska = c.Izvuci(s.banka, g);
        if (!s.uGresci) {
            EXPECT_FALSE(greska) << greska.opis.toStdString();
            EXPECT_EQ(c.Pozicija(), 0);
        } else {
            EXPECT_TRUE(greska.opis.contains(QString::fromUtf8(s.uGresci))) << greska.opis.toStdString();
            EXPECT_TRUE(c.Sledeci().empty()) << "nothing is served from a refused draw";
        }
    }
}

TEST(Ciklus, ServesDistinctRecordsATestAtATimeUntilUsedUp)
{
    Ciklus c(20, 10);
    EXPECT_TRUE(c.NoviPotreban());
    Module2::Generator g(5);
    ASSERT_FALSE(c.Izvuci(25, g));
    std::set<int> sve;
    for (int test = 1; test <= 2; ++test) {
        const std::vector<int> deo = c.Sledeci();
        ASSERT_EQ(deo.size(), 10u);
        for (const int q : deo) {
            EXPECT_GE(q, 0);
            EXPECT_LT(q, 25);
            sve.insert(q);
        }
        EXPECT_EQ(c.Pozicija(), 10 * test);
        EXPECT_EQ(c.NoviPotreban(), test == 2);
    }
    EXPECT_EQ(sve.size(), 20u);
    EXPECT_TRUE(c.NoviPotreban());
    EXPECT_TRUE(c.Sledeci().empty());
}

class TestPitanjaTest : public ::testing::Test {
protected:
    TestPitanja Napravi(int broj, int poTestu, bool saSlikom = false, std::uint32_t seme = 7)
    {
        return TestPitanja([this] { ++m_ucitavanja; return m_banka; }, broj, poTestu, saSlikom, Module2::Generator(seme));
    }
    Module1::BankaPitanja m_banka = Pitanja(25);
    int m_ucitavanja = 0;
};

TEST_F(TestPitanjaTest, ComposesDecipheredQuestionsWithTheRightAnswerFollowed)
{
    TestPitanja t = Napravi(20, 10, true);
    ASSERT_FALSE(t.NoviTest());
    ASSERT_EQ(t.Pitanja().size(), 10u);
    std::vector<QByteArray> redosled;
    for (const TestPitanja::Pitanje& p : t.Pitanja()) {
        const int i = Broj(p.tekst);
        EXPECT_EQ(p.tekst, "p" + QByteArray::number(i));
        EXPECT_EQ(p.zapis, i - 1);
        EXPECT_EQ(p.slika, i);
        EXPECT_EQ(p.odgovori[std::size_t(p.tacan)], p.tekst + " a" + QByteArray::number(i % 3 + 1));
        QByteArray oznake;
        for (const QByteArray& o : p.odgovori)
            oznake += o.right(1);
        redosled.push_back(oznake);
    }
    // One answer order for the whole cycle.
    EXPECT_EQ(std::set<QByteArray>(redosled.begin(), redosled.end()).size(), 1u);
    EXPECT_EQ(redosled.front().size(), 3);
}

TEST_F(TestPitanjaTest, ACycleServesItsTestsThenReloadsAndDrawsAnew)
{
    TestPitanja t = Napravi(20, 10);
    std::set<int> ciklus;
    for (int test = 1; test <= 2; ++test) {
        ASSERT_FALSE(t.NoviTest());
        for (const auto& p : t.Pitanja())
            ciklus.insert(p.zapis);
        EXPECT_EQ(t.Pozicija(), 10 * test);
    }
    EXPECT_EQ(ciklus.size(), 20u) << "no question twice within a cycle";
    EXPECT_EQ(m_ucitavanja, 1);
    ASSERT_FALSE(t.NoviTest());
    EXPECT_EQ(m_ucitavanja, 2) << "a new cycle loads the bank afresh";
    EXPECT_EQ(t.Pozicija(), 10);
}

TEST_F(TestPitanjaTest, AFixedSeedRepeatsTheTest)
{
    TestPitanja a = Napravi(20, 10, false, 11);
    TestPitanja b = Napravi(20, 10, false, 11);
    ASSERT_FALSE(a.NoviTest());
    ASSERT_FALSE(b.NoviTest());
    for (std::size_t k = 0; k < 10; ++k) {
        EXPECT_EQ(a.Pitanja()[k].zapis, b.Pitanja()[k].zapis);
        EXPECT_EQ(a.Pitanja()[k].odgovori, b.Pitanja()[k].odgovori);
    }
}

TEST_F(TestPitanjaTest, OneChoicePerQuestionAndAVerdictForEach)
{
    TestPitanja t = Napravi(10, 5);
    ASSERT_FALSE(t.NoviTest());
    const auto tacan = [&](int k) { return t.Pitanja()[std::size_t(k)].tacan; };
    EXPECT_TRUE(t.Izaberi(0, tacan(0)));
    EXPECT_FALSE(t.Izaberi(0, (tacan(0) + 1) % 3)) << "a question takes one choice";
    EXPECT_TRUE(t.Izaberi(1, (tacan(1) + 1) % 3));
    EXPECT_TRUE(t.Izaberi(4, tacan(4)));
    for (const auto& [pitanje, odgovor] : { std::pair { -1, 0 }, { 5, 0 }, { 2, 3 }, { 2, -1 } })
        EXPECT_FALSE(t.Izaberi(pitanje, odgovor)) << pitanje << "/" << odgovor;
    EXPECT_EQ(t.Izabran(0), tacan(0));
    EXPECT_EQ(t.Izabran(2), std::nullopt);

    EXPECT_FALSE(t.Provereno());
    const Presuda p = t.Proveri();
    EXPECT_TRUE(t.Provereno());
    EXPECT_EQ(p.ocene, (std::vector<Ocena> { Ocena::Tacno, Ocena::Netacno, Ocena::BezOdgovora, Ocena::BezOdgovora, Ocena::Tacno }));
    EXPECT_EQ(p.Tacnih(), 2);
    EXPECT_EQ(p.Ukupno(), 5);

    ASSERT_FALSE(t.NoviTest());
    EXPECT_FALSE(t.Provereno());
    EXPECT_EQ(t.Izabran(0), std::nullopt) << "a new test starts without answers";
}

TEST_F(TestPitanjaTest, AFailureLeavesTheTestAsItWas)
{
    TestPitanja t = Napravi(10, 5);
    ASSERT_FALSE(t.NoviTest());
    ASSERT_FALSE(t.NoviTest());
    const auto prethodna = t.Pitanja();
    m_banka = Neuspela();
    const Greska g = t.NoviTest();
    EXPECT_EQ(g.opis, QStringLiteral("TEKST 2: resurs ne postoji"));
    ASSERT_EQ(t.Pitanja().size(), prethodna.size());
    EXPECT_EQ(t.Pitanja()[0].zapis, prethodna[0].zapis);
    EXPECT_EQ(t.Pozicija(), 10);

    m_banka = Pitanja(4);
    EXPECT_TRUE(t.NoviTest().opis.contains(QStringLiteral("Banka ima 4 pitanja, a test traži 10")));
}

TEST(TestZnakova, EightDescriptionsBelongToEightOfTenDistinctPictures)
{
    for (std::uint32_t seme = 0; seme < 10; ++seme) {
        TestZnakova t([] { return Znakovi(22); }, Module2::Generator(seme));
        ASSERT_FALSE(t.NoviTest());
        std::set<int> slike;
        std::set<QString> brojevi;
        for (int j = 0; j < TestZnakova::BrojSlika; ++j) {
            const int s = t.Slika(j);
            EXPECT_TRUE(s >= 1 && s <= 20) << s;
            slike.insert(s);
            if (t.Tacno(j).isEmpty())
                continue;
            brojevi.insert(t.Tacno(j));
            // Option n describes the sign in this picture.
            EXPECT_EQ(t.Opis(t.Tacno(j).toInt() - 1), "znak " + QByteArray::number(s));
        }
        EXPECT_EQ(slike.size(), 10u);
        EXPECT_EQ(brojevi, (std::set<QString> { "1", "2", "3", "4", "5", "6", "7", "8" }));
    }
}

TEST(TestZnakova, FilledBoxesLockAndTheCheckComparesWithWhatBelongs)
{
    TestZnakova t([] { return Znakovi(20); }, Module2::Generator(3));
    ASSERT_FALSE(t.NoviTest());
    int bez = -1, sa = -1, drugi = -1;
    for (int j = 0; j < TestZnakova::BrojSlika; ++j) {
        if (t.Tacno(j).isEmpty())
            bez = j;
        else if (sa < 0)
            sa = j;
        else
            drugi = j;
    }
    ASSERT_TRUE(bez >= 0 && sa >= 0 && drugi >= 0);
    EXPECT_TRUE(t.Upisi(sa, t.Tacno(sa)));
    EXPECT_FALSE(t.Upisi(sa, QStringLiteral("9"))) << "a filled box is locked";
    EXPECT_FALSE(t.Upisi(drugi, QString())) << "nothing to put in";
    EXPECT_TRUE(t.Upisi(drugi, QStringLiteral("č")));
    EXPECT_FALSE(t.Upisi(TestZnakova::BrojSlika, QStringLiteral("1")));

    const Presuda p = t.Proveri();
    EXPECT_EQ(p.Ukupno(), 10);
    EXPECT_EQ(p.ocene[std::size_t(sa)], Ocena::Tacno);
    EXPECT_EQ(p.ocene[std::size_t(drugi)], Ocena::Netacno);
    EXPECT_EQ(p.ocene[std::size_t(bez)], Ocena::Tacno) << "an empty box under a picture without a description is right";
    EXPECT_EQ(p.Tacnih(), 3);  // the two boxes above and the other picture without a description

    ASSERT_FALSE(t.NoviTest());
    for (int j = 0; j < TestZnakova::BrojSlika; ++j)
        EXPECT_FALSE(t.Zakljucano(j));
}

TEST(TestZnakova, ASignBankTooSmallIsDescribed)
{
    TestZnakova t([] { return Znakovi(19); }, Module2::Generator(1));
    EXPECT_EQ(t.NoviTest().opis, QStringLiteral("Banka ima 19 znakova, a test traži 20."));
}

TEST(TestRaskrsnica, OrdersAreEnteredInTurnAndCheckedPlaceByPlace)
{
    TestRaskrsnica t([] { return Raskrsnice({ "132", "2134" }); }, 2, Module2::Generator(1));
    ASSERT_FALSE(t.NoviTest());
    const int f = t.Pitanje(0).resenje == "132" ? 0 : 1;
    const int g = 1 - f;
    for (const int broj : { 1, 2, 3 })
        EXPECT_TRUE(t.Unesi(f, broj));
    EXPECT_FALSE(t.Unesi(f, 4)) << "three vehicles, three places";
    EXPECT_EQ(t.Pitanje(f).uneto, "123");
    EXPECT_FALSE(t.Unesi(f, 0));
    EXPECT_FALSE(t.Unesi(2, 1));
    EXPECT_TRUE(t.TacnoNaMestu(f, 0));
    EXPECT_FALSE(t.TacnoNaMestu(f, 1));
    EXPECT_FALSE(t.TacnoNaMestu(g, 0)) << "an empty place is wrong";

    Presuda p = t.Proveri();
    EXPECT_EQ(p.ocene[std::size_t(f)], Ocena::Netacno);
    EXPECT_EQ(p.ocene[std::size_t(g)], Ocena::BezOdgovora);
    EXPECT_EQ(t.Pitanje(f).slika, f == 0 ? 1 : 2);
}

TEST(TestRaskrsnica, ACountThatDoesNotMakeWholeTestsIsRefusedAndADrawIsNeverReadPast)
{
    TestRaskrsnica neparan([] { return Raskrsnice({ "12", "21", "123" }); }, 3, Module2::Generator(1));
    EXPECT_TRUE(neparan.NoviTest().opis.contains(QStringLiteral("Ciklus od 3 pitanja")));

    int ucitavanja = 0;
    TestRaskrsnica t([&] { ++ucitavanja; return Raskrsnice({ "12", "21", "123", "321" }); }, 4, Module2::Generator(2));
    std::set<int> prva;
    for (int test = 1; test <= 2; ++test) {
        ASSERT_FALSE(t.NoviTest());
        prva.insert(t.Pitanje(0).zapis);
        prva.insert(t.Pitanje(1).zapis);
    }
    EXPECT_EQ(prva.size(), 4u);
    EXPECT_EQ(ucitavanja, 1);
    ASSERT_FALSE(t.NoviTest());
    EXPECT_EQ(ucitavanja, 2);
    EXPECT_EQ(t.Pozicija(), 2);
}
