// Module1: the content banks and their loaders.
//
// Each loader copies its TEKST resource into the record file "sc~101.tmp", reads the file
// in two passes (count, then fill) and deletes it. Text fields stay enciphered in the
// banks; a window deciphers a field with Kriptovanje::Dekriptuj and the key text of the
// record (Kriptovanje::KljucniTekst of the record's key number) when it shows it.
#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <array>
#include <functional>
#include <optional>
#include <vector>

namespace Module1 {

// A dynamic array indexed from 1 to GornjaGranica(), like the banks.
// An index out of range is a programming error: it asserts in debug builds and in release
// builds yields a scratch element (reset to T{} on every such access), never a wild read.
template <class T>
class Niz {
public:
    T& operator()(int i)
    {
        if (i >= 1 && i <= GornjaGranica())
            return m_el[static_cast<std::size_t>(i - 1)];
        Q_ASSERT_X(false, "Module1::Niz", "index out of range");
        m_van = T{};
        return m_van;
    }
    const T& operator()(int i) const { return const_cast<Niz&>(*this)(i); }

    // Number of elements; 0 when empty.
    int GornjaGranica() const { return static_cast<int>(m_el.size()); }
    void Isprazni() { m_el.clear(); }
    void Dodaj(T v) { m_el.push_back(std::move(v)); }

private:
    std::vector<T> m_el;
    T m_van{};
};

// The answers of a bank: indexed (record 1..GornjaGranica(), answer 1..3), as
// TeorijaOdgovor(i, j). Out-of-range indices behave as in Niz.
class NizOdgovora {
public:
    QByteArray& operator()(int zapis, int odgovor)
    {
        if (zapis >= 1 && zapis <= GornjaGranica() && odgovor >= 1 && odgovor <= 3)
            return m_el[static_cast<std::size_t>(zapis - 1)][static_cast<std::size_t>(odgovor - 1)];
        Q_ASSERT_X(false, "Module1::NizOdgovora", "index out of range");
        m_van = QByteArray();
        return m_van;
    }
    const QByteArray& operator()(int zapis, int odgovor) const
    {
        return const_cast<NizOdgovora&>(*this)(zapis, odgovor);
    }

    int GornjaGranica() const { return static_cast<int>(m_el.size()); }
    void Isprazni() { m_el.clear(); }
    void Dodaj(std::array<QByteArray, 3> odgovori) { m_el.push_back(std::move(odgovori)); }

private:
    std::vector<std::array<QByteArray, 3>> m_el;
    QByteArray m_van;
};

// Sign bank (TEKST 1).
inline Niz<QByteArray> ZnakOpis;
inline Niz<QByteArray> ZnakSlika;
inline Niz<qint16> ZnakKljuc;

// Theory bank (TEKST 2).
inline Niz<QByteArray> TeorijaPitanje;
inline NizOdgovora TeorijaOdgovor;
inline Niz<QByteArray> TeorijaTacan;
inline Niz<qint16> TeorijaKljuc;

// Situation bank (TEKST 3).
inline Niz<QByteArray> SituacijaPitanje;
inline NizOdgovora SituacijaOdgovor;
inline Niz<QByteArray> SituacijaTacan;
inline Niz<QByteArray> SituacijaSlika;
inline Niz<qint16> SituacijaKljuc;

// Intersection bank (TEKST 4).
inline Niz<QByteArray> RaskrsnicaResenje;
inline Niz<QByteArray> RaskrsnicaSlika;
inline Niz<qint16> RaskrsnicaKljuc;

void IsprazniZnakove();
void IsprazniTeoriju();
void IsprazniSituacije();
void IsprazniRaskrsnice();

// The message a window shows (OK only, the program's title) when its bank cannot be loaded.
inline const QString PorukaGreske =
    QStringLiteral("Doslo je do greske.\nZatvorite program pa ga ponovo startujte");

// The folder that holds the record file, ending in '/': a private folder of this process
// (mode 0700, made on first use inside QDir::tempPath(), which honours TMPDIR; removed at
// exit). Empty when it cannot be made.
QString TempFolder();

// Removes the private folder with whatever it holds; a later TempFolder() makes a new one.
// The program calls it when it ends.
void UkloniTempFolder();

// Name of the record file inside TempFolder().
inline const QString ImeZapisa = QStringLiteral("sc~101.tmp");

// Writes the record file with exactly the bytes of text resource n (any file or link of
// that name is removed first, the new file is created exclusively). False on failure
// (resource missing, folder not available, write error).
bool IzdvojiTekst(qint16 n);

// Where IzdvojiTekst takes the bytes of text resource n from. The default reads the Qt
// resource ":/TEKST/<n>"; tests install fixture record files. An empty function restores
// the default. nullopt = resource missing.
using Izvor = std::function<std::optional<QByteArray>(int)>;
void PostaviIzvor(Izvor izvor);

// Loaders. Each empties nothing itself (the caller empties the bank first), extracts its
// resource, reads it twice and deletes the record file. False on any failure: record file
// missing, resource missing, unreadable record, key number outside 16 bits, a number field
// that does not read as a number, or no record taken. On failure the bank is left empty and
// no record file remains; the loader shows no message (the window shows PorukaGreske) and
// PoslednjaGreska() describes what went wrong.
bool UcitajZnakove(qint16 kategorija);           // TEKST 1, category 1..5 as a number
bool UcitajSveZnakove();                         // TEKST 1, every record
bool UcitajTeoriju(const QByteArray& kategorija);  // TEKST 2, category "B", "CD" or "T"
bool UcitajSituacije(const QByteArray& kategorija);  // TEKST 3, argument ignored ("sve")
bool UcitajRaskrsnice(const QByteArray& kategorija); // TEKST 4, argument ignored ("sve")

// Description of the last loader failure (resource number, record number, what was wrong);
// empty after a successful load.
QString PoslednjaGreska();

// What the user is told after a loader failed: PorukaGreske, and below it the description of
// the failure unless the record file was simply missing.
QString PorukaZaKorisnika();

// Reads a deciphered number field ("3", " 12 ", "3.0"): blanks around, an optional sign,
// digits and an optional fraction of zeros. nullopt for anything else (not a silent 0).
std::optional<int> Broj(const QByteArray& tekst);

// One field of a record file, as the sequential reader returns it.
struct Polje {
    QByteArray tekst;
    bool podNavodnicima = false;
};

// Sequential field reader over the bytes of a record file: a quoted field runs to the next
// quote; an unquoted field runs to the next comma or line end, blanks trimmed. Line ends
// separate fields like commas (records are read as the next N fields). The NUL padding
// after the last line ends the file.
class CitacZapisa {
public:
    explicit CitacZapisa(const QByteArray& bajtovi) : m_b(bajtovi) {}

    // True when only line ends, blanks or the NUL padding remain.
    bool Kraj();
    // Reads the next field; false (with Greska()) at the end of the file or on a malformed
    // field (unterminated quote, text after a closing quote, NUL byte before the end).
    bool Citaj(Polje& polje);
    // Reads the next n fields of a record.
    bool CitajZapis(int n, std::vector<Polje>& polja);
    QString Greska() const { return m_greska; }

private:
    QByteArray m_b;
    qsizetype m_poz = 0;
    QString m_greska;
};

}  // namespace Module1
