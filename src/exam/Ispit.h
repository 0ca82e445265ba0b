#pragma once

#include "model/TestIspita.h"
#include "widgets/Prozor.h"

#include <QByteArray>

#include <array>
#include <functional>
#include <optional>
#include <vector>

class QButtonGroup;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QStackedWidget;
class QTimer;
class QVBoxLayout;

// The exam simulation of one category: the exam composed as the format table says, one
// question at a time with a way back and forth and an overview of the questions still open,
// a countdown, and at the end the points, the pass mark, the verdict and every mistake.
class Ispit : public Prozor {
    Q_OBJECT
public:
    // Milliseconds of a clock that only moves forward.
    using Sat = std::function<qint64()>;
    static qint64 SistemskiSat();

    // The countdown reads `sat` every `korak` milliseconds while the window is shown.
    Ispit(const QByteArray& kategorija, Module2::Generator generator, QWidget* parent = nullptr,
        Sat sat = &Ispit::SistemskiSat, int korak = 1000);

    QLabel* Naslov() const override { return m_naslov; }
    // Reads the format table, composes the exam and starts the clock.
    Module1::Greska Ucitaj() override;

    const TestIspita& Test() const { return *m_test; }
    int Tekuce() const { return m_tekuce; }  // index of the question shown

    void Prethodno();
    void Sledece();
    void Idi(int pitanje);
    // Ends the exam (early, or when the time is up) and shows the outcome.
    void Zavrsi();

signals:
    // The exam has ended with this outcome (once per exam).
    void Zavrseno(const TestIspita::Ishod& ishod);

protected:
    void showEvent(QShowEvent* dogadjaj) override;
    void hideEvent(QHideEvent* dogadjaj) override;
    bool eventFilter(QObject* objekat, QEvent* dogadjaj) override;
    void keyPressEvent(QKeyEvent* dogadjaj) override;

private:
    // The exam's keys: 1/2/3 choose, Left/Right and PageUp/PageDown move. True when taken.
    bool Taster(const QObject* objekat, int taster);
    void NapraviPolaganje();
    void NapraviIshod();
    void PrikaziPitanje();
    void OsveziPregled();
    void OsveziVreme();
    void Izaberi(int odgovor);
    void PrikaziIshod();
    // The candidate's answer to question k and the right one, as shown in the review.
    QString Odgovor(int k) const;
    QString TacanOdgovor(int k) const;

    QByteArray m_kategorija;
    Module2::Generator m_generator;
    Sat m_sat;
    std::optional<TestIspita> m_test;
    int m_tekuce = 0;

    QLabel* m_naslov = nullptr;
    QStackedWidget* m_strane = nullptr;
    QTimer* m_odbrojavanje = nullptr;

    // The exam page.
    QLabel* m_vreme = nullptr;
    QLabel* m_redniBroj = nullptr;
    QLabel* m_slika = nullptr;
    QLabel* m_pitanje = nullptr;
    QButtonGroup* m_grupa = nullptr;
    std::array<QRadioButton*, 3> m_odgovori {};
    QLineEdit* m_redosled = nullptr;
    QPushButton* m_prethodno = nullptr;
    QPushButton* m_sledece = nullptr;
    QPushButton* m_zavrsi = nullptr;
    QWidget* m_pregled = nullptr;
    std::vector<QPushButton*> m_brojevi;

    // The outcome page.
    QLabel* m_poeni = nullptr;
    QLabel* m_prolaz = nullptr;
    QLabel* m_ocena = nullptr;
    QScrollArea* m_greske = nullptr;
};
