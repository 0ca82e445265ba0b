#pragma once

#include "widgets/Prozor.h"

#include <QtGlobal>
#include <array>
#include <vector>

class Panel;
class QLabel;

// The sign catalogue: every sign of one category, its picture on the left and its
// description beside it, in a scrolling panel.
class Znakovi : public Prozor {
    Q_OBJECT
public:
    // kategorija: the sign group, 1 to 5.
    explicit Znakovi(qint16 kategorija, QWidget* parent = nullptr);
    QLabel* Naslov() const override { return m_label1; }

    // Builds the catalogue: loads the category, creates one picture and one description per
    // sign under the progress window, sizes the content frame and sets up the panel.
    Module1::Greska Ucitaj() override;

    void Form_Activate() override;

    Panel* Ploca() const { return m_panel; }
    // Number of signs built.
    int Broj() const { return int(m_image1.size()) - 1; }

private:
    qint16 m_kategorija;
    QLabel* m_label1 = nullptr;
    Panel* m_panel = nullptr;
    // Element 0 is the hidden template; 1..n are the signs.
    std::vector<QLabel*> m_image1;
    std::vector<QLabel*> m_label2;
};
