// A scripted session for a picture of the progress window: earlier days written straight
// into a fresh store, then today's session driven through the real windows (theory "B" tests
// answered and checked, the situations, the sign test and the intersections), then
// "Ponovi greške – B" answered and checked, and the progress window grabbed.
//   QT_QPA_PLATFORM=offscreen build/bench/karuvel_napredak_snimak <picture.png>
#include "intersections/Raskrsnice.h"
#include "napredak/Skladiste.h"
#include "shell/Karuvel.h"
#include "shell/NapredakProzor.h"
#include "signs/ZnakoviTest.h"
#include "situations/Situacije.h"
#include "theory/Teorija.h"

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTemporaryDir>

#include <cstdio>

namespace {

template <class T>
T* Otvoren(Karuvel& k)
{
    for (QMdiSubWindow* w : k.Povrsina()->subWindowList())
        if (auto* p = qobject_cast<T*>(w->widget()))
            return p;
    return nullptr;
}

// Answers every question of a question window: right where `tacno(k)` holds, else wrong.
template <class F>
void Odgovori(ProzorPitanja* p, F tacno)
{
    const auto& pitanja = p->Test().Pitanja();
    for (int k = 1; k <= p->BrojOkvira() && k <= static_cast<int>(pitanja.size()); ++k) {
        const int t = pitanja[static_cast<std::size_t>(k - 1)].tacan;
        emit p->Okvir(k)->Kliknut((tacno(k) ? t : (t + 1) % 3) + 1);
    }
    p->Provera();
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc != 2)
        return 2;
    QTemporaryDir dir;
    Skladiste skladiste(dir.filePath(QStringLiteral("napredak.sqlite")));
    // Earlier days: one theory "B" check a day getting better, and two exams.
    const QDateTime danas = QDateTime::currentDateTimeUtc();
    for (int d = 10; d >= 1; --d) {
        Napredak::Provera p {Napredak::Aktivnost::Teorija, "B", danas.addDays(-d), {}};
        for (int i = 0; i < 10; ++i)
            p.odgovori.push_back({Napredak::Banka::Teorija, static_cast<qint16>(((20 + 10 * (10 - d) + i) * 40503 + 12345)),
                "1", i < 10 - d / 2});
        skladiste.ZapisiProveru(p);
    }
    skladiste.ZapisiIspit({"B", 74, 120, false, danas.addDays(-6), {}});
    skladiste.ZapisiIspit({"B", 109, 120, true, danas.addDays(-2), {}});

    Karuvel glavni { Module2::Generator(3) };
    glavni.PostaviNapredak(&skladiste);
    glavni.resize(1000, 760);
    glavni.show();
    for (int n = 0; n < 4; ++n) {
        glavni.findChild<QAction*>(QStringLiteral("TeorijaB"))->trigger();
        if (auto* t = Otvoren<Teorija>(glavni))
            Odgovori(t, [n](int k) { return k % (n + 2) != 0; });
    }
    glavni.findChild<QAction*>(QStringLiteral("SituacijeP"))->trigger();
    if (auto* s = Otvoren<Situacije>(glavni))
        Odgovori(s, [](int k) { return k != 2; });
    glavni.findChild<QAction*>(QStringLiteral("TestSaZnakovima"))->trigger();
    if (auto* z = Otvoren<ZnakoviTest>(glavni))
        z->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    glavni.findChild<QAction*>(QStringLiteral("PonoviGreskeB"))->trigger();
    if (auto* t = Otvoren<Teorija>(glavni))
        Odgovori(t, [](int k) { return k != 1; });
    glavni.findChild<QAction*>(QStringLiteral("NapredakPregled"))->trigger();
    QApplication::processEvents();
    const bool sacuvano = glavni.grab().save(QString::fromLocal8Bit(argv[1]));
    std::printf("%d answers recorded; picture %s\n", skladiste.BrojOdgovora(), sacuvano ? "saved" : "NOT saved");
    glavni.ZatvoriOstale();
    return sacuvano ? 0 : 1;
}
