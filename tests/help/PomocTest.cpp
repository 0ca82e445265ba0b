#include "help/Internet.h"
#include "shell/Karuvel.h"
#include "help/PomocPregled.h"
#include "help/PomocProzor.h"

#include "TestPomoc.h"

#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

const QString Uputstvo = QStringLiteral(KARUVEL_UPUTSTVO);

QList<PomocProzor*> OtvoreniProzori()
{
    QList<PomocProzor*> prozori;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* p = qobject_cast<PomocProzor*>(w))
            prozori << p;
    }
    return prozori;
}

void ZatvoriSve()
{
    for (PomocProzor* p : OtvoreniProzori())
        delete p;
}

// Collects the addresses handed to the desktop instead of opening them.
class Fixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_prethodni = Internet::ZameniOtvarac([this](const QUrl& adresa) {
            m_adrese << adresa;
            return m_uspeh;
        });
    }
    void TearDown() override
    {
        ZatvoriSve();
        Internet::ZameniOtvarac(m_prethodni);
    }

    TestPomoc::Poruke m_poruke;
    QList<QUrl> m_adrese;
    bool m_uspeh = true;
    Internet::Otvarac m_prethodni;
};

using UputstvoProzor = Fixture;
using KomandePomoci = Fixture;

QStringList Stavke(const QTreeWidget* stablo)
{
    QStringList s;
    for (QTreeWidgetItemIterator it(const_cast<QTreeWidget*>(stablo)); *it; ++it)
        s << QString((*it)->parent() ? "  " : "") + (*it)->text(0);
    return s;
}

TEST_F(UputstvoProzor, OtvaraPrevedenuDatotekuSaPrvomStranomISadrzajem)
{
    ASSERT_TRUE(QFile::exists(Uputstvo)) << Uputstvo.toStdString();
    PomocProzor* p = PomocProzor::Otvori(nullptr, Uputstvo);
    ASSERT_NE(p, nullptr);
    EXPECT_TRUE(p->isVisible());
    EXPECT_TRUE(p->isWindow());
    EXPECT_EQ(p->windowTitle(), "Uputstvo - Karuvel");
    EXPECT_TRUE(p->property("karuvelOstaje").toBool());

    auto* strana = p->findChild<PomocPregled*>("Strana");
    ASSERT_NE(strana, nullptr);
    EXPECT_EQ(strana->source(), QUrl("chm:/uvod.htm"));
    EXPECT_EQ(strana->documentTitle(), "Karuvel - uvod");
    // The page is stored in code page 1250: its letters must come out whole.
    EXPECT_TRUE(strana->toPlainText().contains("Karuvel je program za vežbanje teorijskog dela vozačkog ispita"))
        << strana->toPlainText().left(300).toStdString();

    auto* sadrzaj = p->findChild<QTreeWidget*>("Sadrzaj");
    ASSERT_NE(sadrzaj, nullptr);
    EXPECT_EQ(Stavke(sadrzaj),
        QStringList({ "Karuvel - uvod", "Meni programa", "Saobraćajni znakovi", "  Test sa znakovima",
            "Teorijska pitanja", "Situacije sa slikama", "Raskrsnice", "Ispit i rezultat provere", "Boje i oznake",
            "Točkić miša i tastatura", "Uputstvo, Internet i O programu" }));
    ASSERT_NE(sadrzaj->currentItem(), nullptr);
    EXPECT_EQ(sadrzaj->currentItem()->text(0), "Karuvel - uvod");
}

// Every entry of the table opens its page, with the entry's heading and all its pictures.
TEST_F(UputstvoProzor, SvakaStavkaSadrzajaOtvaraSvojuStranuSaSlikama)
{
    PomocProzor* p = PomocProzor::Otvori(nullptr, Uputstvo);
    ASSERT_NE(p, nullptr);
    auto* sadrzaj = p->findChild<QTreeWidget*>("Sadrzaj");
    auto* strana = p->findChild<PomocPregled*>("Strana");
    int slika = 0;
    for (QTreeWidgetItemIterator it(sadrzaj); *it; ++it) {
        QTreeWidgetItem* stavka = *it;
        const QRect mesto = sadrzaj->visualItemRect(stavka);
        QTest::mouseClick(sadrzaj->viewport(), Qt::LeftButton, {}, mesto.center());
        EXPECT_EQ(sadrzaj->currentItem(), stavka);
        EXPECT_EQ(strana->documentTitle(), stavka->text(0)) << strana->source().toString().toStdString();

        QTextDocument* dok = strana->document();
        for (QTextBlock b = dok->begin(); b.isValid(); b = b.next()) {
            for (auto f = b.begin(); !f.atEnd(); ++f) {
                const QTextCharFormat format = f.fragment().charFormat();
                if (!format.isImageFormat())
                    continue;
                const QString ime = format.toImageFormat().name();
                const QVariant podaci = strana->loadResource(QTextDocument::ImageResource, QUrl(ime));
                const QImage slikaStrane = podaci.userType() == QMetaType::QImage ? podaci.value<QImage>()
                                                                                   : QImage::fromData(podaci.toByteArray());
                EXPECT_FALSE(slikaStrane.isNull()) << ime.toStdString() << " on " << strana->source().toString().toStdString();
                ++slika;
            }
        }
    }
    EXPECT_GT(slika, 0);
}

TEST_F(UputstvoProzor, VezeVodeKrozStraneASpoljneNaInternet)
{
    PomocProzor* p = PomocProzor::Otvori(nullptr, Uputstvo);
    ASSERT_NE(p, nullptr);
    auto* strana = p->findChild<PomocPregled*>("Strana");
    auto* sadrzaj = p->findChild<QTreeWidget*>("Sadrzaj");
    auto* nazad = p->findChild<QPushButton*>("Nazad");
    auto* pocetna = p->findChild<QPushButton*>("Pocetna");
    EXPECT_FALSE(nazad->isEnabled());

    // A link of the page: the table follows it.
    emit strana->anchorClicked(strana->source().resolved(QUrl("raskrsnice.htm")));
    EXPECT_EQ(strana->source(), QUrl("chm:/raskrsnice.htm"));
    EXPECT_EQ(sadrzaj->currentItem()->text(0), "Raskrsnice");
    EXPECT_TRUE(strana->toPlainText().contains("redosled prolaza vozila"));

    // A link out of the help goes to the desktop, the page stays.
    emit strana->anchorClicked(QUrl("https://www.karuvel.rs/"));
    EXPECT_EQ(m_adrese, QList<QUrl>({ QUrl("https://www.karuvel.rs/") }));
    EXPECT_EQ(strana->source(), QUrl("chm:/raskrsnice.htm"));

    ASSERT_TRUE(nazad->isEnabled());
    QTest::mouseClick(nazad, Qt::LeftButton);
    EXPECT_EQ(strana->source(), QUrl("chm:/uvod.htm"));
    EXPECT_EQ(sadrzaj->currentItem()->text(0), "Karuvel - uvod");

    emit strana->anchorClicked(QUrl("chm:/pomoc.htm"));
    QTest::mouseClick(pocetna, Qt::LeftButton);
    EXPECT_EQ(strana->source(), QUrl("chm:/uvod.htm"));
}

TEST_F(UputstvoProzor, DrugoOtvaranjeDovodiIstiProzorNapred)
{
    PomocProzor* prvi = PomocProzor::Otvori(nullptr, Uputstvo);
    ASSERT_NE(prvi, nullptr);
    prvi->showMinimized();
    EXPECT_EQ(PomocProzor::Otvori(nullptr, Uputstvo), prvi);
    EXPECT_FALSE(prvi->isMinimized());
    EXPECT_EQ(OtvoreniProzori().size(), 1);

    // Once closed, the next opening makes a new window.
    prvi->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(OtvoreniProzori().isEmpty());
    PomocProzor* drugi = PomocProzor::Otvori(nullptr, Uputstvo);
    ASSERT_NE(drugi, nullptr);
    EXPECT_TRUE(drugi->isVisible());
}

TEST_F(UputstvoProzor, NeispravnaDatotekaNePrikazujeNistaIPrecutno)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const auto napravi = [&](const char* ime, const QByteArray& bajtovi) {
        QFile f(dir.filePath(ime));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bajtovi);
        return f.fileName();
    };
    QByteArray pocetak;
    {
        QFile f(Uputstvo);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        pocetak = f.read(2048);
    }
    const std::vector<std::pair<const char*, QString>> slucajevi {
        { "missing file", dir.filePath("Uputstvo-Karuvel v1.1.chm") },
        { "empty file", napravi("prazna.chm", {}) },
        { "not a help file", napravi("tekst.chm", QByteArray("<html>Uputstvo</html>").repeated(200)) },
        { "cut short after its header", napravi("krnja.chm", pocetak) },
        { "a folder", dir.path() },
    };
    for (const auto& [opis, putanja] : slucajevi) {
        EXPECT_EQ(PomocProzor::Otvori(nullptr, putanja), nullptr) << opis;
        EXPECT_TRUE(OtvoreniProzori().isEmpty()) << opis;
    }
    EXPECT_TRUE(m_poruke.Primljene().isEmpty());
}

// The help file is kept from one window to the next only while it stays as it was: replaced
// on the disc, it is read again, whether the new one is damaged or another help file.
TEST_F(UputstvoProzor, ZamenjenaDatotekaSeCitaPonovo)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString putanja = dir.filePath(QStringLiteral("Uputstvo-Karuvel v1.1.chm"));
    QByteArray ispravna;
    {
        QFile f(Uputstvo);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        ispravna = f.readAll();
    }
    // Each version a minute apart on the disc, whatever the file system's clock resolution.
    int verzija = 0;
    const auto upisi = [&](const QByteArray& bajtovi) {
        QFile::remove(putanja);
        QFile f(putanja);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bajtovi);
        f.setFileTime(QDateTime::currentDateTime().addSecs(60 * ++verzija), QFileDevice::FileModificationTime);
    };
    upisi(ispravna);
    PomocProzor* p = PomocProzor::Otvori(nullptr, putanja);
    ASSERT_NE(p, nullptr);
    const QString naslov = p->Strana()->documentTitle();
    delete p;

    // As long as the first one, so that only the contents tell them apart.
    QByteArray ostecena = ispravna;
    std::fill(ostecena.begin() + 64, ostecena.end(), '\0');
    upisi(ostecena);
    EXPECT_EQ(PomocProzor::Otvori(nullptr, putanja), nullptr);
    EXPECT_TRUE(OtvoreniProzori().isEmpty());

    upisi(ispravna);
    p = PomocProzor::Otvori(nullptr, putanja);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->Strana()->documentTitle(), naslov);
    delete p;
}

// Damaged help files that ended the program with its earlier reader: no window or a window
// with what could be read, never a message.
TEST_F(UputstvoProzor, OstecenaDatotekaNeGasiProgram)
{
    const QDir osteceni(QStringLiteral(POMOC_OSTECENI));
    const QStringList imena = osteceni.entryList({ QStringLiteral("*.chm") }, QDir::Files);
    ASSERT_FALSE(imena.isEmpty());
    for (const QString& ime : imena) {
        if (PomocProzor* p = PomocProzor::Otvori(nullptr, osteceni.filePath(ime))) {
            for (QTreeWidgetItemIterator it(p->findChild<QTreeWidget*>("Sadrzaj")); *it; ++it) {
                auto* sadrzaj = p->findChild<QTreeWidget*>("Sadrzaj");
                QTest::mouseClick(sadrzaj->viewport(), Qt::LeftButton, {}, sadrzaj->visualItemRect(*it).center());
            }
            ZatvoriSve();
        }
    }
    EXPECT_TRUE(m_poruke.Primljene().isEmpty());
}

TEST_F(KomandePomoci, UputstvoOstajeOtvorenoKadGlavniProzorZatvaraOstale)
{
    Karuvel glavni;
    glavni.show();
    PomocProzor* p = PomocProzor::Otvori(&glavni, Uputstvo);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->parentWidget(), &glavni);

    glavni.findChild<QAction*>("OProgramu")->trigger();
    ASSERT_EQ(OtvoreniProzori(), QList<PomocProzor*>({ p }));
    EXPECT_TRUE(p->isVisible());

    // "Uputstvo" again: the same window, in front.
    glavni.findChild<QAction*>("Uputstvo")->trigger();
    EXPECT_EQ(OtvoreniProzori(), QList<PomocProzor*>({ p }));
    EXPECT_TRUE(m_poruke.Primljene().isEmpty());
}

// The help file beside the program (its build folder) wins; an installed program, in
// <prefix>/bin, finds it in <prefix>/share/karuvel; without either the missing file beside the
// program is named, which the help window refuses to open.
TEST(DatotekaUputstva, PoredProgramaIliUFasciliPodataka)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QDir koren(dir.path());
    ASSERT_TRUE(koren.mkpath("usr/bin") && koren.mkpath("usr/share/karuvel"));
    const QString bin = koren.filePath("usr/bin");
    const QString pored = koren.filePath("usr/bin/" + PomocProzor::ImeDatoteke);
    const QString instalirana = koren.filePath("usr/share/karuvel/" + PomocProzor::ImeDatoteke);
    const auto napravi = [](const QString& putanja) {
        QFile f(putanja);
        return f.open(QIODevice::WriteOnly) && f.write("ITSF") == 4;
    };

    EXPECT_EQ(PomocProzor::Datoteka(bin).toStdString(), pored.toStdString()) << "neither";
    ASSERT_TRUE(napravi(instalirana));
    EXPECT_EQ(PomocProzor::Datoteka(bin).toStdString(), instalirana.toStdString()) << "installed only";
    EXPECT_EQ(PomocProzor::Datoteka(bin + "/").toStdString(), instalirana.toStdString())
        << "folder with a slash";
    ASSERT_TRUE(napravi(pored));
    EXPECT_EQ(PomocProzor::Datoteka(bin).toStdString(), pored.toStdString()) << "both";
}

TEST_F(KomandePomoci, UputstvoBezDatotekeUFasciliProgramaNePrikazujeNista)
{
    if (QFile::exists(PomocProzor::Datoteka()))
        GTEST_SKIP() << "a help file sits beside the test program";
    Karuvel glavni;
    glavni.show();
    const int pre = QApplication::topLevelWidgets().size();
    glavni.findChild<QAction*>("Uputstvo")->trigger();
    EXPECT_TRUE(OtvoreniProzori().isEmpty());
    EXPECT_EQ(QApplication::topLevelWidgets().size(), pre);
    EXPECT_TRUE(m_poruke.Primljene().isEmpty());
}

TEST_F(KomandePomoci, NaInternetPredajeAdresuRadnojPovrsini)
{
    Karuvel glavni;
    glavni.show();
    for (const bool uspeh : { true, false }) {
        m_adrese.clear();
        m_uspeh = uspeh;
        const int pre = QApplication::topLevelWidgets().size();
        glavni.findChild<QAction*>("NaInternet")->trigger();
        EXPECT_EQ(m_adrese, QList<QUrl>({ QUrl("https://www.karuvel.rs/") })) << uspeh;
        EXPECT_EQ(QApplication::topLevelWidgets().size(), pre) << uspeh;
    }
    EXPECT_EQ(Internet::Adresa, QUrl("https://www.karuvel.rs/"));
    EXPECT_TRUE(m_poruke.Primljene().isEmpty());
}

}

TEST_F(UputstvoProzor, EscZatvaraProzorIzSadrzajaIStrane)
{
    for (const bool izSadrzaja : { true, false }) {
        PomocProzor* p = PomocProzor::Otvori(nullptr, Uputstvo);
        ASSERT_NE(p, nullptr);
        QWidget* fokus = izSadrzaja ? static_cast<QWidget*>(p->Sadrzaj()) : static_cast<QWidget*>(p->Strana());
        QTest::keyClick(fokus, Qt::Key_Escape);
        EXPECT_FALSE(p->isVisible()) << izSadrzaja;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(OtvoreniProzori().isEmpty()) << izSadrzaja;
    }
}
