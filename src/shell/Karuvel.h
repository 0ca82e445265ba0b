#pragma once

#include "content/Module2.h"
#include "napredak/Zapis.h"

#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <optional>
#include <vector>

class QLabel;
class QMdiArea;
class QMdiSubWindow;
class Prozor;
class Skladiste;

// The main window: the frame with the menu that holds one child window at a time.
class Karuvel : public QMainWindow {
    Q_OBJECT
public:
    static inline const QString Naslov = QStringLiteral("Karuvel v1.1");

    // generator: where every test draws its numbers from.
    explicit Karuvel(Module2::Generator generator = Module2::NoviGenerator(), QWidget* parent = nullptr);
    ~Karuvel() override;

    QMdiArea* Povrsina() const { return m_mdi; }

    // The store every checked test is recorded in (not owned; it outlives the window). Tells
    // the user, once, what the store has to say (a damaged or unusable file).
    void PostaviNapredak(Skladiste* napredak);
    Skladiste* Napredak() const { return m_napredak; }
    // A finished exam with its points (and its answers) into the store, if there is one;
    // a failure to write is told once.
    void ZapisiIspit(const Napredak::Ispit& ispit);

    // Closes every window of the program whose title is not the main window's.
    void ZatvoriOstale();

    void Znak_Click(int index);
    void TestSaZnakovima_Click();
    void TeorijaB_Click();
    void TeorijaCD_Click();
    void TeorijaT_Click();
    void SituacijeP_Click();
    void RaskrsniceP_Click();
    // The exam simulation of a category ("B", "CD" or "T").
    void Ispit_Click(const QByteArray& kategorija);
    void Uputstvo_Click();
    void NaInternet_Click();
    void OProgramu_Click();
    // "Ponovi greške": the theory window on the candidate's weak questions of a category.
    void PonoviGreske_Click(const QByteArray& kategorija);
    void NapredakPregled_Click();
    void ObrisiNapredak_Click();

private:
    void NapraviMeni();
    void OtvoriTeoriju(const QByteArray& kategorija, int brojPitanja, const QString& naslov);
    // What the checks of a window are recorded as.
    struct Belezenje {
        Napredak::Aktivnost aktivnost;
        QByteArray kategorija;
    };
    // Opens an activity window: its heading, its load, then the window maximised in the
    // frame, or the failure told and the window dropped. Every other window is closed once
    // the load has ended, before either.
    // With `belezenje` the window's checks go to the progress store.
    void Otvori(const std::function<Prozor*()>& napravi, const QString& naslov,
        std::optional<Belezenje> belezenje = std::nullopt);
    void Zapisi(const Belezenje& belezenje, const std::vector<Napredak::Odgovor>& odgovori);
    void PrijaviNapredak();
    void Aktiviran(QMdiSubWindow* podprozor);
    // Scrolls the area so that a control of a window in it that took the focus is in view.
    void PrikaziFokus(QWidget* kontrola);
    // A generator of its own for the next window, drawn from the program's.
    Module2::Generator NoviGenerator();

    Module2::Generator m_generator;
    QMdiArea* m_mdi = nullptr;
    QLabel* m_rezultat = nullptr;  // the last check's result, in the status bar
    QPointer<QMdiSubWindow> m_aktivan;
    Skladiste* m_napredak = nullptr;
    bool m_napredakPrijavljen = false;  // the store's message has been shown
};
