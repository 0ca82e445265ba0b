// Module1: the content banks and their loaders.
//
// Each loader copies its TEKST resource into the record file "sc~101.tmp", reads the file,
// deletes it and returns the bank as a value.
#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <array>
#include <functional>
#include <optional>
#include <vector>

namespace Module1 {

// Records of the four banks. Text fields stay enciphered: a window deciphers a field with
// Kriptovanje::Dekriptuj and the key text of the record (Kriptovanje::KljucniTekst(kljuc))
// when it shows or checks it. A loaded record's fields are not copies: they point into the
// bytes of the record file it was read from, which its `izvor` keeps alive (every record of
// a bank shares them, and so does every copy of a record).
struct Znak {              // TEKST 1
    QByteArray opis;       // name and meaning
    QByteArray slika;      // number of the picture among ZNAK
    qint16 kljuc = 0;
    QByteArray izvor;      // the bytes the fields point into (empty for fields of their own)
};

struct Pitanje {           // TEKST 2 (theory) and TEKST 3 (situations)
    QByteArray pitanje;
    std::array<QByteArray, 3> odgovori;
    QByteArray tacan;      // number (1..3) of the correct stored answer
    QByteArray slika;      // situations: number of the picture among SITUACIJA
    qint16 kljuc = 0;
    QByteArray izvor;      // the bytes the fields point into (empty for fields of their own)
};

struct Raskrsnica {        // TEKST 4
    QByteArray resenje;    // one digit per vehicle, in passing order
    QByteArray slika;      // number of the picture among RASKRSNICA
    qint16 kljuc = 0;
    QByteArray izvor;      // the bytes the fields point into (empty for fields of their own)
};

// What went wrong while loading or composing. Empty when nothing did.
struct Greska {
    QString opis;
    bool nemaDatoteke = false;  // the record file was missing: the user gets the plain message

    explicit operator bool() const { return !opis.isEmpty(); }
    // What the user is told: PorukaGreske, and below it the description unless the record
    // file was simply missing.
    QString ZaKorisnika() const;
};

// A loaded bank: its records in file order, or the failure.
template <class Zapis>
struct Banka {
    std::vector<Zapis> zapisi;
    Greska greska;
};
using BankaZnakova = Banka<Znak>;
using BankaPitanja = Banka<Pitanje>;
using BankaRaskrsnica = Banka<Raskrsnica>;

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
// that name is removed first, the new file is created exclusively). An empty Greska on
// success; otherwise what failed (resource missing, folder not available, write error).
Greska IzdvojiTekst(qint16 n);

// Where IzdvojiTekst takes the bytes of text resource n from. The default reads the Qt
// resource ":/TEKST/<n>"; tests install fixture record files. An empty function restores
// the default. nullopt = resource missing.
using Izvor = std::function<std::optional<QByteArray>(int)>;
void PostaviIzvor(Izvor izvor);

// Loaders. Each extracts its resource, reads the record file and deletes it. They fail on: record file missing, resource missing, unreadable record, key
// number outside 16 bits, a number field that does not read as a number, or no record
// taken; then the bank has no records, no record file remains and Banka::greska says what
// went wrong. They show no message.
BankaZnakova UcitajZnakove(qint16 kategorija);              // TEKST 1, category 1..5 as a number
BankaZnakova UcitajSveZnakove();                            // TEKST 1, every record
BankaPitanja UcitajTeoriju(const QByteArray& kategorija);   // TEKST 2, category "B", "CD" or "T"
BankaPitanja UcitajSituacije(const QByteArray& kategorija); // TEKST 3, argument ignored ("sve")
BankaRaskrsnica UcitajRaskrsnice(const QByteArray& kategorija); // TEKST 4, argument ignored ("sve")

// Reads a deciphered number field ("3", " 12 ", "3.0"): blanks around, an optional sign,
// digits and an optional fraction of zeros. nullopt for anything else (not a silent 0).
std::optional<int> Broj(QByteArrayView tekst);

// One field of a record file, as the sequential reader returns it.
struct Polje {
    QByteArray tekst;
    bool podNavodnicima = false;
};

// Sequential field reader over the bytes of a record file: a quoted field runs to the next
// quote; an unquoted field runs to the next comma or line end, blanks trimmed. Line ends
// separate fields like commas (records are read as the next N fields). The NUL padding
// after the last line ends the file. The fields it returns are not copied: they point into
// the bytes it reads and stay valid only while those bytes live (copy what is kept).
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
    const QByteArray m_b;  // never written: the fields point into the bytes it shares
    qsizetype m_poz = 0;
    QString m_greska;
};

}  // namespace Module1
