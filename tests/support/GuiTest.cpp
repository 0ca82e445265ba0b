#include "GuiTest.h"

#include "content/Module1.h"

#include <QPushButton>
#include <QTest>
#include <QTimer>

void GuiTest::TearDown()
{
    // Windows the test owns are deleted by the test; those that delete themselves on closing
    // go now.
    for (QWidget* w : QApplication::topLevelWidgets())
        w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

int GuiTest::OtvoreniProgresi()
{
    int n = 0;
    for (QWidget* w : QApplication::allWidgets())
        if (qobject_cast<Progres*>(w) && w->isVisible())
            ++n;
    return n;
}

bool PracenjeProgresa::eventFilter(QObject* o, QEvent* e)
{
    if (e->type() == QEvent::Paint) {
        if (auto* p = qobject_cast<Progres*>(o)) {
            const std::pair<int, int> k { p->Vrednost(), p->Maksimum() };
            if (koraci.empty() || koraci.back() != k)
                koraci.push_back(k);
        }
    }
    return false;
}

void GuiTest::NovTestNaTajmeru(QWidget* prozor, const QString& ime)
{
    auto* dugme = Kontrola<QPushButton>(prozor, ime);
    auto* timer = Kontrola<QTimer>(prozor, QStringLiteral("Timer1"));
    ASSERT_TRUE(dugme && timer);
    ASSERT_TRUE(dugme->isEnabled());
    timer->setInterval(30);
    QTest::mouseClick(dugme, Qt::LeftButton);
    EXPECT_FALSE(dugme->isEnabled());
    EXPECT_TRUE(QTest::qWaitFor([dugme] { return dugme->isEnabled(); }, 3000)) << "the lock never lets go";
    EXPECT_FALSE(timer->isActive());
}

QString GuiTest::OpisPoruke(const QString& poruka)
{
    return poruka.startsWith(Module1::PorukaGreske) ? poruka.mid(Module1::PorukaGreske.size()).trimmed() : QString();
}

void GuiTest::ProveriPoruku(qsizetype pre, const QStringList& reci)
{
    ASSERT_EQ(poruke.Primljene().size(), pre + 1);
    const QString opis = OpisPoruke(poruke.Primljene().last());
    for (const QString& rec : reci)
        EXPECT_TRUE(opis.contains(rec)) << poruke.Primljene().last().toStdString();
    EXPECT_EQ(poruke.ProgresiPriPoruci().last(), 0) << "the message came over the progress window";
    EXPECT_EQ(OtvoreniProgresi(), 0);
}
