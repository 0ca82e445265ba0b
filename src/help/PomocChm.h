#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

struct chmFile;

// One compiled help file (CHM), open for reading its pages, pictures and table of contents.
class PomocChm {
public:
    explicit PomocChm(const QString& putanja);
    ~PomocChm();
    PomocChm(const PomocChm&) = delete;
    PomocChm& operator=(const PomocChm&) = delete;

    // Whether the file could be opened as a help file.
    bool Otvoren() const { return m_chm != nullptr; }

    // The bytes of a file inside the help file ("/index.htm"); nullopt when it is not there.
    std::optional<QByteArray> Procitaj(const QString& ime) const;

    // From the help file's system record: its first page and its table of contents
    // ("/index.htm", "/sadrzaj.hhc"); empty when the record does not name them.
    QString PocetnaStrana() const { return m_pocetna; }
    QString Sadrzaj() const { return m_sadrzaj; }

private:
    void ProcitajSistem();

    chmFile* m_chm = nullptr;
    QString m_pocetna;
    QString m_sadrzaj;
};
