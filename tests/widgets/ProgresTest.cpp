// The loading progress window: percentage, sectors, drawing at once, top-most, closing.
#include "widgets/Progres.h"

#include "TestPomoc.h"
#include "shell/Karuvel.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QPointer>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct Slucaj {
    qint16 vrednost, maksimum;
    const char* procenat;
};

// A point of the disc in pixels: at `ugao` degrees, counter-clockwise from the right,
// half-way out from the centre.
QPoint TackaDiska(double ugao)
{
    const double s = Progres::Strana / 2100.0;
    const double r = qDegreesToRadians(ugao);
    return QPoint(qRound((1050 + 500 * std::cos(r)) * s), qRound((1050 - 500 * std::sin(r)) * s));
}

class BrojacCrtanja : public QObject {
public:
    int crtanja = 0;
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint)
            ++crtanja;
        return false;
    }
};

}  // namespace

TEST(Progres, ProcenatZaokruzujePolovineNaParan)
{
    const Slucaj slucajevi[] = {
        { 0, 100, "0%" }, { 1, 8, "12%" }, { 3, 8, "38%" }, { 5, 8, "62%" }, { 7, 8, "88%" },
        { 1, 3, "33%" }, { 2, 3, "67%" }, { 20, 100, "20%" }, { 8, 8, "100%" }, { 100, 100, "100%" },
    };
    for (const Slucaj& s : slucajevi)
        EXPECT_EQ(Progres::Procenat(s.vrednost, s.maksimum), QString::fromLatin1(s.procenat))
            << s.vrednost << "/" << s.maksimum;
}

TEST(Progres, IsecciOdJednogStepena)
{
    // Nothing done: the red sector goes all the way round, no green one.
    EXPECT_FLOAT_EQ(Progres::Ugao(0, 100), 0.0f);
    EXPECT_DOUBLE_EQ(Progres::Preostalo(0).raspon, 361.0);
    EXPECT_FALSE(Progres::Uradjeno(0).has_value());

    // All done: green from 1 to 360 degrees, a 1-degree red sliver from 360 on to 1.
    for (qint16 n : { 1, 8, 20, 100 }) {
        const float ugao = Progres::Ugao(n, n);
        EXPECT_FLOAT_EQ(ugao, 360.0f);
        EXPECT_DOUBLE_EQ(Progres::Preostalo(ugao).pocetak, 360.0);
        EXPECT_DOUBLE_EQ(Progres::Preostalo(ugao).raspon, 1.0);
        ASSERT_TRUE(Progres::Uradjeno(ugao).has_value());
        EXPECT_DOUBLE_EQ(Progres::Uradjeno(ugao)->pocetak, 1.0);
        EXPECT_DOUBLE_EQ(Progres::Uradjeno(ugao)->raspon, 359.0);
    }

    // Three eighths: 135 degrees done.
    const float ugao = Progres::Ugao(3, 8);
    EXPECT_FLOAT_EQ(ugao, 135.0f);
    EXPECT_DOUBLE_EQ(Progres::Preostalo(ugao).raspon, 226.0);
    EXPECT_DOUBLE_EQ(Progres::Uradjeno(ugao)->raspon, 134.0);
}

TEST(Progres, MaliProzorIznadSvihBezNaslova)
{
    Progres p;
    p.show();
    EXPECT_TRUE(p.isWindow());
    EXPECT_TRUE(p.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(p.windowFlags() & Qt::WindowType_Mask, Qt::Tool);
    // Blank, not empty: the desktop shows an empty title as the program's name.
    EXPECT_FALSE(p.windowTitle().isEmpty());
    EXPECT_TRUE(p.windowTitle().trimmed().isEmpty());
    EXPECT_EQ(p.size(), QSize(125, 125));
}

TEST(Progres, PrviPrikazSeCrtaBezPovratkaUPetljuDogadjaja)
{
    BrojacCrtanja brojac;
    Progres::Prikaz prikaz;
    prikaz.Prozor()->installEventFilter(&brojac);
    prikaz.Ucitavanje(0, 100);
    EXPECT_GT(brojac.crtanja, 0);
}

TEST(Progres, CrtaOdmahIBojeDiska)
{
    Progres p;
    p.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&p));
    BrojacCrtanja brojac;
    p.installEventFilter(&brojac);

    const QColor crvena(255, 0, 0), zelena(0, 255, 0);
    const struct {
        qint16 vrednost, maksimum;
        double ugao;
        QColor boja;
    } tacke[] = {
        { 0, 100, 45, crvena }, { 0, 100, 135, crvena }, { 0, 100, 300, crvena },
        { 4, 8, 90, zelena }, { 4, 8, 270, crvena },
        { 8, 8, 45, zelena }, { 8, 8, 200, zelena }, { 8, 8, 300, zelena },
    };
    for (const auto& t : tacke) {
        const int pre = brojac.crtanja;
        p.Ucitavanje(t.vrednost, t.maksimum);
        // Drawn inside the call, without a return to the event loop.
        EXPECT_GT(brojac.crtanja, pre);
        const QImage slika = p.grab().toImage();
        EXPECT_EQ(slika.pixelColor(TackaDiska(t.ugao)), t.boja)
            << t.vrednost << "/" << t.maksimum << " at " << t.ugao;
    }
    // The text stands inside the window.
    const QFontMetrics mere(QFont(QStringLiteral("Arial"), 20, QFont::Bold));
    EXPECT_LT(700.0 * 125 / 2100 + 50.0 * 125 / 2100 + mere.horizontalAdvance(QStringLiteral("100%")), 125);
}

TEST(Progres, KorakZatvaranjaGlavnogProzoraGaZatvara)
{
    TestPomoc::Poruke poruke;
    Karuvel glavni;
    glavni.show();
    QPointer<Progres> p;
    {
        Progres::Prikaz prikaz(&glavni);
        p = prikaz.Prozor();
        prikaz.Ucitavanje(1, 8);
        ASSERT_TRUE(p->isVisible());
        QAction* oProgramu = glavni.findChild<QAction*>(QStringLiteral("OProgramu"));
        ASSERT_NE(oProgramu, nullptr);
        oProgramu->trigger();
        EXPECT_TRUE(p.isNull() || !p->isVisible());
    }
    EXPECT_TRUE(p.isNull()) << "the scope's end unloads it";
}
