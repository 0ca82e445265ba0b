#pragma once

#include "widgets/Prozor.h"

#include <QImage>
#include <array>

class QTimer;

// The splash window shown at start and again as the about window.
class Uvodna : public Prozor {
    Q_OBJECT
public:
    explicit Uvodna(QWidget* parent = nullptr);

    QLabel* Naslov() const override { return m_label6; }
    void Form_Activate() override;

    // One step of the animation: hide the title picture and the next slogan panel.
    void Timer1_Timer();

    qint16 Korak() const { return m_korak; }
    QTimer* Timer1() const { return m_timer1; }

    static constexpr int SirinaKlijenta = 760;
    static constexpr int VisinaKlijenta = 592;
    // The order in which the slogan panels are removed.
    static constexpr std::array<int, 5> RedosledUklanjanja { 4, 3, 0, 1, 2 };

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // The splash keeps its size: Ctrl with the wheel does not zoom it.
    void wheelEvent(QWheelEvent* event) override { QWidget::wheelEvent(event); }

private:
    QImage m_pozadina;
    std::array<QLabel*, 5> m_label1 {};
    QLabel* m_image1_4 = nullptr;
    QLabel* m_label6 = nullptr;
    QLabel* m_label3 = nullptr;
    QTimer* m_timer1 = nullptr;
    qint16 m_korak = 0;
};
