#include "napredak/Skladiste.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVariant>

#include <atomic>
#include <optional>

namespace {

// A read of the store on connection veza, forward only, with its values bound in order;
// nothing when it cannot be made.
std::optional<QSqlQuery> Citaj(const QString& veza, const QString& upit, const QVariantList& vrednosti = {})
{
    QSqlQuery q(QSqlDatabase::database(veza, false));
    q.setForwardOnly(true);
    if (!q.prepare(upit))
        return std::nullopt;
    for (qsizetype i = 0; i < vrednosti.size(); ++i)
        q.bindValue(static_cast<int>(i), vrednosti[i]);
    if (!q.exec())
        return std::nullopt;
    return q;
}

// The schema, one step per version: step i brings user_version i to i + 1.
const std::vector<std::vector<const char*>> Koraci = {
    {
        "CREATE TABLE provera(id INTEGER PRIMARY KEY, vreme INTEGER NOT NULL, aktivnost INTEGER NOT NULL,"
        " kategorija TEXT NOT NULL, tacnih INTEGER NOT NULL, ukupno INTEGER NOT NULL)",
        "CREATE TABLE ispit(id INTEGER PRIMARY KEY, vreme INTEGER NOT NULL, kategorija TEXT NOT NULL,"
        " bodovi INTEGER NOT NULL, najvise INTEGER NOT NULL, polozen INTEGER NOT NULL)",
        "CREATE TABLE odgovor(id INTEGER PRIMARY KEY, provera INTEGER REFERENCES provera(id) ON DELETE CASCADE,"
        " ispit INTEGER REFERENCES ispit(id) ON DELETE CASCADE, vreme INTEGER NOT NULL,"
        " aktivnost INTEGER NOT NULL, kategorija TEXT NOT NULL, banka INTEGER NOT NULL, kljuc INTEGER NOT NULL,"
        " izabrano BLOB NOT NULL, tacno INTEGER NOT NULL)",
        "CREATE INDEX odgovor_pitanje ON odgovor(banka, kljuc, id, tacno)",
        "CREATE INDEX provera_aktivnost ON provera(aktivnost, kategorija, vreme)",
    },
};

qint64 Vreme(const QDateTime& t)
{
    return (t.isValid() ? t : QDateTime::currentDateTimeUtc()).toMSecsSinceEpoch();
}

// A category as the store keeps it: never NULL, "" where the activity has none.
QString Kategorija(const QByteArray& kategorija)
{
    return kategorija.isEmpty() ? QStringLiteral("") : QString::fromLatin1(kategorija);
}

// The files SQLite keeps beside the database.
const std::array<QString, 3> Nastavci = {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")};

}  // namespace

QString Skladiste::PodrazumevaniPut()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).filePath(QStringLiteral("napredak.sqlite"));
}

Skladiste::Skladiste(const QString& put)
    : m_put(put)
{
    static std::atomic<int> brojac {0};
    m_veza = QStringLiteral("karuvel-napredak-%1").arg(++brojac);
    const Otvaranje o = Otvori();
    if (o == Otvaranje::Uspeh)
        return;
    Zatvori();
    if (o == Otvaranje::NeMoze) {
        m_poruka = QStringLiteral("Napredak se ne može čuvati: datoteka „%1“ ne može da se otvori.\n"
                                  "Program radi dalje, ali bez praćenja napretka.").arg(QDir::toNativeSeparators(m_put));
        return;
    }
    // Damaged: put the file aside under a new name and start afresh.
    const QString sklonjeno = m_put + QStringLiteral(".ostecen-") + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    bool pomereno = QFile::rename(m_put, sklonjeno);
    for (std::size_t i = 1; pomereno && i < Nastavci.size(); ++i) {
        if (QFile::exists(m_put + Nastavci[i]))
            QFile::rename(m_put + Nastavci[i], sklonjeno + Nastavci[i]);
    }
    if (!pomereno) {
        m_poruka = QStringLiteral("Datoteka napretka „%1“ je oštećena i ne može da se skloni.\n"
                                  "Program radi dalje, ali bez praćenja napretka.").arg(QDir::toNativeSeparators(m_put));
        return;
    }
    m_sklonjeno = sklonjeno;
    const bool nova = Otvori() == Otvaranje::Uspeh;
    if (!nova)
        Zatvori();
    m_poruka = QStringLiteral("Datoteka napretka je bila oštećena. Sačuvana je pod imenom „%1“%2")
                   .arg(QDir::toNativeSeparators(sklonjeno),
                       nova ? QStringLiteral(", a napredak se od sada beleži iznova.")
                            : QStringLiteral(".\nProgram radi dalje, ali bez praćenja napretka."));
}

Skladiste::~Skladiste()
{
    Zatvori();
}

Skladiste::Otvaranje Skladiste::Otvori()
{
    const QFileInfo fajl(m_put);
    const bool postoji = fajl.exists();
    if (!postoji && !QDir().mkpath(fajl.absolutePath()))
        return Otvaranje::NeMoze;
    if (postoji && (!fajl.isFile() || !fajl.isReadable()))
        return Otvaranje::NeMoze;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_veza);
        db.setDatabaseName(m_put);
        if (!db.open())
            return Otvaranje::NeMoze;
        QSqlQuery q(db);
        // A file that is not a database, or whose pages are broken, fails here.
        if (!q.exec(QStringLiteral("PRAGMA quick_check")) || !q.next())
            return postoji ? Otvaranje::Osteceno : Otvaranje::NeMoze;
        if (q.value(0).toString() != QLatin1String("ok"))
            return Otvaranje::Osteceno;
        q.finish();
        if (!q.exec(QStringLiteral("PRAGMA journal_mode=WAL")) || !q.exec(QStringLiteral("PRAGMA synchronous=NORMAL"))
            || !q.exec(QStringLiteral("PRAGMA foreign_keys=ON")))
            return Otvaranje::NeMoze;
    }
    m_otvoreno = true;
    if (!Migriraj()) {
        m_otvoreno = false;
        return Otvaranje::NeMoze;
    }
    return Otvaranje::Uspeh;
}

void Skladiste::Zatvori()
{
    m_otvoreno = false;
    if (QSqlDatabase::contains(m_veza)) {
        QSqlDatabase::database(m_veza, false).close();
        QSqlDatabase::removeDatabase(m_veza);
    }
}

bool Skladiste::Migriraj()
{
    QSqlDatabase db = QSqlDatabase::database(m_veza, false);
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next())
        return false;
    int verzija = q.value(0).toInt();
    q.finish();
    if (verzija > VerzijaSeme)
        return false;  // written by a newer program: left alone
    while (verzija < VerzijaSeme) {
        if (!db.transaction())
            return false;
        bool uspeh = true;
        for (const char* naredba : Koraci[static_cast<std::size_t>(verzija)])
            uspeh = uspeh && q.exec(QString::fromLatin1(naredba));
        uspeh = uspeh && q.exec(QStringLiteral("PRAGMA user_version=%1").arg(verzija + 1));
        if (!uspeh || !db.commit()) {
            db.rollback();
            return false;
        }
        ++verzija;
    }
    return true;
}

void Skladiste::Neuspeh(const QString& sta)
{
    if (m_poruka.isEmpty())
        m_poruka = QStringLiteral("Napredak nije sačuvan (%1).").arg(sta);
}

bool Skladiste::UpisiOdgovore(qint64 provera, qint64 ispit, Napredak::Aktivnost aktivnost, const QByteArray& kategorija,
    qint64 vreme, const std::vector<Napredak::Odgovor>& odgovori)
{
    QSqlQuery q(QSqlDatabase::database(m_veza, false));
    if (!q.prepare(QStringLiteral("INSERT INTO odgovor(provera, ispit, vreme, aktivnost, kategorija, banka, kljuc, izabrano, tacno)"
                                  " VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?)")))
        return false;
    for (const Napredak::Odgovor& o : odgovori) {
        q.bindValue(0, provera > 0 ? QVariant(provera) : QVariant());
        q.bindValue(1, ispit > 0 ? QVariant(ispit) : QVariant());
        q.bindValue(2, vreme);
        q.bindValue(3, static_cast<int>(aktivnost));
        q.bindValue(4, Kategorija(kategorija));
        q.bindValue(5, static_cast<int>(o.banka));
        q.bindValue(6, static_cast<int>(o.kljuc));
        q.bindValue(7, o.izabrano.isNull() ? QByteArray("") : o.izabrano);
        q.bindValue(8, o.tacno ? 1 : 0);
        if (!q.exec())
            return false;
    }
    return true;
}

bool Skladiste::UpisiSaOdgovorima(const QString& upit, const QVariantList& vrednosti,
    const std::function<bool(qint64 red)>& odgovori)
{
    if (!m_otvoreno)
        return false;
    QSqlDatabase db = QSqlDatabase::database(m_veza, false);
    if (!db.transaction()) {
        Neuspeh(db.lastError().text());
        return false;
    }
    QSqlQuery q(db);
    bool uspeh = q.prepare(upit);
    for (int i = 0; uspeh && i < vrednosti.size(); ++i)
        q.bindValue(i, vrednosti[i]);
    uspeh = uspeh && q.exec() && odgovori(q.lastInsertId().toLongLong());
    if (!uspeh || !db.commit()) {
        Neuspeh(q.lastError().isValid() ? q.lastError().text() : db.lastError().text());
        db.rollback();
        return false;
    }
    return true;
}

bool Skladiste::ZapisiProveru(const Napredak::Provera& provera)
{
    const qint64 vreme = Vreme(provera.vreme);
    int tacnih = 0;
    for (const Napredak::Odgovor& o : provera.odgovori)
        tacnih += o.tacno ? 1 : 0;
    return UpisiSaOdgovorima(
        QStringLiteral("INSERT INTO provera(vreme, aktivnost, kategorija, tacnih, ukupno) VALUES(?, ?, ?, ?, ?)"),
        { vreme, static_cast<int>(provera.aktivnost), Kategorija(provera.kategorija), tacnih,
            static_cast<int>(provera.odgovori.size()) },
        [&](qint64 red) {
            return UpisiOdgovore(red, 0, provera.aktivnost, provera.kategorija, vreme, provera.odgovori);
        });
}

bool Skladiste::ZapisiIspit(const Napredak::Ispit& ispit)
{
    const qint64 vreme = Vreme(ispit.vreme);
    return UpisiSaOdgovorima(
        QStringLiteral("INSERT INTO ispit(vreme, kategorija, bodovi, najvise, polozen) VALUES(?, ?, ?, ?, ?)"),
        { vreme, Kategorija(ispit.kategorija), ispit.bodovi, ispit.najvise, ispit.polozen ? 1 : 0 },
        [&](qint64 red) {
            return UpisiOdgovore(0, red, Napredak::Aktivnost::Ispit, ispit.kategorija, vreme, ispit.odgovori);
        });
}

bool Skladiste::Obrisi()
{
    if (!m_otvoreno)
        return false;
    QSqlDatabase db = QSqlDatabase::database(m_veza, false);
    QSqlQuery q(db);
    if (!db.transaction())
        return false;
    if (!q.exec(QStringLiteral("DELETE FROM odgovor")) || !q.exec(QStringLiteral("DELETE FROM provera"))
        || !q.exec(QStringLiteral("DELETE FROM ispit")) || !db.commit()) {
        db.rollback();
        return false;
    }
    return true;
}

std::map<qint16, std::vector<bool>> Skladiste::Ishodi(Napredak::Banka banka) const
{
    std::map<qint16, std::vector<bool>> ishodi;
    if (!m_otvoreno)
        return ishodi;
    // The index covers the query: the answers are read in order straight from it.
    std::optional<QSqlQuery> q = Citaj(m_veza, QStringLiteral("SELECT kljuc, tacno FROM odgovor WHERE banka = ? ORDER BY kljuc, id"),
        { static_cast<int>(banka) });
    while (q && q->next())
        ishodi[static_cast<qint16>(q->value(0).toInt())].push_back(q->value(1).toInt() != 0);
    return ishodi;
}

std::vector<Skladiste::Rezultat> Skladiste::Rezultati(Napredak::Aktivnost aktivnost, const QByteArray& kategorija) const
{
    std::vector<Rezultat> rezultati;
    if (!m_otvoreno)
        return rezultati;
    std::optional<QSqlQuery> q = Citaj(m_veza,
        QStringLiteral("SELECT vreme, tacnih, ukupno FROM provera WHERE aktivnost = ? AND kategorija = ? ORDER BY vreme, id"),
        { static_cast<int>(aktivnost), Kategorija(kategorija) });
    while (q && q->next())
        rezultati.push_back({QDateTime::fromMSecsSinceEpoch(q->value(0).toLongLong(), Qt::UTC), q->value(1).toInt(), q->value(2).toInt()});
    return rezultati;
}

std::vector<Napredak::Ispit> Skladiste::Ispiti() const
{
    std::vector<Napredak::Ispit> ispiti;
    if (!m_otvoreno)
        return ispiti;
    std::optional<QSqlQuery> q = Citaj(m_veza, QStringLiteral("SELECT vreme, kategorija, bodovi, najvise, polozen FROM ispit ORDER BY vreme, id"));
    while (q && q->next()) {
        Napredak::Ispit i;
        i.vreme = QDateTime::fromMSecsSinceEpoch(q->value(0).toLongLong(), Qt::UTC);
        i.kategorija = q->value(1).toString().toLatin1();
        i.bodovi = q->value(2).toInt();
        i.najvise = q->value(3).toInt();
        i.polozen = q->value(4).toInt() != 0;
        ispiti.push_back(std::move(i));
    }
    return ispiti;
}

int Skladiste::BrojOdgovora() const
{
    if (!m_otvoreno)
        return 0;
    std::optional<QSqlQuery> q = Citaj(m_veza, QStringLiteral("SELECT count(*) FROM odgovor"));
    return q && q->next() ? q->value(0).toInt() : 0;
}
