// The test windows as a screen reader gets them: the accessibility tree read over the
// accessibility bus (AT-SPI) by a separate program, atspi_stablo, while this one runs them on
// an X server. Every question is a group named by its number and text with its answers as
// radio buttons, every mark and picture is named, and no right answer is told before
// "Provera".
#include "GlavniTest.h"
#include "intersections/Raskrsnice.h"
#include "shell/Karuvel.h"
#include "signs/ZnakoviTest.h"
#include "widgets/PitanjeOkvir.h"
#include "widgets/ProzorPitanja.h"

#include <QApplication>
#include <QEventLoop>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <vector>

namespace {

struct Cvor {
    int dubina = 0;
    QString uloga;
    QString ime;
    QString opis;
    QStringList stanja;
};

class Atspi : public GlavniTest {
protected:
    void SetUp() override { NapraviGlavni(); }

    // The program's tree as atspi_stablo reads it; this program keeps answering meanwhile.
    static std::vector<Cvor> Stablo()
    {
        QProcess citac;
        QEventLoop petlja;
        QObject::connect(&citac, &QProcess::finished, &petlja, &QEventLoop::quit);
        QObject::connect(&citac, &QProcess::errorOccurred, &petlja, &QEventLoop::quit);
        QTimer::singleShot(90'000, &petlja, &QEventLoop::quit);
        citac.start(QStringLiteral(ATSPI_STABLO), { QString::number(QCoreApplication::applicationPid()) });
        petlja.exec();
        std::vector<Cvor> stablo;
        EXPECT_EQ(citac.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(citac.exitCode(), 0) << citac.readAllStandardError().toStdString();
        for (const QString& red : QString::fromUtf8(citac.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            const QStringList polja = red.split(QLatin1Char('\t'));
            if (polja.size() == 5)
                stablo.push_back({ polja[0].toInt(), polja[1], polja[2], polja[3], polja[4].split(QLatin1Char(','), Qt::SkipEmptyParts) });
        }
        EXPECT_FALSE(stablo.empty());
        return stablo;
    }

    // The nodes below stablo[i].
    static std::vector<Cvor> Potomci(const std::vector<Cvor>& stablo, std::size_t i)
    {
        std::vector<Cvor> potomci;
        for (std::size_t j = i + 1; j < stablo.size() && stablo[j].dubina > stablo[i].dubina; ++j)
            potomci.push_back(stablo[j]);
        return potomci;
    }

    // The nodes with that role and a name for which `ime` holds.
    template <class F>
    static std::vector<std::size_t> Nadji(const std::vector<Cvor>& stablo, const QString& uloga, F ime)
    {
        std::vector<std::size_t> nadjeni;
        for (std::size_t i = 0; i < stablo.size(); ++i) {
            if (stablo[i].uloga == uloga && ime(stablo[i].ime))
                nadjeni.push_back(i);
        }
        return nadjeni;
    }

    // No node tells a verdict ("tačan odgovor", "netačan odgovor").
    static void NistaTacnoPreProvere(const std::vector<Cvor>& stablo)
    {
        for (const Cvor& c : stablo) {
            EXPECT_FALSE(c.ime.contains(PitanjeOkvir::TacanOdgovor) || c.opis.contains(PitanjeOkvir::TacanOdgovor))
                << c.uloga.toStdString() << " " << c.ime.toStdString() << " " << c.opis.toStdString();
        }
    }

};

class AtspiPitanja : public Atspi, public ::testing::WithParamInterface<const char*> {};

TEST_P(AtspiPitanja, QuestionsAreGroupsOfRadioButtonsWithNamedMarksAndPictures)
{
    auto* p = OtvoriAktivnost<ProzorPitanja>(GetParam());
    ASSERT_TRUE(p);
    const bool situacije = QLatin1String(GetParam()).startsWith(QLatin1String("Situacije"));
    QTest::mouseClick(p->Okvir(1)->Label(2), Qt::LeftButton);

    for (const bool provereno : { false, true }) {
        SCOPED_TRACE(provereno ? "after the check" : "before the check");
        if (provereno)
            QTest::keyClick(p, Qt::Key_F5);
        const std::vector<Cvor> stablo = Stablo();
        if (!provereno)
            NistaTacnoPreProvere(stablo);
        for (int k = 1; k <= p->BrojOkvira(); ++k) {
            SCOPED_TRACE(k);
            PitanjeOkvir* okvir = p->Okvir(k);
            const QString pitanje = okvir->Label(0)->text();
            const auto grupe = Nadji(stablo, QStringLiteral("panel"),
                [&](const QString& ime) { return ime.startsWith(QStringLiteral("Pitanje %1").arg(k)) && ime.contains(pitanje); });
            ASSERT_EQ(grupe.size(), 1u) << "the group of question " << k;
            const std::vector<Cvor> deo = Potomci(stablo, grupe.front());
            int tacnih = 0;
            for (int j = 1; j <= 3; ++j) {
                const auto odgovori = Nadji(deo, QStringLiteral("radio button"), [&](const QString& ime) { return ime == okvir->Label(j)->text(); });
                ASSERT_EQ(odgovori.size(), 1u) << "answer " << j;
                const Cvor& odgovor = deo[odgovori.front()];
                EXPECT_EQ(odgovor.stanja.contains(QLatin1String("checked")), k == 1 && j == 2);
                EXPECT_EQ(odgovor.stanja.contains(QLatin1String("sensitive")), k != 1) << "answered questions take no more answers";
                if (provereno) {
                    EXPECT_TRUE(odgovor.opis == PitanjeOkvir::TacanOdgovor || odgovor.opis == PitanjeOkvir::NetacanOdgovor);
                    tacnih += odgovor.opis == PitanjeOkvir::TacanOdgovor;
                }
            }
            const auto oznake = Nadji(deo, QStringLiteral("graphic"), [&](const QString& ime) {
                return provereno ? ime == PitanjeOkvir::TacanOdgovor || ime == PitanjeOkvir::NetacanOdgovor : ime.startsWith(QStringLiteral("oznaka odgovora"));
            });
            EXPECT_EQ(oznake.size(), 3u) << "the marks";
            if (provereno) {
                EXPECT_EQ(tacnih, 1) << "one answer of each question is the right one";
            }
            if (situacije) {
                const auto slike = Nadji(deo, QStringLiteral("graphic"), [](const QString& ime) { return ime.startsWith(QStringLiteral("Slika situacije ")); });
                EXPECT_EQ(slike.size(), 1u) << "the picture";
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(TeorijaISituacije, AtspiPitanja, ::testing::Values("TeorijaB", "SituacijeP"),
    [](const auto& info) { return std::string(info.param); });

TEST_F(Atspi, TheSignTestNamesItsPicturesAndBoxesAndTellsTheAnswersOnlyAfterTheCheck)
{
    auto* z = OtvoriAktivnost<ZnakoviTest>("TestSaZnakovima");
    ASSERT_TRUE(z);
    for (const bool provereno : { false, true }) {
        SCOPED_TRACE(provereno ? "after the check" : "before the check");
        if (provereno)
            QTest::keyClick(z, Qt::Key_F5);
        const std::vector<Cvor> stablo = Stablo();
        for (int j = 1; j <= 10; ++j) {
            SCOPED_TRACE(j);
            const QString znak = QStringLiteral("Znak %1").arg(j);
            const auto slike = Nadji(stablo, QStringLiteral("graphic"), [&](const QString& ime) {
                return ime == znak || ime.startsWith(znak + QStringLiteral(": "));
            });
            ASSERT_EQ(slike.size(), 1u);
            const QString tacno = z->Test().Tacno(j - 1);
            if (provereno && !tacno.isEmpty())
                EXPECT_EQ(stablo[slike.front()].ime, znak + QStringLiteral(": ") + Kontrola<QLabel>(z, QStringLiteral("Label2_%1").arg(tacno))->text());
            else
                EXPECT_EQ(stablo[slike.front()].ime, znak) << "the answer is out before the check";
            const auto polja = Nadji(stablo, QStringLiteral("text"), [&](const QString& ime) { return ime == QStringLiteral("Broj opisa za znak %1").arg(j); });
            EXPECT_EQ(polja.size(), 1u) << "the box of picture " << j;
        }
    }
}

TEST_F(Atspi, TheIntersectionPicturesAreDescribedAndTheVerdictsToldAfterTheCheck)
{
    auto* r = OtvoriAktivnost<Raskrsnice>("RaskrsniceP");
    ASSERT_TRUE(r);
    std::vector<Cvor> stablo = Stablo();
    NistaTacnoPreProvere(stablo);
    for (int f = 1; f <= 2; ++f) {
        const auto slike = Nadji(stablo, QStringLiteral("graphic"), [&](const QString& ime) {
            return ime.startsWith(QStringLiteral("Raskrsnica %1, slika ").arg(f));
        });
        ASSERT_EQ(slike.size(), 1u);
        EXPECT_FALSE(stablo[slike.front()].opis.isEmpty());
    }
    EXPECT_FALSE(Nadji(stablo, QStringLiteral("push button"), [](const QString& ime) { return ime == QStringLiteral("Vozilo 1"); }).empty());
    QTest::keyClick(r, Qt::Key_F5);
    stablo = Stablo();
    // Nothing was entered: every place of the order is told wrong, none right.
    int netacnih = 0;
    for (const Cvor& c : stablo) {
        netacnih += c.opis == PitanjeOkvir::NetacanOdgovor;
        EXPECT_NE(c.opis, PitanjeOkvir::TacanOdgovor) << c.ime.toStdString();
    }
    EXPECT_GE(netacnih, static_cast<int>(r->Test().Pitanje(0).resenje.size()));
}

}  // namespace
