#include "Module1.h"

#include "Kriptovanje.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <memory>

namespace Module1 {

namespace {

bool g_nemaDatoteke = false;  // the last failure was the missing record file
QString g_greska;

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

// Checks one record (its fields without the key) and decides whether it is taken.
using Filter = std::function<Ishod(const std::vector<Polje>&, const QByteArray& kljucniTekst, QString& greska)>;
// Stores a taken record.
using Skladiste = std::function<void(const std::vector<Polje>&, qint16 kljuc)>;

QString Opis(int resurs, int zapis, const QString& sta)
{
    return QStringLiteral("TEKST %1, zapis %2: %3").arg(resurs).arg(zapis).arg(sta);
}

// One pass over the record file: reads every record, checks it, counts (and stores) the
// records taken.
bool Prolaz(const QString& put, int resurs, int brojPolja, const Filter& filter,
            const Skladiste* skladiste, int& broj)
{
    QFile f(put);
    if (!f.open(QIODevice::ReadOnly)) {
        g_greska = QStringLiteral("TEKST %1: zapis se ne može pročitati (%2)").arg(resurs).arg(f.errorString());
        return false;
    }
    const QByteArray bajtovi = f.readAll();
    f.close();

    CitacZapisa citac(bajtovi);
    std::vector<Polje> polja;
    broj = 0;
    for (int zapis = 1; !citac.Kraj(); ++zapis) {
        if (!citac.CitajZapis(brojPolja, polja)) {
            g_greska = Opis(resurs, zapis, citac.Greska());
            return false;
        }
        for (int i = 0; i + 1 < brojPolja; ++i) {
            if (!polja[static_cast<std::size_t>(i)].podNavodnicima) {
                g_greska = Opis(resurs, zapis, QStringLiteral("polje %1 nije tekst pod navodnicima").arg(i + 1));
                return false;
            }
        }
        const auto kljuc = KljucIzPolja(polja.back());
        if (!kljuc) {
            g_greska = Opis(resurs, zapis,
                            QStringLiteral("kljuc \"%1\" nije 16-bitni ceo broj").arg(QString::fromLatin1(polja.back().tekst)));
            return false;
        }
        QString greska;
        switch (filter(polja, Kriptovanje::KljucniTekst(*kljuc), greska)) {
        case Ishod::Greska:
            g_greska = Opis(resurs, zapis, greska);
            return false;
        case Ishod::Preskace:
            break;
        case Ishod::Uzima:
            ++broj;
            if (skladiste)
                (*skladiste)(polja, *kljuc);
            break;
        }
    }
    return true;
}

// The reading procedure shared by the loaders: extract, count, fill, delete.
bool Ucitaj(int resurs, int brojPolja, const Filter& filter, const Skladiste& skladiste)
{
    g_greska.clear();
    g_nemaDatoteke = false;
    const bool izdvojeno = IzdvojiTekst(static_cast<qint16>(resurs));
    const QString folder = TempFolder();
    const QString put = folder.isEmpty() ? QString() : folder + ImeZapisa;
    Brisac brisac(put);
    if (!izdvojeno)
        return false;
    if (!QFileInfo::exists(put)) {
        g_greska = QStringLiteral("TEKST %1: nema datoteke zapisa posle izdvajanja").arg(resurs);
        g_nemaDatoteke = true;
        return false;
    }
    int broj = 0;
    if (!Prolaz(put, resurs, brojPolja, filter, nullptr, broj))
        return false;
    if (broj == 0) {
        g_greska = QStringLiteral("TEKST %1: nijedan zapis nije izabran").arg(resurs);
        return false;
    }
    int popunjeno = 0;
    if (!Prolaz(put, resurs, brojPolja, filter, &skladiste, popunjeno))
        return false;
    if (popunjeno != broj) {
        g_greska = QStringLiteral("TEKST %1: drugi prolaz našao %2 zapisa umesto %3").arg(resurs).arg(popunjeno).arg(broj);
        return false;
    }
    return true;
}

QByteArray Desifruj(const std::vector<Polje>& polja, int polje, const QByteArray& kljucniTekst)
{
    return Kriptovanje::Dekriptuj(kljucniTekst, polja[static_cast<std::size_t>(polje - 1)].tekst);
}

// A deciphered number field within [od, do_]; fills greska otherwise.
bool ProveriBroj(const std::vector<Polje>& polja, int polje, const QByteArray& kljucniTekst, int od, int do_,
                 const QString& naziv, QString& greska, int* vrednost = nullptr)
{
    const QByteArray tekst = Desifruj(polja, polje, kljucniTekst);
    const auto broj = Broj(tekst);
    if (!broj) {
        greska = QStringLiteral("%1 (polje %2) nije broj: \"%3\"").arg(naziv).arg(polje).arg(QString::fromLatin1(tekst));
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

bool UcitajZnakoveAko(const std::function<bool(int)>& uzima)
{
    Niz<QByteArray> opis, slika;
    Niz<qint16> kljucevi;
    const Filter filter = [&](const std::vector<Polje>& p, const QByteArray& kt, QString& greska) {
        int kategorija = 0;
        if (!ProveriBroj(p, 1, kt, 1, 5, QStringLiteral("kategorija znaka"), greska, &kategorija)
            || !ProveriBroj(p, 3, kt, 1, NajveciBroj, QStringLiteral("broj slike"), greska))
            return Ishod::Greska;
        return uzima(kategorija) ? Ishod::Uzima : Ishod::Preskace;
    };
    const Skladiste skladiste = [&](const std::vector<Polje>& p, qint16 kljuc) {
        opis.Dodaj(p[1].tekst);
        slika.Dodaj(p[2].tekst);
        kljucevi.Dodaj(kljuc);
    };
    IsprazniZnakove();
    if (!Ucitaj(1, 4, filter, skladiste))
        return false;
    ZnakOpis = opis;
    ZnakSlika = slika;
    ZnakKljuc = kljucevi;
    return true;
}

}  // namespace

void IsprazniZnakove()
{
    ZnakOpis.Isprazni();
    ZnakSlika.Isprazni();
    ZnakKljuc.Isprazni();
}

void IsprazniTeoriju()
{
    TeorijaPitanje.Isprazni();
    TeorijaOdgovor.Isprazni();
    TeorijaTacan.Isprazni();
    TeorijaKljuc.Isprazni();
}

void IsprazniSituacije()
{
    SituacijaPitanje.Isprazni();
    SituacijaOdgovor.Isprazni();
    SituacijaTacan.Isprazni();
    SituacijaSlika.Isprazni();
    SituacijaKljuc.Isprazni();
}

void IsprazniRaskrsnice()
{
    RaskrsnicaResenje.Isprazni();
    RaskrsnicaSlika.Isprazni();
    RaskrsnicaKljuc.Isprazni();
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

bool IzdvojiTekst(qint16 n)
{
    const QString folder = TempFolder();
    if (folder.isEmpty()) {
        g_greska = QStringLiteral("TEKST %1: privremeni folder se ne može napraviti u %2").arg(n).arg(QDir::tempPath());
        return false;
    }
    const Izvor& izvor = TrenutniIzvor();
    const std::optional<QByteArray> bajtovi = izvor ? izvor(n) : IzResursa(n);
    if (!bajtovi) {
        g_greska = QStringLiteral("TEKST %1: resurs ne postoji").arg(n);
        return false;
    }
    const QString put = folder + ImeZapisa;
    // Whatever stands at the name (a stale file, a link) is removed, never written through.
    const QFileInfo info(put);
    if ((info.exists() || info.isSymLink()) && !QFile::remove(put)) {
        g_greska = QStringLiteral("TEKST %1: stara datoteka %2 se ne može obrisati").arg(n).arg(put);
        return false;
    }
    QFile f(put);
    if (!f.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        g_greska = QStringLiteral("TEKST %1: %2 se ne može napraviti (%3)").arg(n).arg(put, f.errorString());
        return false;
    }
    const bool upisano = f.write(*bajtovi) == bajtovi->size();
    f.close();
    if (!upisano || f.error() != QFileDevice::NoError) {
        g_greska = QStringLiteral("TEKST %1: upis u %2 nije uspeo").arg(n).arg(put);
        QFile::remove(put);
        return false;
    }
    return true;
}

bool UcitajZnakove(qint16 kategorija)
{
    return UcitajZnakoveAko([kategorija](int k) { return k == kategorija; });
}

bool UcitajSveZnakove()
{
    return UcitajZnakoveAko([](int) { return true; });
}

bool UcitajTeoriju(const QByteArray& kategorija)
{
    Niz<QByteArray> pitanje, tacan;
    NizOdgovora odgovor;
    Niz<qint16> kljucevi;
    const Filter filter = [&](const std::vector<Polje>& p, const QByteArray& kt, QString& greska) {
        if (!ProveriBroj(p, 6, kt, 1, 3, QStringLiteral("tacan odgovor"), greska))
            return Ishod::Greska;
        return Desifruj(p, 1, kt) == kategorija ? Ishod::Uzima : Ishod::Preskace;
    };
    const Skladiste skladiste = [&](const std::vector<Polje>& p, qint16 kljuc) {
        pitanje.Dodaj(p[1].tekst);
        odgovor.Dodaj({p[2].tekst, p[3].tekst, p[4].tekst});
        tacan.Dodaj(p[5].tekst);
        kljucevi.Dodaj(kljuc);
    };
    IsprazniTeoriju();
    if (!Ucitaj(2, 7, filter, skladiste))
        return false;
    TeorijaPitanje = pitanje;
    TeorijaOdgovor = odgovor;
    TeorijaTacan = tacan;
    TeorijaKljuc = kljucevi;
    return true;
}

bool UcitajSituacije(const QByteArray& /*kategorija: every record is taken*/)
{
    Niz<QByteArray> pitanje, tacan, slika;
    NizOdgovora odgovor;
    Niz<qint16> kljucevi;
    const Filter filter = [&](const std::vector<Polje>& p, const QByteArray& kt, QString& greska) {
        if (!ProveriBroj(p, 5, kt, 1, 3, QStringLiteral("tacan odgovor"), greska)
            || !ProveriBroj(p, 6, kt, 1, NajveciBroj, QStringLiteral("broj slike"), greska))
            return Ishod::Greska;
        return Ishod::Uzima;
    };
    const Skladiste skladiste = [&](const std::vector<Polje>& p, qint16 kljuc) {
        pitanje.Dodaj(p[0].tekst);
        odgovor.Dodaj({p[1].tekst, p[2].tekst, p[3].tekst});
        tacan.Dodaj(p[4].tekst);
        slika.Dodaj(p[5].tekst);
        kljucevi.Dodaj(kljuc);
    };
    IsprazniSituacije();
    if (!Ucitaj(3, 7, filter, skladiste))
        return false;
    SituacijaPitanje = pitanje;
    SituacijaOdgovor = odgovor;
    SituacijaTacan = tacan;
    SituacijaSlika = slika;
    SituacijaKljuc = kljucevi;
    return true;
}

bool UcitajRaskrsnice(const QByteArray& /*kategorija: every record is taken*/)
{
    Niz<QByteArray> resenje, slika;
    Niz<qint16> kljucevi;
    const Filter filter = [&](const std::vector<Polje>& p, const QByteArray& kt, QString& greska) {
        const QByteArray r = Desifruj(p, 1, kt);
        bool ispravno = !r.isEmpty() && r.size() <= 9;
        for (const char c : r)
            ispravno = ispravno && c >= '1' && c <= '9';
        if (!ispravno) {
            greska = QStringLiteral("rešenje (polje 1) nije niz od 1 do 9 cifara 1-9: \"%1\"").arg(QString::fromLatin1(r));
            return Ishod::Greska;
        }
        if (!ProveriBroj(p, 2, kt, 1, NajveciBroj, QStringLiteral("broj slike"), greska))
            return Ishod::Greska;
        return Ishod::Uzima;
    };
    const Skladiste skladiste = [&](const std::vector<Polje>& p, qint16 kljuc) {
        resenje.Dodaj(p[0].tekst);
        slika.Dodaj(p[1].tekst);
        kljucevi.Dodaj(kljuc);
    };
    IsprazniRaskrsnice();
    if (!Ucitaj(4, 3, filter, skladiste))
        return false;
    RaskrsnicaResenje = resenje;
    RaskrsnicaSlika = slika;
    RaskrsnicaKljuc = kljucevi;
    return true;
}

QString PoslednjaGreska()
{
    return g_greska;
}

QString PorukaZaKorisnika()
{
    if (g_greska.isEmpty() || g_nemaDatoteke)
        return PorukaGreske;
    return PorukaGreske + QStringLiteral("\n\n") + g_greska;
}

std::optional<int> Broj(const QByteArray& tekst)
{
    const QByteArray t = tekst.trimmed();
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
    // Blanks before a field; a line end here separates it from the previous record.
    while (m_poz < m_b.size() && (JeBlanko(m_b[m_poz]) || JeKrajReda(m_b[m_poz])))
        ++m_poz;
    if (Kraj()) {
        m_greska = QStringLiteral("kraj datoteke usred zapisa");
        return false;
    }
    if (m_b[m_poz] == '"') {
        const qsizetype kraj = m_b.indexOf('"', m_poz + 1);
        if (kraj < 0) {
            m_greska = QStringLiteral("navodnici nisu zatvoreni");
            return false;
        }
        polje.tekst = m_b.mid(m_poz + 1, kraj - m_poz - 1);
        polje.podNavodnicima = true;
        if (polje.tekst.contains('\0')) {
            m_greska = QStringLiteral("NUL bajt pre kraja datoteke");
            return false;
        }
        m_poz = kraj + 1;
        while (m_poz < m_b.size() && JeBlanko(m_b[m_poz]))
            ++m_poz;
        if (m_poz < m_b.size() && m_b[m_poz] != ',' && !JeKrajReda(m_b[m_poz]) && m_b[m_poz] != '\0') {
            m_greska = QStringLiteral("višak teksta posle navodnika");
            return false;
        }
    } else {
        const qsizetype pocetak = m_poz;
        while (m_poz < m_b.size() && m_b[m_poz] != ',' && !JeKrajReda(m_b[m_poz]) && m_b[m_poz] != '\0')
            ++m_poz;
        polje.tekst = m_b.mid(pocetak, m_poz - pocetak).trimmed();
    }
    // The separator: a comma or a line end (CR LF counts once), or the NUL padding.
    if (m_poz < m_b.size()) {
        if (m_b[m_poz] == ',') {
            ++m_poz;
        } else if (m_b[m_poz] == '\r') {
            ++m_poz;
            if (m_poz < m_b.size() && m_b[m_poz] == '\n')
                ++m_poz;
        } else if (m_b[m_poz] == '\n') {
            ++m_poz;
        } else if (m_b[m_poz] == '\0' && !Kraj()) {
            m_greska = QStringLiteral("NUL bajt pre kraja datoteke");
            return false;
        }
    }
    return true;
}

bool CitacZapisa::CitajZapis(int n, std::vector<Polje>& polja)
{
    polja.assign(static_cast<std::size_t>(n), Polje());
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
