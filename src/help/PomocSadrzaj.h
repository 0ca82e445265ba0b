#pragma once

#include <QList>
#include <QString>

// The table of contents of a help file: the entries of its .hhc list, nested as the lists nest.
class PomocSadrzaj {
public:
    struct Stavka {
        QString ime;    // the heading shown in the table
        QString strana; // the page inside the help file ("teorija.htm"); may be empty
        QList<Stavka> deca;
    };

    // Reads the text of a .hhc file; tags it does not know are skipped.
    static QList<Stavka> Procitaj(const QString& hhc);
};
