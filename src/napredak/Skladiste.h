#pragma once

#include <QVariantList>
#include <functional>

#include "napredak/Zapis.h"

#include <QString>

#include <map>
#include <vector>

// The progress store: an SQLite file (WAL, one transaction per check or exam, a schema version
// with migrations). A store that cannot be opened, or a file found damaged, leaves the store
// closed or fresh and says so once in Poruka(); a damaged file is never deleted, only renamed
// aside. No call ever throws; writing into a closed store does nothing and returns false.
class Skladiste {
public:
    static constexpr int VerzijaSeme = 1;

    // The file the program keeps its progress in: napredak.sqlite in the user's data folder.
    static QString PodrazumevaniPut();

    // Opens (or creates) the store at `put`.
    explicit Skladiste(const QString& put);
    ~Skladiste();
    Skladiste(const Skladiste&) = delete;
    Skladiste& operator=(const Skladiste&) = delete;

    bool Otvoreno() const { return m_otvoreno; }
    const QString& Put() const { return m_put; }
    // What the user should be told about the store, once: empty when all is well.
    const QString& Poruka() const { return m_poruka; }
    // Where a damaged file was put aside; empty when none was.
    const QString& Sklonjeno() const { return m_sklonjeno; }

    // A checked test with every answered question of it, in one transaction.
    bool ZapisiProveru(const Napredak::Provera& provera);
    // A finished exam: its points and its answers, in one transaction.
    bool ZapisiIspit(const Napredak::Ispit& ispit);
    // Forgets every answer and exam.
    bool Obrisi();

    // For each answered question of `banka` (in any activity, the exam included) its outcomes
    // in the order they were given.
    std::map<qint16, std::vector<bool>> Ishodi(Napredak::Banka banka) const;

    // Every check of an activity and category, oldest first.
    struct Rezultat {
        QDateTime vreme;
        int tacnih = 0;
        int ukupno = 0;
    };
    std::vector<Rezultat> Rezultati(Napredak::Aktivnost aktivnost, const QByteArray& kategorija) const;
    // Every finished exam, oldest first (answers not filled in).
    std::vector<Napredak::Ispit> Ispiti() const;
    int BrojOdgovora() const;

private:
    enum class Otvaranje { Uspeh, NeMoze, Osteceno };
    Otvaranje Otvori();
    void Zatvori();
    bool Migriraj();
    bool UpisiOdgovore(qint64 provera, qint64 ispit, Napredak::Aktivnost aktivnost, const QByteArray& kategorija,
        qint64 vreme, const std::vector<Napredak::Odgovor>& odgovori);
    void Neuspeh(const QString& sta);
    // Inserts one row (a check or an exam) and then its answers, all in one transaction.
    bool UpisiSaOdgovorima(const QString& upit, const QVariantList& vrednosti,
        const std::function<bool(qint64 red)>& odgovori);

    QString m_put;
    QString m_veza;  // name of this store's connection
    bool m_otvoreno = false;
    QString m_poruka;
    QString m_sklonjeno;
};
