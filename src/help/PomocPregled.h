#pragma once

#include <QTextBrowser>

class PomocChm;

// Shows the pages of a help file: pages, pictures and style sheets are read from the file.
// Its addresses are "chm:/strana.htm"; links to other addresses go to the desktop (Internet).
class PomocPregled : public QTextBrowser {
    Q_OBJECT
public:
    static inline const QString Sema = QStringLiteral("chm");

    PomocPregled(const PomocChm& chm, QWidget* parent = nullptr);

    // The address of a page named as the help file names it ("teorija.htm", "/teorija.htm").
    static QUrl Adresa(const QString& strana);

    QVariant loadResource(int type, const QUrl& name) override;

private:
    void Veza(const QUrl& adresa);

    const PomocChm& m_chm;
};
