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
    explicit Znakovi(QWidget* parent = nullptr);
    QLabel* Naslov() const override { return Label1; }

    // Builds the catalogue of one sign category (1 to 5): empties the sign bank, loads the
    // category, creates one picture and one description per sign under the progress window,
    // sizes the content frame and sets up the panel. False when the signs or a picture could
    // not be loaded; the user has been told and the window must not be shown.
    bool Izgradi(qint16 kategorija);

    void Form_Activate() override;

    Panel* Panel1() const { return m_panel; }
    // Number of signs built.
    int Broj() const { return int(Image1.size()) - 1; }

private:

    QLabel* Label1 = nullptr;
    Panel* m_panel = nullptr;
    // Element 0 is the hidden template; 1..n are the signs.
    std::vector<QLabel*> Image1;
    std::vector<QLabel*> Label2;
};
