#pragma once

#include "content/Module2.h"

#include <QMainWindow>
#include <QPointer>

#include <functional>

class QLabel;
class QMdiArea;
class QMdiSubWindow;
class Prozor;

// The main window: the frame with the menu that holds one child window at a time.
class Karuvel : public QMainWindow {
    Q_OBJECT
public:
    static inline const QString Naslov = QStringLiteral("Karuvel v1.1");

    // generator: where every test draws its numbers from.
    explicit Karuvel(Module2::Generator generator = Module2::NoviGenerator(), QWidget* parent = nullptr);
    ~Karuvel() override;

    QMdiArea* Povrsina() const { return m_mdi; }

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

private:
    void NapraviMeni();
    void OtvoriTeoriju(const QByteArray& kategorija, int brojPitanja, const QString& naslov);
    // Opens an activity window: its heading, its load, then the window maximised in the
    // frame, or the failure told and the window dropped. Every other window is closed first.
    void Otvori(const std::function<Prozor*()>& napravi, const QString& naslov);
    void Aktiviran(QMdiSubWindow* podprozor);
    // A generator of its own for the next window, drawn from the program's.
    Module2::Generator NoviGenerator();

    Module2::Generator m_generator;
    QMdiArea* m_mdi = nullptr;
    QLabel* m_rezultat = nullptr;  // the last check's result, in the status bar
    QPointer<QMdiSubWindow> m_aktivan;
};
