#include "Module1.h"

#include "Kriptovanje.h"
#include "Tekst.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <QVarLengthArray>

#include <cctype>
#include <cstring>
#include <memory>

namespace Module1 {

namespace {

Izvor& TrenutniIzvor()
{
    static Izvor izvor;
    return izvor;
}

std::optional<QByteArray> IzResursa(int n)
{
    QFile f(QStringLiteral(":/TEKST/%1").arg(n));
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    return f.readAll();
}

// The private folder of this process and the temporary path it was made in.
struct PrivatniFolder {
    std::unique_ptr<QTemporaryDir> dir;
    QString osnova;
};

PrivatniFolder& Folder()
{
    static PrivatniFolder folder;  // removed with its contents at exit
    return folder;
}

// Where a private folder was to be made, for messages: the temporary path, or what TMPDIR
// names when that is no folder.
QString MestoFoldera()
{
    const QString osnova = QDir::tempPath();
    if (!osnova.isEmpty())
        return osnova;
    return QStringLiteral("\"%1\" (TMPDIR)").arg(qEnvironmentVariable("TMPDIR"));
}

bool JeBlanko(char c) { return c == ' ' || c == '\t'; }
bool JeKrajReda(char c) { return c == '\r' || c == '\n'; }

// Removes the record file (or whatever stands at its place) when a load ends.
class Brisac {
public:
    explicit Brisac(QString put) : m_put(std::move(put)) {}
    ~Brisac()
    {
        if (!m_put.isEmpty())
            QFile::remove(m_put);
    }

private:
    QString m_put;
};

std::optional<qint16> KljucIzPolja(const Polje& polje)
{
    if (polje.podNavodnicima)
        return std::nullopt;
    const QByteArray t = polje.tekst;
    qsizetype i = 0;
    if (i < t.size() && t[i] == '-')
        ++i;
    if (i == t.size() || t.size() - i > 5)
        return std::nullopt;
    for (qsizetype j = i; j < t.size(); ++j)
        if (t[j] < '0' || t[j] > '9')
            return std::nullopt;
    const int v = t.toInt();
    if (v < -32768 || v > 32767)
        return std::nullopt;
    return static_cast<qint16>(v);
}

enum class Ishod { Uzima, Preskace, Greska };

// Checks one record (its fields without the key; seme: the seed of its key text) and
// decides whether it is taken.
using Filter = std::function<Ishod(const std::vector<Polje>&, qint32 seme, QString& greska)>;
// Where taken records go: room made first for at most `najvise` of them (one a line), then
// every taken record (izvor: the bytes its fields point into).
struct Skladiste {
    std::function<void(qsizetype najvise)> pripremi;
    std::function<void(const std::vector<Polje>&, qint16 kljuc, const QByteArray& izvor)> uzmi;
};

QString Opis(int resurs, int zapis, const QString& sta)
{
    return QStringLiteral("TEKST %1, zapis %2: %3").arg(resurs).arg(zapis).arg(sta);
}

// How many lines the bytes have at most (a record takes one): line feeds counted with memchr.
qsizetype Redova(const QByteArray& bajtovi)
{
    qsizetype redova = 1;
    const char* p = bajtovi.constData();
    const char* const kraj = p + bajtovi.size();
    while ((p = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(kraj - p)))) != nullptr) {
        ++redova;
        ++p;
    }
    return redova;
}

// One pass over the record file: reads every record, checks it, counts and stores the
// records taken.
bool Prolaz(const QString& put, int resurs, int brojPolja, const Filter& filter,
            const Skladiste& skladiste, int& broj, Greska& g)
{
    QFile f(put);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        g.opis = QStringLiteral("TEKST %1: zapis se ne može pročitati (%2)").arg(resurs).arg(f.errorString());
        return false;
    }
    const QByteArray bajtovi = f.readAll();
    f.close();
    skladiste.pripremi(Redova(bajtovi));

    CitacZapisa citac(bajtovi);
    std::vector<Polje> polja;
    broj = 0;
    for (int zapis = 1; !citac.Kraj(); ++zapis) {
        if (!citac.CitajZapis(brojPolja, polja)) {
            g.opis = Opis(resurs, zapis, citac.Greska());
            return false;
        }
        for (int i = 0; i + 1 < brojPolja; ++i) {
            if (!polja[static_cast<std::size_t>(i)].podNavodnicima) {
                g.opis = Opis(resurs, zapis, QStringLiteral("polje %1 nije tekst pod navodnicima").arg(i + 1));
                return false;
            }
        }
        const auto kljuc = KljucIzPolja(polja.back());
        if (!kljuc) {
            g.opis = Opis(resurs, zapis,
                          QStringLiteral("ključ \"%1\" nije 16-bitni ceo broj").arg(Tekst::izCp1250(polja.back().tekst)));
            return false;
        }
        QString greska;
        switch (filter(polja, Kriptovanje::SemeKljuca(*kljuc), greska)) {
        case Ishod::Greska:
            g.opis = Opis(resurs, zapis, greska);
            return false;
        case Ishod::Preskace:
            break;
        case Ishod::Uzima:
            ++broj;
            skladiste.uzmi(polja, *kljuc, bajtovi);
            break;
        }
    }
    return true;
}

// The reading procedure shared by the loaders: extract, read, delete. Counting the records
// and then filling the bank in a second pass over the same file would give the same bank, so
// one pass does both.
Greska Ucitaj(int resurs, int brojPolja, const Filter& filter, const Skladiste& skladiste)
{
    Greska g = IzdvojiTekst(static_cast<qint16>(resurs));
    const QString folder = TempFolder();
    const QString put = folder.isEmpty() ? QString() : folder + ImeZapisa;
    Brisac brisac(put);
    if (g)
        return g;
    if (!QFileInfo::exists(put)) {
        g.opis = QStringLiteral("TEKST %1: nema datoteke zapisa posle izdvajanja").arg(resurs);
        g.nemaDatoteke = true;
        return g;
    }
    int broj = 0;
    if (!Prolaz(put, resurs, brojPolja, filter, skladiste, broj, g))
        return g;
    if (broj == 0)
        g.opis = QStringLiteral("TEKST %1: nijedan zapis nije izabran").arg(resurs);
    return g;
}

// A field the bank keeps: it points into the record file's bytes, which the record keeps.
const QByteArray& Deo(const Polje& polje)
{
    return polje.tekst;
}

// Runs a load; on a failure the bank keeps no record.
template <class Zapis>
Banka<Zapis> Napuni(int resurs, int brojPolja, const Filter& filter,
                    const std::function<Zapis(const std::vector<Polje>&, qint16, const QByteArray&)>& zapis)
{
    Banka<Zapis> banka;
    const Skladiste skladiste {
        [&](qsizetype najvise) { banka.zapisi.reserve(static_cast<std::size_t>(najvise)); },
        [&](const std::vector<Polje>& p, qint16 kljuc, const QByteArray& izvor) {
            banka.zapisi.push_back(zapis(p, kljuc, izvor));
        },
    };
    banka.greska = Ucitaj(resurs, brojPolja, filter, skladiste);
    if (banka.greska)
        banka.zapisi.clear();
    return banka;
}

// A deciphered field, on the stack unless it is long.
class Desifrovano {
public:
    Desifrovano(const std::vector<Polje>& polja, int polje, qint32 seme)
    {
        const QByteArray& tekst = polja[static_cast<std::size_t>(polje - 1)].tekst;
        m_znakovi.resize(tekst.size());
        m_znakovi.resize(Kriptovanje::DekriptujU(seme, tekst, m_znakovi.data()));
    }
    QByteArrayView Tekst() const { return QByteArrayView(m_znakovi.constData(), m_znakovi.size()); }

private:
    QVarLengthArray<char, 64> m_znakovi;
};

// A deciphered number field within [od, do_]; fills greska otherwise.
bool ProveriBroj(const std::vector<Polje>& polja, int polje, qint32 seme, int od, int do_,
                 const QString& naziv, QString& greska, int* vrednost = nullptr)
{
    const Desifrovano desifrovano(polja, polje, seme);
    const QByteArrayView tekst = desifrovano.Tekst();
    const auto broj = Broj(tekst);
    if (!broj) {
        greska = QStringLiteral("%1 (polje %2) nije broj: \"%3\"").arg(naziv).arg(polje).arg(Tekst::izCp1250(tekst.toByteArray()));
        return false;
    }
    if (*broj < od || *broj > do_) {
        greska = QStringLiteral("%1 (polje %2) je %3, van opsega %4..%5").arg(naziv).arg(polje).arg(*broj).arg(od).arg(do_);
        return false;
    }
    if (vrednost)
        *vrednost = *broj;
    return true;
}

constexpr int NajveciBroj = 32767;

BankaZnakova UcitajZnakoveAko(const std::function<bool(int)>& uzima)
{
    const Filter filter = [&](const std::vector<Polje>& p, qint32 kt, QString& greska) {
        int kategorija = 0;
        if (!ProveriBroj(p, 1, kt, 1, 5, QStringLiteral("kategorija znaka"), greska, &kategorija)
            || !ProveriBroj(p, 3, kt, 1, NajveciBroj, QStringLiteral("broj slike"), greska))
            return Ishod::Greska;
        return uzima(kategorija) ? Ishod::Uzima : Ishod::Preskace;
    };
    return Napuni<Znak>(1, 4, filter, [](const std::vector<Polje>& p, qint16 kljuc, const QByteArray& izvor) {
        return Znak { Deo(p[1]), Deo(p[2]), kljuc, izvor };
    });
}

}  // namespace

QString Greska::ZaKorisnika() const
{
    if (opis.isEmpty() || nemaDatoteke)
        return PorukaGreske;
    return PorukaGreske + QStringLiteral("\n\n") + opis;
}

QString TempFolder()
{
    PrivatniFolder& f = Folder();
    const QString osnova = QDir::tempPath();  // empty when TMPDIR names no folder
    if (osnova.isEmpty()) {
        f.dir.reset();
        return QString();
    }
    if (!f.dir || !f.dir->isValid() || f.osnova != osnova || !QFileInfo(f.dir->path()).isDir()) {
        f.dir = std::make_unique<QTemporaryDir>(osnova + QStringLiteral("/karuvel-XXXXXX"));
        f.osnova = osnova;
        if (!f.dir->isValid()) {
            f.dir.reset();
            return QString();
        }
        QFile::setPermissions(f.dir->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    return f.dir->path() + QLatin1Char('/');
}

void UkloniTempFolder()
{
    PrivatniFolder& f = Folder();
    f.dir.reset();
    f.osnova.clear();
}

void PostaviIzvor(Izvor izvor)
{
    TrenutniIzvor() = std::move(izvor);
}

Greska IzdvojiTekst(qint16 n)
{
    Greska g;
    const QString folder = TempFolder();
    if (folder.isEmpty()) {
        g.opis = QStringLiteral("TEKST %1: privremeni folder se ne može napraviti u %2").arg(n).arg(MestoFoldera());
        return g;
    }
    const Izvor& izvor = TrenutniIzvor();
    const std::optional<QByteArray> bajtovi = izvor ? izvor(n) : IzResursa(n);
    if (!bajtovi) {
        g.opis = QStringLiteral("TEKST %1: resurs ne postoji").arg(n);
        return g;
    }
    const QString put = folder + ImeZapisa;
    // Whatever stands at the name (a stale file, a link) is removed, never written through.
    const QFileInfo info(put);
    if ((info.exists() || info.isSymLink()) && !QFile::remove(put)) {
        g.opis = QStringLiteral("TEKST %1: stara datoteka %2 se ne može obrisati").arg(n).arg(put);
        return g;
    }
    QFile f(put);
    if (!f.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered)) {
        g.opis = QStringLiteral("TEKST %1: %2 se ne može napraviti (%3)").arg(n).arg(put, f.errorString());
        return g;
    }
    const bool upisano = f.write(*bajtovi) == bajtovi->size();
    f.close();
    if (!upisano || f.error() != QFileDevice::NoError) {
        g.opis = QStringLiteral("TEKST %1: upis u %2 nije uspeo").arg(n).arg(put);
        QFile::remove(put);
    }
    return g;
}

BankaZnakova UcitajZnakove(qint16 kategorija)
{
    return UcitajZnakoveAko([kategorija](int k) { return k == kategorija; });
}

BankaZnakova UcitajSveZnakove()
{
    return UcitajZnakoveAko([](int) { return true; });
}

BankaPitanja UcitajTeoriju(const QByteArray& kategorija)
{
    // Only the records of the category are read further.
    const Filter filter = [&](const std::vector<Polje>& p, qint32 kt, QString& greska) {
        if (Desifrovano(p, 1, kt).Tekst() != kategorija)
            return Ishod::Preskace;
        if (!ProveriBroj(p, 6, kt, 1, 3, QStringLiteral("tačan odgovor"), greska))
            return Ishod::Greska;
        return Ishod::Uzima;
    };
    return Napuni<Pitanje>(2, 7, filter, [](const std::vector<Polje>& p, qint16 kljuc, const QByteArray& izvor) {
        return Pitanje { Deo(p[1]), { Deo(p[2]), Deo(p[3]), Deo(p[4]) }, Deo(p[5]), {}, kljuc, izvor };
    });
}

BankaPitanja UcitajSituacije(const QByteArray& /*kategorija: every record is taken*/)
{
    const Filter filter = [&](const std::vector<Polje>& p, qint32 kt, QString& greska) {
        if (!ProveriBroj(p, 5, kt, 1, 3, QStringLiteral("tačan odgovor"), greska)
            || !ProveriBroj(p, 6, kt, 1, NajveciBroj, QStringLiteral("broj slike"), greska))
            return Ishod::Greska;
        return Ishod::Uzima;
    };
    return Napuni<Pitanje>(3, 7, filter, [](const std::vector<Polje>& p, qint16 kljuc, const QByteArray& izvor) {
        return Pitanje { Deo(p[0]), { Deo(p[1]), Deo(p[2]), Deo(p[3]) }, Deo(p[4]), Deo(p[5]), kljuc, izvor };
    });
}

BankaRaskrsnica UcitajRaskrsnice(const QByteArray& /*kategorija: every record is taken*/)
{
    const Filter filter = [&](const std::vector<Polje>& p, qint32 kt, QString& greska) {
        const Desifrovano desifrovano(p, 1, kt);
        const QByteArrayView r = desifrovano.Tekst();
        bool ispravno = !r.isEmpty() && r.size() <= 9;
        for (const char c : r)
            ispravno = ispravno && c >= '1' && c <= '9';
        if (!ispravno) {
            greska = QStringLiteral("rešenje (polje 1) nije niz od 1 do 9 cifara 1-9: \"%1\"").arg(Tekst::izCp1250(r.toByteArray()));
            return Ishod::Greska;
        }
        if (!ProveriBroj(p, 2, kt, 1, NajveciBroj, QStringLiteral("broj slike"), greska))
            return Ishod::Greska;
        return Ishod::Uzima;
    };
    return Napuni<Raskrsnica>(4, 3, filter, [](const std::vector<Polje>& p, qint16 kljuc, const QByteArray& izvor) {
        return Raskrsnica { Deo(p[0]), Deo(p[1]), kljuc, izvor };
    });
}

std::optional<int> Broj(QByteArrayView tekst)
{
    const QByteArrayView t = tekst.trimmed();
    qsizetype i = 0;
    bool negativan = false;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
        negativan = t[i] == '-';
        ++i;
    }
    const qsizetype pocetak = i;
    long long v = 0;
    for (; i < t.size() && t[i] >= '0' && t[i] <= '9'; ++i) {
        v = v * 10 + (t[i] - '0');
        if (v > 2147483647LL)
            return std::nullopt;
    }
    if (i == pocetak)
        return std::nullopt;
    if (i < t.size() && t[i] == '.') {
        for (++i; i < t.size() && t[i] == '0'; ++i) {
        }
    }
    if (i != t.size())
        return std::nullopt;
    return static_cast<int>(negativan ? -v : v);
}

// ---- sequential reader ----

bool CitacZapisa::Kraj()
{
    while (m_poz < m_b.size() && (JeBlanko(m_b[m_poz]) || JeKrajReda(m_b[m_poz])))
        ++m_poz;
    for (qsizetype i = m_poz; i < m_b.size(); ++i)
        if (m_b[i] != '\0')
            return false;
    return true;
}

bool CitacZapisa::Citaj(Polje& polje)
{
    polje = Polje();
    const char* const b = m_b.constData();
    const qsizetype n = m_b.size();
    // Blanks before a field; a line end here separates it from the previous record.
    while (m_poz < n && (JeBlanko(b[m_poz]) || JeKrajReda(b[m_poz])))
        ++m_poz;
    if (m_poz == n || (b[m_poz] == '\0' && Kraj())) {
        m_greska = QStringLiteral("kraj datoteke usred zapisa");
        return false;
    }
    if (b[m_poz] == '"') {
        const char* const pocetak = b + m_poz + 1;
        const auto duzina = static_cast<std::size_t>(n - m_poz - 1);
        const auto* kraj = static_cast<const char*>(std::memchr(pocetak, '"', duzina));
        if (!kraj) {
            m_greska = QStringLiteral("navodnici nisu zatvoreni");
            return false;
        }
        polje.tekst = QByteArray::fromRawData(pocetak, kraj - pocetak);
        polje.podNavodnicima = true;
        if (std::memchr(pocetak, '\0', static_cast<std::size_t>(kraj - pocetak))) {
            m_greska = QStringLiteral("NUL bajt pre kraja datoteke");
            return false;
        }
        m_poz = kraj - b + 1;
        while (m_poz < n && JeBlanko(b[m_poz]))
            ++m_poz;
        if (m_poz < n && b[m_poz] != ',' && !JeKrajReda(b[m_poz]) && b[m_poz] != '\0') {
            m_greska = QStringLiteral("višak teksta posle navodnika");
            return false;
        }
    } else {
        const qsizetype pocetak = m_poz;
        while (m_poz < n && b[m_poz] != ',' && !JeKrajReda(b[m_poz]) && b[m_poz] != '\0')
            ++m_poz;
        qsizetype od = pocetak;
        qsizetype do_ = m_poz;
        const auto prazno = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
        while (od < do_ && prazno(b[od]))
            ++od;
        while (do_ > od && prazno(b[do_ - 1]))
            --do_;
        polje.tekst = QByteArray::fromRawData(b + od, do_ - od);
    }
    // The separator: a comma or a line end (CR LF counts once), or the NUL padding.
    if (m_poz < n) {
        if (b[m_poz] == ',') {
            ++m_poz;
        } else if (b[m_poz] == '\r') {
            ++m_poz;
            if (m_poz < n && b[m_poz] == '\n')
                ++m_poz;
        } else if (b[m_poz] == '\n') {
            ++m_poz;
        } else if (b[m_poz] == '\0' && !Kraj()) {
            m_greska = QStringLiteral("NUL bajt pre kraja datoteke");
            return false;
        }
    }
    return true;
}

bool CitacZapisa::CitajZapis(int n, std::vector<Polje>& polja)
{
    polja.resize(static_cast<std::size_t>(n));  // every field is read anew
    for (int i = 0; i < n; ++i) {
        if (!Citaj(polja[static_cast<std::size_t>(i)])) {
            if (m_greska == QStringLiteral("kraj datoteke usred zapisa"))
                m_greska = QStringLiteral("premalo polja (%1 od %2)").arg(i).arg(n);
            return false;
        }
    }
    return true;
}

}  // namespace Module1
