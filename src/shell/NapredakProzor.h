#pragma once

#include "content/Module1.h"
#include "napredak/Zapis.h"
#include "widgets/Prozor.h"

#include <QString>

#include <map>
#include <vector>

class QChartView;
class QLabel;
class QPushButton;
class QTableWidget;
class Skladiste;

// "Napredak": how far the candidate is, per category and activity: questions seen and not yet
// seen, the share of right answers, the most missed questions, and a chart of the checks'
// results and the exams' points over time. "Obriši napredak" forgets it all after a question.
class NapredakProzor : public Prozor {
    Q_OBJECT
public:
    // napredak: the store to show; nullptr or a closed store shows that nothing is kept.
    NapredakProzor(Skladiste* napredak, QWidget* parent = nullptr);

    QLabel* Naslov() const override { return m_naslov; }
    // Loads the banks (to know every question; a bank that cannot be loaded shows as empty)
    // and shows the store.
    Module1::Greska Ucitaj() override;
    // Shows the store as it is now.
    void Osvezi();

    // Asks, then forgets every answer and exam. True when the store was emptied.
    static bool ObrisiUzPotvrdu(QWidget* parent, Skladiste* napredak);

    // One row of the table: an activity with its category.
    struct Red {
        QString naziv;
        Napredak::Aktivnost aktivnost;
        QByteArray kategorija;
        Napredak::Banka banka;
        std::vector<qint16> kljucevi;          // the questions of the bank part, bank order
        std::map<qint16, QString> opisi;       // what a question is called in the table
    };

private:
    void PopuniTabelu();
    void PopuniGrafikon();

    Skladiste* m_napredak;
    std::vector<Red> m_redovi;
    QLabel* m_naslov = nullptr;
    QTableWidget* m_tabela = nullptr;
    QChartView* m_grafikon = nullptr;
    QPushButton* m_obrisi = nullptr;
};
