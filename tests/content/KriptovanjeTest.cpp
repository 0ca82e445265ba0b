#include "content/Kriptovanje.h"
#include "content/Tekst.h"

#include <gtest/gtest.h>

using namespace Kriptovanje;

namespace {

QByteArray CelaAzbuka()
{
    QByteArray a;
    for (int c = PrviZnak; c <= PoslednjiZnak; ++c)
        a += static_cast<char>(c);
    return a;
}

}  // namespace

TEST(KljucUSeme, KnownValuesAndFirstCharacterRule)
{
    EXPECT_EQ(KljucUSeme("abc"), 1356312);
    EXPECT_EQ(KljucUSeme(""), 0);
    EXPECT_EQ(KljucUSeme("z"), 0);  // the first character contributes c XOR c
    EXPECT_EQ(KljucUSeme("4817-1234"), KljucUSeme("9817-1234"));
    EXPECT_NE(KljucUSeme("4817-1234"), KljucUSeme("4817-1235"));
    // Long keys of high codes: the shifts stay below 23, so the seed never overflows into
    // a different value than the bitwise definition gives.
    const QByteArray visoki(40, '\xFF');
    qint64 h = 0;
    for (int i = 0, a = 0, b = 0; i < visoki.size(); ++i, a = (a + 7) % 19, b = (b + 13) % 23)
        h ^= (255LL << a) ^ (255LL << b);
    EXPECT_EQ(KljucUSeme(visoki), h);
}

TEST(KljucniTekst, PrefixThenDecimalKey)
{
    EXPECT_EQ(QByteArray(KljucniPrefiks).size(), 4);
    EXPECT_EQ(KljucniTekst(0), QByteArray(KljucniPrefiks) + "0");
    EXPECT_EQ(KljucniTekst(-32768), QByteArray(KljucniPrefiks) + "-32768");
    EXPECT_EQ(KljucniTekst(32767), QByteArray(KljucniPrefiks) + "32767");
}

// The loaders read with a seed made straight from the key number and decipher into a buffer of
// their own: the same seed and the same text as through the key text.
TEST(SemeKljuca, SameAsTheKeyTextsSeedAndDecipher)
{
    const QByteArray sifra = Kriptovanje::Enkriptuj(Kriptovanje::KljucniTekst(-32768), "Tekst sa 3 reci");
    for (const qint16 kljuc : { qint16(-32768), qint16(-1), qint16(0), qint16(7), qint16(4817), qint16(32767) }) {
        const QByteArray tekst = Kriptovanje::KljucniTekst(kljuc);
        EXPECT_EQ(Kriptovanje::SemeKljuca(kljuc), Kriptovanje::KljucUSeme(tekst)) << kljuc;
        QByteArray izlaz(sifra.size(), '\0');
        izlaz.truncate(Kriptovanje::DekriptujU(Kriptovanje::SemeKljuca(kljuc), sifra, izlaz.data()));
        EXPECT_EQ(izlaz, Kriptovanje::Dekriptuj(tekst, sifra)) << kljuc;
    }
}

TEST(Dekriptuj, EveryAlphabetCharacterAndBlankSurvivesTheRoundTrip)
{
    const QByteArray tekst = CelaAzbuka() + "  " + CelaAzbuka();
    for (const qint16 kljuc : {qint16(0), qint16(1), qint16(-1), qint16(12345), qint16(-32768), qint16(32767)}) {
        const QByteArray kt = KljucniTekst(kljuc);
        const QByteArray sifra = Enkriptuj(kt, tekst);
        EXPECT_EQ(sifra.size(), tekst.size());
        EXPECT_FALSE(sifra.contains('"'));
        EXPECT_FALSE(sifra.contains('\r'));
        EXPECT_FALSE(sifra.contains('\n'));
        EXPECT_EQ(Dekriptuj(kt, sifra), tekst) << "key " << kljuc;
    }
}

TEST(Dekriptuj, EdgeCases)
{
    const QByteArray kt = KljucniTekst(321);
    const QByteArray sifra = Enkriptuj(kt, "Pitanje, odgovor 3");
    EXPECT_EQ(Dekriptuj(kt, sifra), Dekriptuj(kt, sifra));
    EXPECT_EQ(Dekriptuj(kt, "     "), "     ");
    EXPECT_EQ(Dekriptuj(kt, ""), "");
    EXPECT_EQ(Dekriptuj("", Enkriptuj("", "abc")), "abc");

    // Dropped characters vanish and draw no generator value; blanks draw none either.
    const QByteArray abc = Dekriptuj(kt, "abc");
    EXPECT_EQ(Dekriptuj(kt, QByteArray("a!b\"c\t\n\x01", 8) + "\xF1\xFF"), abc);
    EXPECT_EQ(Dekriptuj(kt, "a b  c"), abc.left(1) + " " + abc.mid(1, 1) + "  " + abc.mid(2));
    for (const char c : Dekriptuj(kt, CelaAzbuka()))
        EXPECT_TRUE(MozeSeSacuvati(static_cast<unsigned char>(c)));
}

TEST(Dekriptuj, AnotherRecordsKeyGivesSameLengthOtherText)
{
    const QByteArray tekst = "Vozac je duzan da propusti pesake";
    const QByteArray sifra = Enkriptuj(KljucniTekst(100), tekst);
    const QByteArray drugi = Dekriptuj(KljucniTekst(101), sifra);
    EXPECT_EQ(drugi.size(), tekst.size());
    EXPECT_NE(drugi, tekst);
}

TEST(Generator, ShiftStaysWithin0To206AndValuesBelowOne)
{
    // Over the whole period: every shift 0..206 occurs, 207 never; every value is in [0, 1).
    Generator g(0);
    Generator h(0);
    std::vector<int> pomaci(208, 0);
    for (int i = 0; i < (1 << 24); ++i) {
        const int r = g.SledeciPomak();
        ASSERT_GE(r, 0);
        ASSERT_LE(r, 206);
        ++pomaci[static_cast<std::size_t>(r)];
        const float u = h.Sledeci();
        ASSERT_GE(u, 0.0f);
        ASSERT_LT(u, 1.0f);
    }
    for (int r = 0; r <= 206; ++r)
        EXPECT_GT(pomaci[static_cast<std::size_t>(r)], 0) << r;
}

TEST(Generator, RestartDependsOnTheSeedOnly)
{
    Generator a(77);
    a.SledeciPomak();
    a.SledeciPomak();
    a.Restart(5);
    Generator b(5);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(a.SledeciPomak(), b.SledeciPomak());
    EXPECT_NE(Generator(5).Stanje(), Generator(6).Stanje());
}

TEST(Tekst, Cp1250Boundary)
{
    const QString srpski = QStringLiteral("ČĆŽŠĐ čćžšđ „Da“ – ”…");
    const auto bajtovi = Tekst::uCp1250(srpski);
    ASSERT_TRUE(bajtovi.has_value());
    EXPECT_EQ(bajtovi->size(), srpski.size());
    EXPECT_EQ(static_cast<unsigned char>(bajtovi->at(0)), 0xC8);   // Č
    EXPECT_EQ(static_cast<unsigned char>(bajtovi->at(10)), 0xF0);  // đ, the last alphabet code
    EXPECT_EQ(Tekst::izCp1250(*bajtovi), srpski);
    EXPECT_FALSE(Tekst::uCp1250(QStringLiteral("Ђ")).has_value());  // Cyrillic has no code
    EXPECT_FALSE(Tekst::uCp1250(QStringLiteral("ok €€ ß ж")).has_value());
}
