// karuvel-sadrzaj: turns the UTF-8 TSV sources under content/ into the four enciphered
// record files that the program carries as the resources TEKST 1..4.
//
//   karuvel-sadrzaj <content dir> <output dir>   writes <output dir>/1 .. /4
//   karuvel-sadrzaj --pregled <content dir>      prints "<bank> <category> <records>" and,
//       for the banks whose questions offer three answers, after it
//       "<bank> <category> tacan-najduzi <n>/<records> <percent>% tacan-1.5x <m>":
//       n questions whose correct answer is the single longest one, m of them with a correct
//       answer at least 1.5 times as long as each of the other two (lengths in characters)
//
// Record file: one record per line (CR LF), text fields enciphered and quoted, the key
// number last and unquoted, NUL bytes padding the file to a multiple of four bytes.
//
// Every source starts with the column "id": the record's key number (-32768..32767), unique
// within its file. It is the record's identity for good: the program keeps the candidate's
// progress under it, so an id is never renumbered or reused; a new record takes a number no
// record of its file has.
// Any error is reported as "file:line: message" and ends the program with exit code 1.

#include "content/Kriptovanje.h"
#include "content/Tekst.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QString>
#include <QStringList>
#include <QStringDecoder>

#include <array>
#include <cstdio>
#include <map>
#include <set>
#include <stdexcept>
#include <vector>

namespace {

struct Greska : std::runtime_error {
    using std::runtime_error::runtime_error;
};

[[noreturn]] void Prijavi(const QString& fajl, int red, const QString& poruka)
{
    const QString mesto = red > 0 ? QStringLiteral("%1:%2").arg(fajl).arg(red) : fajl;
    throw Greska(QStringLiteral("%1: %2").arg(mesto, poruka).toStdString());
}

// One data line of a TSV source: its line number and its fields by column name.
struct Red {
    int broj = 0;
    std::map<QString, QString> polja;
};

struct Izvor {
    QString fajl;  // path as shown in messages
    std::vector<Red> redovi;
};

Izvor CitajTsv(const QString& folder, const QString& ime, const QStringList& kolone)
{
    Izvor izvor;
    izvor.fajl = QDir(folder).filePath(ime);
    QFile f(izvor.fajl);
    if (!f.open(QIODevice::ReadOnly))
        Prijavi(izvor.fajl, 0, QStringLiteral("cannot be read: %1").arg(f.errorString()));
    QByteArray sve = f.readAll();
    if (sve.startsWith("\xEF\xBB\xBF"))
        sve.remove(0, 3);
    const QList<QByteArray> linije = sve.split('\n');
    bool zaglavlje = true;
    for (qsizetype i = 0; i < linije.size(); ++i) {
        const int broj = static_cast<int>(i) + 1;
        QByteArray linija = linije[i];
        if (linija.endsWith('\r'))
            linija.chop(1);
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString tekst = utf8.decode(linija);
        if (utf8.hasError())
            Prijavi(izvor.fajl, broj, QStringLiteral("the line is not valid UTF-8"));
        if (tekst.trimmed().isEmpty())
            continue;
        const QStringList delovi = tekst.split(QLatin1Char('\t'));
        if (zaglavlje) {
            if (delovi != kolone)
                Prijavi(izvor.fajl, broj, QStringLiteral("the header must be \"%1\"").arg(kolone.join(QStringLiteral("<tab>"))));
            zaglavlje = false;
            continue;
        }
        if (delovi.size() < kolone.size())
            Prijavi(izvor.fajl, broj, QStringLiteral("field \"%1\" is missing (%2 of %3 fields)")
                                          .arg(kolone[delovi.size()]).arg(delovi.size()).arg(kolone.size()));
        if (delovi.size() > kolone.size())
            Prijavi(izvor.fajl, broj, QStringLiteral("%1 fields, expected %2").arg(delovi.size()).arg(kolone.size()));
        Red red;
        red.broj = broj;
        for (qsizetype k = 0; k < kolone.size(); ++k) {
            const QString vrednost = delovi[k].trimmed();
            if (vrednost.isEmpty())
                Prijavi(izvor.fajl, broj, QStringLiteral("field \"%1\" is missing (empty)").arg(kolone[k]));
            red.polja[kolone[k]] = vrednost;
        }
        izvor.redovi.push_back(std::move(red));
    }
    if (zaglavlje)
        Prijavi(izvor.fajl, 0, QStringLiteral("no header row"));
    return izvor;
}

QString OpisZnaka(const QString& s)
{
    const char32_t kod = s.toUcs4().value(0);
    const QString vidljivo = (kod < 0x20 || kod == 0x7F) ? QStringLiteral("\\x%1").arg(static_cast<uint>(kod), 2, 16, QLatin1Char('0')) : s;
    return QStringLiteral("'%1' (U+%2)").arg(vidljivo, QString::number(static_cast<uint>(kod), 16).toUpper().rightJustified(4, QLatin1Char('0')));
}

// A text field as code page 1250 bytes that the cipher can store.
QByteArray Tekst1250(const Izvor& izvor, const Red& red, const QString& kolona)
{
    const QString tekst = red.polja.at(kolona);
    const auto bajtovi = Tekst::uCp1250(tekst);
    // Walk the characters (code points) to name the first one that cannot be stored.
    qsizetype i = 0;
    while (i < tekst.size()) {
        const qsizetype duzina = tekst.at(i).isHighSurrogate() && i + 1 < tekst.size() ? 2 : 1;
        const QString znak = tekst.mid(i, duzina);
        const auto z = Tekst::uCp1250(znak);
        if (!z || z->size() != 1)
            Prijavi(izvor.fajl, red.broj, QStringLiteral("field \"%1\": character %2 has no code page 1250 code")
                                              .arg(kolona, OpisZnaka(znak)));
        if (!Kriptovanje::MozeSeSacuvati(static_cast<unsigned char>(z->at(0))))
            Prijavi(izvor.fajl, red.broj, QStringLiteral("field \"%1\": character %2 cannot be stored by the cipher")
                                              .arg(kolona, OpisZnaka(znak)));
        i += duzina;
    }
    if (!bajtovi)
        Prijavi(izvor.fajl, red.broj, QStringLiteral("field \"%1\" cannot be written in code page 1250").arg(kolona));
    return *bajtovi;
}

// A whole number field within od..do_, returned as its plain decimal text.
QByteArray Broj(const Izvor& izvor, const Red& red, const QString& kolona, int od, int do_)
{
    const QString tekst = red.polja.at(kolona);
    bool cifre = !tekst.isEmpty() && tekst.size() <= 9;
    for (const QChar c : tekst)
        cifre = cifre && c >= QLatin1Char('0') && c <= QLatin1Char('9');
    const int v = cifre ? tekst.toInt() : 0;
    if (!cifre || v < od || v > do_)
        Prijavi(izvor.fajl, red.broj, QStringLiteral("field \"%1\": \"%2\" is not a whole number from %3 to %4")
                                          .arg(kolona, tekst).arg(od).arg(do_));
    return QByteArray::number(v);
}

constexpr int NajveciBrojSlike = 32767;

// The column "id" of every source: the record's key number.
const QString KolonaId = QStringLiteral("id");

// The key number of a record from its "id": a whole number in the signed 16-bit range, not
// used by an earlier record of the same file (`zauzeti`: id -> line that took it).
qint16 Id(const Izvor& izvor, const Red& red, std::map<int, int>& zauzeti)
{
    const QString tekst = red.polja.at(KolonaId);
    const QStringView cifre = tekst.startsWith(QLatin1Char('-')) ? QStringView(tekst).mid(1) : QStringView(tekst);
    bool ispravno = !cifre.isEmpty() && cifre.size() <= 5;
    for (const QChar c : cifre)
        ispravno = ispravno && c >= QLatin1Char('0') && c <= QLatin1Char('9');
    const int v = ispravno ? tekst.toInt() : 0;
    if (!ispravno || v < -32768 || v > 32767)
        Prijavi(izvor.fajl, red.broj,
                QStringLiteral("field \"id\": \"%1\" is not a whole number from -32768 to 32767").arg(tekst));
    const auto [mesto, nov] = zauzeti.emplace(v, red.broj);
    if (!nov)
        Prijavi(izvor.fajl, red.broj,
                QStringLiteral("field \"id\": %1 is already the id of line %2").arg(v).arg(mesto->second));
    return static_cast<qint16>(v);
}

// The three offered answers of a question as the overview measures them.
struct Odgovori {
    std::array<qsizetype, 3> duzine{};  // characters (code points) of answers 1..3
    int tacan = 0;                      // 1..3
};

Odgovori MeriOdgovore(const Red& red)
{
    Odgovori o;
    for (int i = 0; i < 3; ++i)
        o.duzine[static_cast<std::size_t>(i)] = red.polja.at(QStringLiteral("odgovor%1").arg(i + 1)).toUcs4().size();
    o.tacan = red.polja.at(QStringLiteral("tacan")).toInt();
    return o;
}

// A record before enciphering: plain text fields in file order.
struct Zapis {
    qint16 kljuc = 0;       // from the column "id"
    std::vector<QByteArray> polja;
    QByteArray kategorija;  // for the overview; "-" where the bank has none
    Odgovori odgovori;      // for banks of questions with three answers
};

struct Banka {
    QString ime;       // "znakovi", ...
    int resurs = 0;    // TEKST number
    std::vector<QByteArray> kategorije;  // listed in the overview even when empty
    std::vector<Zapis> zapisi;
    bool saOdgovorima = false;  // records are questions with three answers
};

Banka Znakovi(const QString& folder)
{
    const Izvor izvor = CitajTsv(folder, QStringLiteral("znakovi.tsv"),
                                 {KolonaId, QStringLiteral("kategorija"), QStringLiteral("slika"), QStringLiteral("opis")});
    Banka b{QStringLiteral("znakovi"), 1, {"1", "2", "3", "4", "5"}, {}, false};
    std::map<int, int> zauzeti;
    for (const Red& red : izvor.redovi) {
        const qint16 kljuc = Id(izvor, red, zauzeti);
        const QByteArray kategorija = Broj(izvor, red, QStringLiteral("kategorija"), 1, 5);
        b.zapisi.push_back({kljuc, {kategorija, Tekst1250(izvor, red, QStringLiteral("opis")),
                             Broj(izvor, red, QStringLiteral("slika"), 1, NajveciBrojSlike)},
                            kategorija, {}});
    }
    return b;
}

Banka Teorija(const QString& folder)
{
    const Izvor izvor = CitajTsv(folder, QStringLiteral("teorija.tsv"),
                                 {KolonaId, QStringLiteral("kategorija"), QStringLiteral("pitanje"), QStringLiteral("odgovor1"),
                                  QStringLiteral("odgovor2"), QStringLiteral("odgovor3"), QStringLiteral("tacan")});
    Banka b{QStringLiteral("teorija"), 2, {"B", "CD", "T"}, {}, true};
    std::map<int, int> zauzeti;
    for (const Red& red : izvor.redovi) {
        const qint16 kljuc = Id(izvor, red, zauzeti);
        const QString kategorija = red.polja.at(QStringLiteral("kategorija"));
        if (kategorija != QLatin1String("B") && kategorija != QLatin1String("CD") && kategorija != QLatin1String("T"))
            Prijavi(izvor.fajl, red.broj,
                    QStringLiteral("field \"kategorija\": \"%1\" is not B, CD or T").arg(kategorija));
        b.zapisi.push_back({kljuc, {kategorija.toLatin1(), Tekst1250(izvor, red, QStringLiteral("pitanje")),
                             Tekst1250(izvor, red, QStringLiteral("odgovor1")),
                             Tekst1250(izvor, red, QStringLiteral("odgovor2")),
                             Tekst1250(izvor, red, QStringLiteral("odgovor3")),
                             Broj(izvor, red, QStringLiteral("tacan"), 1, 3)},
                            kategorija.toLatin1(), MeriOdgovore(red)});
    }
    return b;
}

Banka Situacije(const QString& folder)
{
    const Izvor izvor = CitajTsv(folder, QStringLiteral("situacije.tsv"),
                                 {KolonaId, QStringLiteral("slika"), QStringLiteral("pitanje"), QStringLiteral("odgovor1"),
                                  QStringLiteral("odgovor2"), QStringLiteral("odgovor3"), QStringLiteral("tacan")});
    Banka b{QStringLiteral("situacije"), 3, {"-"}, {}, true};
    std::map<int, int> zauzeti;
    for (const Red& red : izvor.redovi) {
        const qint16 kljuc = Id(izvor, red, zauzeti);
        b.zapisi.push_back({kljuc, {Tekst1250(izvor, red, QStringLiteral("pitanje")),
                             Tekst1250(izvor, red, QStringLiteral("odgovor1")),
                             Tekst1250(izvor, red, QStringLiteral("odgovor2")),
                             Tekst1250(izvor, red, QStringLiteral("odgovor3")),
                             Broj(izvor, red, QStringLiteral("tacan"), 1, 3),
                             Broj(izvor, red, QStringLiteral("slika"), 1, NajveciBrojSlike)},
                            "-", MeriOdgovore(red)});
    }
    return b;
}

Banka Raskrsnice(const QString& folder)
{
    const Izvor izvor = CitajTsv(folder, QStringLiteral("raskrsnice.tsv"),
                                 {KolonaId, QStringLiteral("slika"), QStringLiteral("resenje")});
    Banka b{QStringLiteral("raskrsnice"), 4, {"-"}, {}, false};
    std::map<int, int> zauzeti;
    for (const Red& red : izvor.redovi) {
        const qint16 kljuc = Id(izvor, red, zauzeti);
        const QString resenje = red.polja.at(QStringLiteral("resenje"));
        bool ispravno = resenje.size() >= 1 && resenje.size() <= 9;
        std::set<QChar> vozila;
        for (const QChar c : resenje)
            ispravno = ispravno && c >= QLatin1Char('1') && c <= QLatin1Char('9') && vozila.insert(c).second;
        if (!ispravno)
            Prijavi(izvor.fajl, red.broj,
                    QStringLiteral("field \"resenje\": \"%1\" is not 1 to 9 different vehicle numbers 1-9").arg(resenje));
        b.zapisi.push_back({kljuc, {resenje.toLatin1(), Broj(izvor, red, QStringLiteral("slika"), 1, NajveciBrojSlike)}, "-", {}});
    }
    return b;
}

std::vector<Banka> SveBanke(const QString& folder)
{
    std::vector<Banka> banke;
    banke.push_back(Znakovi(folder));
    banke.push_back(Teorija(folder));
    banke.push_back(Situacije(folder));
    banke.push_back(Raskrsnice(folder));
    return banke;
}

QByteArray ZapisiFajl(const Banka& b)
{
    QByteArray izlaz;
    for (const Zapis& z : b.zapisi) {
        const qint16 kljuc = z.kljuc;
        const QByteArray kljucniTekst = Kriptovanje::KljucniTekst(kljuc);
        for (const QByteArray& polje : z.polja) {
            const QByteArray sifra = Kriptovanje::Enkriptuj(kljucniTekst, polje);
            if (Kriptovanje::Dekriptuj(kljucniTekst, sifra) != polje)
                throw Greska("internal error: a field does not decipher to its text");
            izlaz += '"' + sifra + "\",";
        }
        izlaz += QByteArray::number(kljuc) + "\r\n";
    }
    while (izlaz.size() % 4 != 0)
        izlaz += '\0';
    return izlaz;
}

// How the correct answer's length compares with the other two.
struct Istice {
    bool najduzi = false;        // longer than each of the others
    bool jedanIPoPuta = false;   // at least 1.5 times as long as each of the others
};

Istice DuzinaTacnog(const Odgovori& o)
{
    const auto tacan = static_cast<std::size_t>(o.tacan - 1);
    Istice i{true, true};
    for (std::size_t j = 0; j < 3; ++j) {
        if (j == tacan)
            continue;
        i.najduzi = i.najduzi && o.duzine[tacan] > o.duzine[j];
        i.jedanIPoPuta = i.jedanIPoPuta && 2 * o.duzine[tacan] >= 3 * o.duzine[j];
    }
    return i;
}

int Pregled(const QString& folder)
{
    for (const Banka& b : SveBanke(folder)) {
        for (const QByteArray& k : b.kategorije) {
            int broj = 0;
            int najduzi = 0;
            int jedanIPoPuta = 0;
            for (const Zapis& z : b.zapisi) {
                if (z.kategorija != k)
                    continue;
                ++broj;
                if (b.saOdgovorima) {
                    const Istice i = DuzinaTacnog(z.odgovori);
                    najduzi += i.najduzi ? 1 : 0;
                    jedanIPoPuta += i.jedanIPoPuta ? 1 : 0;
                }
            }
            std::printf("%s %s %d\n", qPrintable(b.ime), k.constData(), broj);
            if (b.saOdgovorima)
                std::printf("%s %s tacan-najduzi %d/%d %d%% tacan-1.5x %d\n", qPrintable(b.ime), k.constData(), najduzi,
                            broj, broj > 0 ? (200 * najduzi + broj) / (2 * broj) : 0, jedanIPoPuta);
        }
    }
    return 0;
}

int Prevedi(const QString& folder, const QString& izlaz)
{
    const std::vector<Banka> banke = SveBanke(folder);
    if (!QDir().mkpath(izlaz))
        Prijavi(izlaz, 0, QStringLiteral("cannot make the output folder"));
    for (const Banka& b : banke) {
        const QString put = QDir(izlaz).filePath(QString::number(b.resurs));
        const QByteArray bajtovi = ZapisiFajl(b);
        QSaveFile f(put);
        if (!f.open(QIODevice::WriteOnly) || f.write(bajtovi) != bajtovi.size() || !f.commit())
            Prijavi(put, 0, QStringLiteral("cannot be written: %1").arg(f.errorString()));
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arg = app.arguments();
    try {
        if (arg.size() == 3 && arg[1] == QLatin1String("--pregled"))
            return Pregled(arg[2]);
        if (arg.size() == 3 && !arg[1].startsWith(QLatin1String("--")))
            return Prevedi(arg[1], arg[2]);
        std::fprintf(stderr, "usage: karuvel-sadrzaj <content dir> <output dir>\n"
                             "       karuvel-sadrzaj --pregled <content dir>\n");
        return 2;
    } catch (const Greska& g) {
        std::fprintf(stderr, "%s\n", g.what());
        return 1;
    }
}
