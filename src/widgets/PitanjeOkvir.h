#pragma once

#include <QColor>
#include <QGroupBox>
#include <QPixmap>
#include <QRect>

#include <array>

class QLabel;

// One question frame of the theory and situation tests: a captioned group "Pitanje k"
// (objectName Frame2_<k-1>) holding the question label Label<k>_0, the answer labels
// Label<k>_1..3 and the hidden answer marks Image<k>_1..3. A click on an answer is reported
// with Kliknut(); the window decides, and OznaciIzbor() turns the chosen answer
// (255, 255, 192), frames it thickly and disables the three answers of the frame. The window
// may add further controls to the frame (the situation picture).
//
// The keyboard: the frame takes the focus (Tab); the arrow keys move a cursor over the
// answers, 1 / 2 / 3 (keypad too) choose that answer, Space and Enter the one under the
// cursor, each reported with Kliknut() exactly as a click. For screen readers the frame is
// a group named by its number and question, each answer a radio button with its text and
// state (chosen, disabled), after "Provera" described as the right or a wrong answer, and
// each mark named "tačan odgovor" or "netačan odgovor".
class PitanjeOkvir : public QGroupBox {
    Q_OBJECT
public:
    // Geometry (relative to the frame) and fonts of the frame's controls.
    struct Mere {
        QRect pitanje;                 // question label
        std::array<QRect, 3> odgovori; // answer labels 1..3
        std::array<QRect, 3> oznake;   // answer marks 1..3
        qreal tackePitanja = 9.75;     // Arial bold, question label and the frame caption
        qreal tackeOdgovora = 9.75;    // Arial bold, answer labels
    };

    static inline const QColor BojaPitanja { 255, 192, 192 };
    static inline const QColor BojaOdgovora { 192, 255, 192 };      // as designed
    static inline const QColor BojaNovogTesta { 204, 255, 204 };    // after every "Nov TEST"
    static inline const QColor BojaIzabranog { 255, 255, 192 };
    static inline const QColor BojaTeksta { 0, 0, 255 };
    // Edge of the chosen answer, of the others, and the greyed text of disabled answers.
    static constexpr int IvicaIzabranog = 3;
    static constexpr int IvicaOdgovora = 1;
    static inline const QColor SivTekst { 96, 96, 96 };
    static inline const QString TacanOdgovor = QStringLiteral("tačan odgovor");
    static inline const QString NetacanOdgovor = QStringLiteral("netačan odgovor");

    // Frame number k (1-based) at geometrija inside roditelj.
    PitanjeOkvir(int k, const QRect& geometrija, const Mere& mere, QWidget* roditelj);

    int Broj() const { return m_k; }
    QLabel* Label(int i) const { return m_label[static_cast<std::size_t>(i)]; }  // 0..3
    QLabel* Image(int j) const { return m_image[static_cast<std::size_t>(j)]; }  // 1..3

    // Answer j (1..3) is the chosen one: its colour and edge, and the three answers disabled.
    void OznaciIzbor(int j);
    // The chosen answer, 0 while none.
    int Izabran() const { return m_izabran; }

    // The candidate chooses answer j (1..3) by keyboard or assistive technology: the same
    // report as a click, and only while the answer is enabled.
    void Izaberi(int j);
    // The answer under the keyboard cursor (1..3).
    int Tekuci() const { return m_tekuci; }
    void PostaviTekuci(int j);

    void PostaviPitanje(const QString& tekst);
    // Answer j (1..3): its caption, and its mark receives the tick (tacan) or the cross
    // picture. The mark's visibility is not touched.
    void PostaviOdgovor(int j, const QString& tekst, bool tacan);

    // "Provera": the three marks become visible.
    void Provera();
    // "Nov TEST": for j = 1..3 the mark loses its picture and is hidden, the answer becomes
    // (204, 255, 204) and enabled.
    void Ocisti();

    // The stock pictures: a green tick and a red cross, 32 x 32, shared by every frame.
    static const QPixmap& Tacno();
    static const QPixmap& Netacno();
    // Puts the stock pictures into the window as hidden labels Image0_1 (tick) and
    // Image0_2 (cross) at (0, 0), 32 x 32.
    static void StockSlike(QWidget* prozor);

    // Answer label colours (the background of the label's palette), for callers and tests.
    static QColor Pozadina(const QLabel* label);

signals:
    // The candidate clicked answer j (1..3); a click on the question is not reported.
    void Kliknut(int j);

protected:
    bool eventFilter(QObject* objekat, QEvent* dogadjaj) override;
    bool event(QEvent* dogadjaj) override;
    void keyPressEvent(QKeyEvent* dogadjaj) override;
    void paintEvent(QPaintEvent* dogadjaj) override;
    void focusInEvent(QFocusEvent* dogadjaj) override;
    void focusOutEvent(QFocusEvent* dogadjaj) override;

private:
    void OsveziOdgovore();

    int m_k;
    int m_izabran = 0;
    int m_tekuci = 1;
    bool m_provereno = false;
    std::array<bool, 4> m_tacan {};
    std::array<QLabel*, 4> m_label {};
    std::array<QLabel*, 4> m_image {};  // element 0 unused
};
