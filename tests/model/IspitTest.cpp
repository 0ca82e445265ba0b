// The exam simulation's model: the format table, the composed exam, answers, time and score.
#include "Banke.h"
#include "content/Kriptovanje.h"
#include "content/Module1.h"
#include "content/Tekst.h"
#include "model/FormatIspita.h"
#include "model/TestIspita.h"
#include "napredak/IzTesta.h"

#include <gtest/gtest.h>

#include <optional>
#include <set>

namespace {

using Banke::Sifra;
using Banke::Znakovi;

Module1::BankaPitanja Pitanja(const QByteArray& ime, int n)
{
    return Banke::Pitanja(n, ime);
}

Module1::BankaRaskrsnica Raskrsnice()
{
    Module1::BankaRaskrsnica b;
    int i = 0;
    for (const QByteArray r : { "123", "21", "3142" }) {
        ++i;
        b.zapisi.push_back({ Sifra(qint16(i), r), Sifra(qint16(i), QByteArray::number(i)), qint16(i) });
    }
    return b;
}

// Three theory questions worth 2, one situation worth 3, one intersection worth 4 and two
// signs worth 1: 15 points, 80 % pass at 12.
FormatIspita MaliFormat()
{
    FormatIspita f;
    f.kategorija = "B";
    f.delovi = { DeoIspita { 3, 2 }, DeoIspita { 1, 3 }, DeoIspita { 1, 4 }, DeoIspita { 2, 1 } };
    f.minuta = 2;
    f.prolaz = 80;
    return f;
}

TestIspita::Izvori MaleBanke()
{
    return { [] { return Pitanja("t", 12); }, [] { return Pitanja("s", 4); }, [] { return Raskrsnice(); },
        [] { return Znakovi(6); } };
}

TestIspita::Izvori PraveBanke(const QByteArray& kategorija)
{
    return { [kategorija] { return Module1::UcitajTeoriju(kategorija); },
        [] { return Module1::UcitajSituacije("sve"); }, [] { return Module1::UcitajRaskrsnice("sve"); },
        [] { return Module1::UcitajSveZnakove(); } };
}

// Answers question k right or wrong.
void Odgovori(TestIspita& ispit, int k, bool tacno)
{
    const TestIspita::Pitanje& p = ispit.Pitanja()[std::size_t(k)];
    if (p.vrsta == VrstaPitanja::Raskrsnica) {
        QByteArray pogresno = p.resenje;
        std::reverse(pogresno.begin(), pogresno.end());
        ASSERT_TRUE(ispit.Upisi(k, tacno ? p.resenje : pogresno));
    } else {
        ASSERT_TRUE(ispit.Izaberi(k, tacno ? p.tacan : (p.tacan + 1) % 3));
    }
}

}  // namespace

TEST(TabelaIspita, TheProgramsTableNamesEveryCategory)
{
    const TabelaIspita tabela = UcitajTabeluIspita();
    ASSERT_TRUE(tabela.greska.isEmpty()) << tabela.greska.toStdString();
    ASSERT_EQ(tabela.formati.size(), 3u);
    for (const char* k : { "B", "CD", "T" }) {
        SCOPED_TRACE(k);
        const FormatIspita* f = tabela.Za(k);
        ASSERT_NE(f, nullptr);
        EXPECT_EQ(f->minuta, 45);
        EXPECT_EQ(f->prolaz, 85);
    }
}

TEST(TabelaIspita, ReadsColumnsAndRefusesWhatIsMalformed)
{
    const QByteArray zaglavlje = "# napomena\nkategorija\tt\tp\ts\tp\tr\tp\tz\tp\tmin\tprolaz\n";
    const TabelaIspita dobra = ProcitajTabeluIspita(zaglavlje + "B\t30\t2\t5\t3\t2\t3\t4\t1\t45\t85\r\n\nT\t1\t1\t0\t0\t0\t0\t0\t0\t1\t100\n");
    ASSERT_TRUE(dobra.greska.isEmpty()) << dobra.greska.toStdString();
    ASSERT_EQ(dobra.formati.size(), 2u);
    const FormatIspita& b = dobra.formati[0];
    EXPECT_EQ(b.kategorija, "B");
    EXPECT_EQ(b.Deo(VrstaPitanja::Teorija).broj, 30);
    EXPECT_EQ(b.Deo(VrstaPitanja::Situacija).poeni, 3);
    EXPECT_EQ(b.Deo(VrstaPitanja::Raskrsnica).broj, 2);
    EXPECT_EQ(b.Deo(VrstaPitanja::Znak).poeni, 1);
    EXPECT_EQ(b.UkupnoPitanja(), 41);
    EXPECT_EQ(b.NajvisePoena(), 85);
    EXPECT_EQ(b.PotrebnoPoena(), 73);  // 85 % of 85 is 72.25: rounded up
    EXPECT_EQ(dobra.formati[1].PotrebnoPoena(), 1);

    struct Slucaj {
        const char* redovi;
        const char* uGresci;
    };
    const Slucaj losi[] = {
        { "B\t30\t2\t5\t3\t2\t3\t4\t1\t45\n", "10 polja umesto 11" },
        { "B\t30\t2\t5\t3\t2\t3\t4\t1\t45\t85\t1\n", "12 polja" },
        { "B\t30\tdva\t5\t3\t2\t3\t4\t1\t45\t85\n", "polje 3 nije broj" },
        { "B\t30\t2\t5\t3\t2\t3\t4\t-1\t45\t85\n", "polje 9 nije broj" },
        { "B\t1\t1\t0\t0\t0\t0\t0\t0\t45\t85\nB\t1\t1\t0\t0\t0\t0\t0\t0\t45\t85\n", "red 4: kategorija" },
        { "B\t0\t1\t0\t0\t0\t0\t0\t0\t45\t85\n", "bez pitanja" },
        { "B\t1\t1\t0\t0\t0\t0\t0\t0\t0\t85\n", "bez vremena" },
        { "B\t1\t1\t0\t0\t0\t0\t0\t0\t45\t101\n", "prolazom" },
        { "", "nema nijedne" },
    };
    for (const Slucaj& s : losi) {
        SCOPED_TRACE(s.redovi);
        const TabelaIspita t = ProcitajTabeluIspita(zaglavlje + s.redovi);
        EXPECT_TRUE(t.formati.empty());
        EXPECT_TRUE(t.greska.contains(QString::fromUtf8(s.uGresci))) << t.greska.toStdString();
    }
}

// The exam composed from the program's banks holds, for every category of the table, as
// many questions of each kind as the table says, each worth the table's points, no record
// twice, each answerable.
TEST(TestIspita, TheComposedExamMatchesTheTableForEveryCategory)
{
    const TabelaIspita tabela = UcitajTabeluIspita();
    ASSERT_FALSE(tabela.formati.empty());
    for (const FormatIspita& f : tabela.formati) {
        SCOPED_TRACE(f.kategorija.toStdString());
        const Module1::BankaPitanja teorija = Module1::UcitajTeoriju(f.kategorija);
        ASSERT_FALSE(teorija.greska) << teorija.greska.opis.toStdString();
        std::set<QByteArray> tekstoviTeorije;
        for (const Module1::Pitanje& z : teorija.zapisi)
            tekstoviTeorije.insert(Kriptovanje::Dekriptuj(Kriptovanje::KljucniTekst(z.kljuc), z.pitanje));

        for (std::uint32_t seme : { 1u, 2u, 3u }) {
            TestIspita ispit(f, PraveBanke(f.kategorija), Module2::Generator { seme });
            const Module1::Greska g = ispit.Sastavi(0);
            ASSERT_FALSE(g) << g.opis.toStdString();
            ASSERT_EQ(ispit.Broj(), f.UkupnoPitanja());
            std::array<int, BrojVrsta> poVrsti {};
            std::array<std::set<int>, BrojVrsta> zapisi;
            int poena = 0;
            VrstaPitanja prethodna = VrstaPitanja::Teorija;
            for (const TestIspita::Pitanje& p : ispit.Pitanja()) {
                const auto v = std::size_t(p.vrsta);
                EXPECT_GE(int(p.vrsta), int(prethodna)) << "the kinds come in the table's order";
                prethodna = p.vrsta;
                ++poVrsti[v];
                EXPECT_TRUE(zapisi[v].insert(p.zapis).second) << "record " << p.zapis << " twice";
                EXPECT_EQ(p.poeni, f.delovi[v].poeni);
                poena += p.poeni;
                EXPECT_FALSE(p.tekst.isEmpty());
                if (p.vrsta == VrstaPitanja::Teorija) {
                    EXPECT_TRUE(tekstoviTeorije.count(p.tekst)) << "a question of another category";
                    EXPECT_EQ(p.slika, 0);
                } else {
                    EXPECT_GT(p.slika, 0);
                }
                if (p.vrsta == VrstaPitanja::Raskrsnica) {
                    EXPECT_FALSE(p.resenje.isEmpty());
                } else {
                    EXPECT_GE(p.tacan, 0);
                    EXPECT_LE(p.tacan, 2);
                    for (const QByteArray& o : p.odgovori)
                        EXPECT_FALSE(o.isEmpty());
                }
            }
            for (int v = 0; v < BrojVrsta; ++v)
                EXPECT_EQ(poVrsti[std::size_t(v)], f.delovi[std::size_t(v)].broj) << "kind " << v;
            EXPECT_EQ(poena, f.NajvisePoena());
            EXPECT_EQ(ispit.Preostalo(0), qint64(f.minuta) * 60000);
        }
    }
}

TEST(TestIspita, ASignIsAskedWithItsOwnDescriptionAndTwoOthers)
{
    TestIspita ispit(MaliFormat(), MaleBanke(), Module2::Generator { 5 });
    ASSERT_FALSE(ispit.Sastavi(0));
    int znakova = 0;
    for (const TestIspita::Pitanje& p : ispit.Pitanja()) {
        if (p.vrsta != VrstaPitanja::Znak)
            continue;
        ++znakova;
        // Sign i of the fixture is described "znak i" and shown as picture i.
        EXPECT_EQ(p.odgovori[std::size_t(p.tacan)], "znak " + QByteArray::number(p.slika));
        EXPECT_EQ(std::set<QByteArray>(p.odgovori.begin(), p.odgovori.end()).size(), 3u);
        EXPECT_EQ(Tekst::izCp1250(p.tekst), QStringLiteral("Šta znači ovaj saobraćajni znak?"));
    }
    EXPECT_EQ(znakova, 2);
}

TEST(TestIspita, ScoresWithPointsAndListsTheMistakes)
{
    enum Odgovor { Tacan, Pogresan, Nijedan };
    struct Slucaj {
        const char* ime;
        std::vector<Odgovor> odgovori;  // per question: theory x3, situation, intersection, sign x2
        int poena;
        bool polozio;
        std::vector<int> greske;
    };
    const Slucaj slucajevi[] = {
        { "all right", { Tacan, Tacan, Tacan, Tacan, Tacan, Tacan, Tacan }, 15, true, {} },
        { "all wrong", { Pogresan, Pogresan, Pogresan, Pogresan, Pogresan, Pogresan, Pogresan }, 0, false, { 0, 1, 2, 3, 4, 5, 6 } },
        { "nothing answered", { Nijedan, Nijedan, Nijedan, Nijedan, Nijedan, Nijedan, Nijedan }, 0, false, { 0, 1, 2, 3, 4, 5, 6 } },
        // 15 - 2 - 1 = 12: exactly the pass mark.
        { "pass mark exactly", { Tacan, Pogresan, Tacan, Tacan, Tacan, Nijedan, Tacan }, 12, true, { 1, 5 } },
        // 15 - 4 = 11: one point short.
        { "intersection wrong", { Tacan, Tacan, Tacan, Tacan, Pogresan, Tacan, Tacan }, 11, false, { 4 } },
        { "mixed", { Tacan, Nijedan, Pogresan, Tacan, Tacan, Pogresan, Tacan }, 10, false, { 1, 2, 5 } },
    };
    for (const Slucaj& s : slucajevi) {
        SCOPED_TRACE(s.ime);
        TestIspita ispit(MaliFormat(), MaleBanke(), Module2::Generator { 9 });
        ASSERT_FALSE(ispit.Sastavi(0));
        ASSERT_EQ(ispit.Broj(), 7);
        for (int k = 0; k < 7; ++k) {
            if (s.odgovori[std::size_t(k)] != Nijedan)
                Odgovori(ispit, k, s.odgovori[std::size_t(k)] == Tacan);
            EXPECT_EQ(ispit.Odgovoreno(k), s.odgovori[std::size_t(k)] != Nijedan);
        }
        const TestIspita::Ishod& ishod = ispit.Zavrsi();
        EXPECT_EQ(ishod.poena, s.poena);
        EXPECT_EQ(ishod.najvise, 15);
        EXPECT_EQ(ishod.potrebno, 12);
        EXPECT_EQ(ishod.polozio, s.polozio);
        EXPECT_EQ(ishod.greske, s.greske);
        EXPECT_EQ(ishod.presuda.Ukupno(), 7);
        EXPECT_EQ(ishod.presuda.Tacnih(), 7 - int(s.greske.size()));
    }
}

// What the progress store keeps of an ended exam: each answered question in its own bank by
// its key, the choice as the bank knows it. The fixture's texts tell what was chosen: answer
// n of a question reads "<question> a<n>", and sign m is described "znak <m>".
TEST(TestIspita, TheAnswersAsTheProgressStoreKeepsThem)
{
    const std::vector<std::optional<bool>> odgovori { true, std::nullopt, false, true, false, false, true };
    TestIspita ispit(MaliFormat(), MaleBanke(), Module2::Generator { 9 });
    ASSERT_FALSE(ispit.Sastavi(0));
    std::vector<Napredak::Odgovor> ocekivani;
    for (int k = 0; k < ispit.Broj(); ++k) {
        const std::optional<bool> tacno = odgovori[std::size_t(k)];
        if (!tacno)
            continue;
        Odgovori(ispit, k, *tacno);
        const TestIspita::Pitanje& p = ispit.Pitanja()[std::size_t(k)];
        const QByteArray izabrano = p.vrsta == VrstaPitanja::Raskrsnica ? ispit.Upisano(k) : p.odgovori[std::size_t(*ispit.Izabran(k))];
        switch (p.vrsta) {
        case VrstaPitanja::Teorija:
        case VrstaPitanja::Situacija:
            ocekivani.push_back({ p.vrsta == VrstaPitanja::Teorija ? Napredak::Banka::Teorija : Napredak::Banka::Situacije,
                qint16(100 + p.tekst.mid(1).toInt()), izabrano.right(1), *tacno });
            break;
        case VrstaPitanja::Znak:
            ocekivani.push_back({ Napredak::Banka::Znakovi, qint16(p.slika), izabrano.mid(5), *tacno });
            break;
        case VrstaPitanja::Raskrsnica:
            ocekivani.push_back({ Napredak::Banka::Raskrsnice, qint16(p.slika), izabrano, *tacno });
            break;
        }
    }
    const std::vector<Napredak::Odgovor> zapisani = Napredak::Odgovori(ispit, ispit.Zavrsi().presuda);
    ASSERT_EQ(zapisani.size(), ocekivani.size());
    for (std::size_t i = 0; i < zapisani.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(zapisani[i].banka, ocekivani[i].banka);
        EXPECT_EQ(zapisani[i].kljuc, ocekivani[i].kljuc);
        EXPECT_EQ(zapisani[i].izabrano, ocekivani[i].izabrano);
        EXPECT_EQ(zapisani[i].tacno, ocekivani[i].tacno);
    }
}

TEST(TestIspita, AnswersChangeUntilTheEndAndNotAfter)
{
    TestIspita ispit(MaliFormat(), MaleBanke(), Module2::Generator { 3 });
    ASSERT_FALSE(ispit.Sastavi(1000));
    const int raskrsnica = 4;
    ASSERT_EQ(ispit.Pitanja()[raskrsnica].vrsta, VrstaPitanja::Raskrsnica);
    const QByteArray resenje = ispit.Pitanja()[raskrsnica].resenje;

    EXPECT_TRUE(ispit.Izaberi(0, 2));
    EXPECT_TRUE(ispit.Izaberi(0, 1));  // changed
    EXPECT_EQ(ispit.Izabran(0), 1);
    EXPECT_FALSE(ispit.Izaberi(0, 3));
    EXPECT_FALSE(ispit.Izaberi(7, 0));
    EXPECT_FALSE(ispit.Izaberi(raskrsnica, 0));  // an intersection takes an order, not a choice
    EXPECT_FALSE(ispit.Upisi(0, "1"));           // and a choice question no order
    EXPECT_FALSE(ispit.Upisi(raskrsnica, "10"));
    EXPECT_FALSE(ispit.Upisi(raskrsnica, resenje + "1"));  // more vehicles than there are
    EXPECT_TRUE(ispit.Upisi(raskrsnica, resenje.left(1)));
    EXPECT_TRUE(ispit.Upisi(raskrsnica, ""));  // taken back
    EXPECT_FALSE(ispit.Odgovoreno(raskrsnica));
    EXPECT_TRUE(ispit.Upisi(raskrsnica, resenje));

    // The clock runs from the start handed in, and stops at zero.
    EXPECT_EQ(ispit.Preostalo(1000), 120000);
    EXPECT_EQ(ispit.Preostalo(61000), 60000);
    EXPECT_EQ(ispit.Preostalo(121000), 0);
    EXPECT_EQ(ispit.Preostalo(500000), 0);

    const int poena = ispit.Zavrsi().poena;
    EXPECT_TRUE(ispit.Zavrsen());
    EXPECT_FALSE(ispit.Izaberi(1, ispit.Pitanja()[1].tacan));
    EXPECT_FALSE(ispit.Upisi(raskrsnica, ""));
    EXPECT_EQ(ispit.Zavrsi().poena, poena);

    // A new exam starts afresh.
    ASSERT_FALSE(ispit.Sastavi(5000));
    EXPECT_FALSE(ispit.Zavrsen());
    EXPECT_FALSE(ispit.Odgovoreno(0));
    EXPECT_EQ(ispit.Preostalo(5000), 120000);
}

TEST(TestIspita, ABankTooSmallOrMissingLeavesTheExamAsItWas)
{
    struct Slucaj {
        const char* ime;
        TestIspita::Izvori izvori;
        const char* uGresci;
    };
    TestIspita::Izvori malo = MaleBanke();
    malo.situacije = [] { return Pitanja("s", 0); };
    TestIspita::Izvori nema = MaleBanke();
    nema.znakovi = [] {
        Module1::BankaZnakova b;
        b.greska.opis = QStringLiteral("TEKST 1: resurs ne postoji");
        return b;
    };
    TestIspita::Izvori dvaZnaka = MaleBanke();
    dvaZnaka.znakovi = [] { return Znakovi(2); };
    const Slucaj slucajevi[] = {
        { "too few situations", malo, "Banka (situacije) ima 0 zapisa, a ispit traži 1" },
        { "no sign bank", nema, "TEKST 1: resurs ne postoji" },
        { "too few signs to choose from", dvaZnaka, "Banka (znakovi) ima 2 zapisa" },
    };
    for (const Slucaj& s : slucajevi) {
        SCOPED_TRACE(s.ime);
        TestIspita ispit(MaliFormat(), s.izvori, Module2::Generator { 1 });
        const Module1::Greska g = ispit.Sastavi(0);
        EXPECT_TRUE(g.opis.contains(QString::fromUtf8(s.uGresci))) << g.opis.toStdString();
        EXPECT_EQ(ispit.Broj(), 0);
    }
}
