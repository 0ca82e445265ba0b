// The sign catalogue opened by the main window's commands: headings, the signs of a category
// with their pictures and descriptions, the scrolling panel, the progress disc, failures.
#include "GuiTest.h"

#include "content/Module1.h"
#include "shell/Karuvel.h"
#include "widgets/Panel.h"
#include "signs/Znakovi.h"
#include "signs/ZnakoviTest.h"

#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

// The number of signs of a category in the bank.
int ZnakovaUKategoriji(qint16 kategorija)
{
    return static_cast<int>(Module1::UcitajZnakove(kategorija).zapisi.size());
}

class Katalog : public GuiTest {
protected:
    void SetUp() override
    {
        // The program's own content unless a case installs fixture records.
        Module1::PostaviIzvor({});
        m_glavni->show();
    }
    void TearDown() override
    {
        m_glavni->ZatvoriOstale();
        m_glavni.reset();
        GuiTest::TearDown();
    }

    // Chooses the menu item with this objectName, as a click would.
    void Izaberi(const QString& stavka)
    {
        QAction* a = Kontrola<QAction>(m_glavni.get(), stavka);
        ASSERT_NE(a, nullptr);
        a->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QList<QWidget*> Otvoreni() const
    {
        QList<QWidget*> otvoreni;
        for (QMdiSubWindow* w : m_glavni->Povrsina()->subWindowList())
            if (w->widget())
                otvoreni << w->widget();
        return otvoreni;
    }

    Znakovi* OtvorenKatalog() const
    {
        const QList<QWidget*> o = Otvoreni();
        return o.size() == 1 ? qobject_cast<Znakovi*>(o.front()) : nullptr;
    }

    std::unique_ptr<Karuvel> m_glavni = std::make_unique<Karuvel>(Seme());
};

TEST_F(Katalog, HeadingsCarryTheDiacriticsTheMenuItemsLeaveOut)
{
    struct Slucaj {
        const char* stavka;
        const char* meni;
        const char* naslov;
    };
    const Slucaj slucajevi[] = {
        { "Znak_1", "Znakovi opasnosti", "Znakovi opasnosti" },
        { "Znak_2", "Znakovi zabrane i ogranicenja", "Znakovi zabrane i ograničenja" },
        { "Znak_3", "Znakovi obaveze", "Znakovi obaveze" },
        { "Znak_4", "Znakovi obavestenja", "Znakovi obaveštenja" },
        { "Znak_5", "Dopunske table", "Dopunske table" },
    };
    for (const Slucaj& s : slucajevi) {
        SCOPED_TRACE(s.stavka);
        EXPECT_EQ(m_glavni->findChild<QAction*>(s.stavka)->text(), QString::fromUtf8(s.meni));
        Izaberi(s.stavka);
        Znakovi* k = OtvorenKatalog();
        ASSERT_NE(k, nullptr);
        EXPECT_EQ(Kontrola<QLabel>(k, "Label1")->text(), QString::fromUtf8(s.naslov));
        EXPECT_GT(k->Broj(), 0);
    }
}

TEST_F(Katalog, EachSignHasItsPictureAndBesideItADescriptionAsTallAsThePicture)
{
    Izaberi("Znak_2");
    Znakovi* k = OtvorenKatalog();
    ASSERT_NE(k, nullptr);

    // The category's signs, in bank order, as the sign bank holds them.
    const int n = ZnakovaUKategoriji(2);
    ASSERT_EQ(k->Broj(), n);
    ASSERT_GE(n, 2);
    QWidget* frame = Kontrola(k, "Frame1");

    int vrh = 180 + 435;  // twips: the hidden template
    int prethodna = 0;
    int ukupno = 0;
    for (int i = 1; i <= n; ++i) {
        SCOPED_TRACE(i);
        auto* slika = Kontrola<QLabel>(k, QStringLiteral("Image1_%1").arg(i));
        auto* opis = Kontrola<QLabel>(k, QStringLiteral("Label2_%1").arg(i));
        ASSERT_TRUE(slika && opis);
        EXPECT_EQ(slika->parentWidget(), frame);
        EXPECT_EQ(opis->parentWidget(), frame);
        EXPECT_TRUE(slika->isVisibleTo(k));
        EXPECT_TRUE(opis->isVisibleTo(k));

        // The picture at its own size, 100 twips below the element above it.
        const QSize velicina = slika->pixmap().size();
        EXPECT_EQ(slika->size(), velicina);
        vrh += prethodna + 100;
        prethodna = velicina.height() * 15;
        EXPECT_EQ(slika->y(), qRound(vrh / 15.0));
        EXPECT_EQ(slika->x(), 5);
        ukupno += velicina.height() * 15 + 1000;

        EXPECT_EQ(opis->geometry(), QRect(196, slika->y(), 533, slika->height()));  // 2940, 8000 twips
        EXPECT_FALSE(opis->text().isEmpty());
        EXPECT_TRUE(opis->wordWrap());
        EXPECT_TRUE(opis->font().bold());
        EXPECT_DOUBLE_EQ(opis->font().pointSizeF(), 9.75);
        EXPECT_EQ(opis->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    }
    EXPECT_EQ(frame->height(), qRound(ukupno / 15.0));
    // The last sign ends inside the content frame.
    EXPECT_LT(Kontrola(k, QStringLiteral("Image1_%1").arg(n))->geometry().bottom(), frame->height());
}

TEST_F(Katalog, DescriptionsAreTheSignsOfTheCategoryInBankOrder)
{
    Izaberi("Znak_5");
    Znakovi* k = OtvorenKatalog();
    ASSERT_NE(k, nullptr);
    ASSERT_EQ(k->Broj(), 2);
    auto* prvi = Kontrola<QLabel>(k, "Label2_1");
    auto* drugi = Kontrola<QLabel>(k, "Label2_2");
    auto* slika = Kontrola<QLabel>(k, "Image1_1");
    ASSERT_TRUE(prvi && drugi && slika);
    EXPECT_TRUE(prvi->text().contains(QStringLiteral("150 m")));
    EXPECT_TRUE(drugi->text().contains(QStringLiteral("raskrsnicu")));
    // And the picture of the first one is ZNAK 19.
    const QImage ocekivana(QStringLiteral(":/ZNAK/19"));
    EXPECT_EQ(slika->pixmap().toImage().convertToFormat(QImage::Format_ARGB32),
        ocekivana.convertToFormat(QImage::Format_ARGB32));
}

TEST_F(Katalog, OpeningACategoryClosesWhateverWasOpen)
{
    m_glavni->OProgramu_Click();
    Izaberi("Znak_1");
    ASSERT_NE(OtvorenKatalog(), nullptr);
    EXPECT_EQ(Kontrola<QLabel>(OtvorenKatalog(), "Label1")->text(), "Znakovi opasnosti");

    Izaberi("TestSaZnakovima");
    ASSERT_EQ(Otvoreni().size(), 1);
    EXPECT_NE(qobject_cast<ZnakoviTest*>(Otvoreni().front()), nullptr);

    Izaberi("Znak_4");
    ASSERT_NE(OtvorenKatalog(), nullptr);
    Izaberi("Znak_4");  // the same category again: a fresh catalogue
    ASSERT_NE(OtvorenKatalog(), nullptr);
    EXPECT_EQ(Kontrola<QLabel>(OtvorenKatalog(), "Label1")->text(), QString::fromUtf8("Znakovi obaveštenja"));
    EXPECT_EQ(OtvorenKatalog()->Broj(), ZnakovaUKategoriji(4));
}

TEST_F(Katalog, ActivationMaximisesTheMainWindowAndThePanelScrolls)
{
    m_glavni->OProgramu_Click();
    ASSERT_FALSE(m_glavni->isMaximized());
    Izaberi("Znak_2");
    Znakovi* k = OtvorenKatalog();
    ASSERT_NE(k, nullptr);
    EXPECT_TRUE(m_glavni->isMaximized());

    auto* traka = Kontrola<QScrollBar>(k, "VScroll1");
    QWidget* viewport = Kontrola(k, "Picture1");
    QWidget* frame = Kontrola(k, "Frame1");
    EXPECT_EQ(traka->y(), 54);
    EXPECT_EQ(traka->value(), 0);
    EXPECT_EQ(traka->maximum(), std::max(0, frame->height() - viewport->height()));
    if (traka->maximum() >= Panel::Zubac) {
        TestPomoc::Tocak(k, -Panel::Zubac);  // one notch towards the user
        EXPECT_EQ(traka->value(), Panel::Zubac);
        EXPECT_EQ(frame->y(), -Panel::Zubac);
    }
}

TEST_F(Katalog, TheProgressDiscCountsTheSignsAndCloses)
{
    PracenjeProgresa pracenje;
    Izaberi("Znak_5");
    ASSERT_NE(OtvorenKatalog(), nullptr);
    const std::vector<std::pair<int, int>> ocekivano { { 1, 2 }, { 2, 2 } };
    EXPECT_EQ(pracenje.koraci, ocekivano);
    EXPECT_EQ(OtvoreniProgresi(), 0);
}

// Content that cannot be loaded: a message that says what went wrong, shown only after the
// progress window has closed; no window; and the main window goes on.
TEST_F(Katalog, FailuresShowAMessageAndOpenNothing)
{
    using namespace Fiksture;
    struct Slucaj {
        const char* opis;
        std::optional<QByteArray> resurs;
        const char* uzrok;  // what the message names below the general one
    };
    const Slucaj slucajevi[] = {
        { "sign records missing", std::nullopt, "TEKST 1" },
        { "no sign of this category", Dopuni(Zapis(5, { "1", "opasnost", "1" })), "TEKST 1" },
        // The first sign is built under the progress window before the second fails.
        { "picture missing", Dopuni(Zapis(5, { "2", "prvi", "6" }) + Zapis(6, { "2", "bez slike", "99" })), "'99'" },
    };
    for (const Slucaj& s : slucajevi) {
        SCOPED_TRACE(s.opis);
        m_glavni->OProgramu_Click();
        const qsizetype pre = poruke.Primljene().size();
        {
            Izvori zapisi;  // the program's own content again when it goes
            if (s.resurs)
                zapisi.Postavi(1, *s.resurs);
            Izaberi("Znak_2");
        }
        EXPECT_TRUE(Otvoreni().isEmpty());
        ASSERT_EQ(poruke.Primljene().size(), pre + 1);
        const QString poruka = poruke.Primljene().last();
        EXPECT_TRUE(poruka.startsWith(Module1::PorukaGreske)) << poruka.toStdString();
        EXPECT_TRUE(poruka.mid(Module1::PorukaGreske.size()).contains(QString::fromUtf8(s.uzrok)))
            << poruka.toStdString();
        EXPECT_EQ(poruke.ProgresiPriPoruci().last(), 0) << "the message came over the progress window";
        EXPECT_EQ(OtvoreniProgresi(), 0);

        // The real content opens again at once.
        Izaberi("Znak_2");
        EXPECT_NE(OtvorenKatalog(), nullptr);
        EXPECT_EQ(poruke.Primljene().size(), pre + 1);
    }
}

}  // namespace
