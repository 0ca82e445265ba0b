#pragma once

#include <QPointer>
#include <QWidget>
#include <memory>

class PomocChm;
class PomocPregled;
class QKeyEvent;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// The help window: a window of its own beside the main window, with the table of contents
// of the help file on the left and its pages on the right. The main window's closing of the
// other windows leaves it open.
class PomocProzor : public QWidget {
    Q_OBJECT
public:
    static inline const QString ImeDatoteke = QStringLiteral("Uputstvo-Karuvel v1.1.chm");

    // The help file: beside the program in its build folder, or in the data folder of the
    // installed program (<prefix>/share/karuvel beside <prefix>/bin).
    static QString Datoteka();
    static QString Datoteka(const QString& folderPrograma);

    // Opens the help file in the help window, or brings the open help window to the front.
    // When the file is missing or cannot be read, nothing is shown and nullptr is returned.
    static PomocProzor* Otvori(QWidget* vlasnik, const QString& putanja);

    ~PomocProzor() override;

    QTreeWidget* Sadrzaj() const { return m_sadrzaj; }
    PomocPregled* Strana() const { return m_strana; }

protected:
    // Esc closes the window.
    void keyPressEvent(QKeyEvent* dogadjaj) override;

private:
    PomocProzor(QWidget* vlasnik, std::shared_ptr<PomocChm> chm, const QString& pocetna);
    void PopuniSadrzaj();
    void IzaberiStavku(QTreeWidgetItem* stavka);
    void StranaPromenjena(const QUrl& adresa);
    void NaVrh();

    static QPointer<PomocProzor>& Otvoren();

    std::shared_ptr<PomocChm> m_chm;
    QString m_pocetna;
    QTreeWidget* m_sadrzaj = nullptr;
    PomocPregled* m_strana = nullptr;
    QPushButton* m_nazad = nullptr;
    QPushButton* m_napred = nullptr;
};
