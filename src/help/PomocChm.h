#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

struct mschm_decompressor;
struct mschmd_header;
struct mschmd_file;

// One compiled help file (CHM), open for reading its pages, pictures and table of contents.
// The file is read whole into memory and taken apart with libmspack, which reads it through
// this object's own bounded reader: nothing the file says makes it read outside the file,
// allocate more than a few megabytes or write more than the entry's bound. A damaged file
// opens as not a help file, or yields nothing for the entries it damages.
class PomocChm {
public:
    // The help file at putanja; a file larger than NajvecaDatoteka is not read.
    explicit PomocChm(const QString& putanja);
    // A help file already in memory.
    explicit PomocChm(const QByteArray& bajtovi);
    ~PomocChm();
    PomocChm(const PomocChm&) = delete;
    PomocChm& operator=(const PomocChm&) = delete;

    static constexpr qint64 NajvecaDatoteka = 64 * 1024 * 1024;

    // Whether the file could be opened as a help file.
    bool Otvoren() const { return m_zaglavlje != nullptr; }

    // The bytes of a file inside the help file ("/index.htm", letter case ignored); nullopt
    // when it is not there or cannot be read whole. What has been read is kept (up to
    // UPamcenju bytes in all), so that a page, its pictures and the table of contents are
    // taken out of the compressed file once.
    std::optional<QByteArray> Procitaj(const QString& ime) const;
    static constexpr qsizetype UPamcenju = 8 * 1024 * 1024;

    // A number no other help file opened in this run has, for keeping what is made of it.
    quint64 Broj() const { return m_broj; }

    // The names of the files inside the help file, in the order of its directory.
    QStringList Imena() const;

    // From the help file's system record: its first page and its table of contents
    // ("/index.htm", "/sadrzaj.hhc"); empty when the record does not name them.
    QString PocetnaStrana() const { return m_pocetna; }
    QString Sadrzaj() const { return m_sadrzaj; }

private:
    // The memory-backed system of libmspack (open, read, seek, bounded write and allocation).
    struct Sistem;

    void Otvori();
    void ProcitajSistem();

    QByteArray m_bajtovi;
    std::unique_ptr<Sistem> m_sistem;
    mschm_decompressor* m_citac = nullptr;
    mschmd_header* m_zaglavlje = nullptr;
    QHash<QByteArray, mschmd_file*> m_datoteke;  // by the lower-case name
    QString m_pocetna;
    QString m_sadrzaj;
    mutable QHash<QByteArray, QByteArray> m_procitano;  // by the lower-case name
    mutable qsizetype m_procitanoBajtova = 0;
    quint64 m_broj;
};
