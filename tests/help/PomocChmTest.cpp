// The help file reader on the built help file and on damaged copies of it: whatever the bytes,
// it reads only inside them, allocates little and never crashes.
#include "help/PomocChm.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

const QString Uputstvo = QStringLiteral(KARUVEL_UPUTSTVO);
const QString Osteceni = QStringLiteral(POMOC_OSTECENI);

QByteArray Procitaj(const QString& put)
{
    QFile f(put);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Opens the help file and reads every entry it lists: the table of contents and the first page
// too. Returns how many entries came out whole.
int ProcitajSve(const PomocChm& chm)
{
    int procitano = 0;
    for (const QString& ime : chm.Imena())
        procitano += chm.Procitaj(ime).has_value();
    chm.Procitaj(chm.Sadrzaj());
    chm.Procitaj(chm.PocetnaStrana());
    return procitano;
}

}  // namespace

TEST(PomocChm, CitaSveDatotekeIzgradjenogUputstva)
{
    const QByteArray bajtovi = Procitaj(Uputstvo);
    ASSERT_FALSE(bajtovi.isEmpty());
    const PomocChm iz(Uputstvo);
    const PomocChm izMemorije(bajtovi);
    for (const PomocChm* chm : { &iz, &izMemorije }) {
        ASSERT_TRUE(chm->Otvoren());
        EXPECT_EQ(chm->PocetnaStrana(), "/uvod.htm");
        EXPECT_EQ(chm->Sadrzaj(), "/sadrzaj.hhc");
        const QStringList imena = chm->Imena();
        EXPECT_TRUE(imena.contains("/#SYSTEM")) << imena.join(u' ').toStdString();
        EXPECT_TRUE(imena.contains("/slike/meni.png")) << imena.join(u' ').toStdString();
        EXPECT_EQ(ProcitajSve(*chm), imena.size());
    }
    // Pages come out as the sources are, in code page 1250; names in any letter case.
    const std::optional<QByteArray> css = iz.Procitaj(QStringLiteral("STIL.CSS"));
    ASSERT_TRUE(css.has_value());
    QByteArray izvor = Procitaj(QStringLiteral(KARUVEL_POMOC_IZVOR "/stil.css"));
    EXPECT_EQ(css->trimmed(), izvor.trimmed());
    EXPECT_FALSE(iz.Procitaj(QStringLiteral("/nema.htm")).has_value());
    EXPECT_FALSE(iz.Procitaj(QString()).has_value());
}

// Damaged help files that ended the program with its earlier reader (a heap overflow in the
// block reader, a NULL decompressor state, a division by zero, a 4 GB allocation).
TEST(PomocChm, OsteceneDatotekeSeCitajuBezPada)
{
    const QStringList imena = QDir(Osteceni).entryList({ QStringLiteral("*.chm") }, QDir::Files, QDir::Name);
    ASSERT_EQ(imena.size(), 4) << Osteceni.toStdString();
    for (const QString& ime : imena) {
        const PomocChm chm(Osteceni + u'/' + ime);
        ProcitajSve(chm);
    }
}

// The built help file cut short at 32 places, and with one byte changed at 64 places over the
// whole file and every 127 bytes of its header and directory: each copy opens or not, reads what
// it can and never reads outside its bytes.
TEST(PomocChm, SkraceneIIzmenjeneKopije)
{
    const QByteArray bajtovi = Procitaj(Uputstvo);
    ASSERT_GT(bajtovi.size(), 8192);
    int otvoreno = 0;
    for (int i = 0; i < 32; ++i) {
        const PomocChm chm(bajtovi.left(bajtovi.size() * i / 32));
        otvoreno += chm.Otvoren();
        ProcitajSve(chm);
    }
    QList<qsizetype> mesta;
    for (int i = 0; i < 64; ++i)
        mesta << bajtovi.size() * i / 64 + 17;
    for (qsizetype m = 0; m < 8192; m += 127)
        mesta << m;
    for (const qsizetype m : mesta) {
        QByteArray kopija = bajtovi;
        kopija[m] = char(kopija[m] ^ 0x5a);
        const PomocChm chm(kopija);
        otvoreno += chm.Otvoren();
        ProcitajSve(chm);
    }
    EXPECT_GT(otvoreno, 0);
}
