#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>

class QMdiArea;
class QMdiSubWindow;
class Prozor;

// The main window: the frame with the menu that holds one child window at a time.
class Karuvel : public QMainWindow {
    Q_OBJECT
public:
    static inline const QString Naslov = QStringLiteral("Karuvel v1.1");

    explicit Karuvel(QWidget* parent = nullptr);
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
    void Uputstvo_Click();
    void NaInternet_Click();
    void OProgramu_Click();

private:
    void NapraviMeni();
    void OtvoriTeoriju(const QByteArray& kategorija, qint16 broj, const QString& naslov);
    // Puts a freshly loaded window into the frame with its heading; drops it when loading failed.
    QMdiSubWindow* Prikazi(Prozor* prozor, const QString& naslov);
    void Aktiviran(QMdiSubWindow* prozor);

    QMdiArea* m_mdi = nullptr;
    QPointer<QMdiSubWindow> m_aktivan;
};
