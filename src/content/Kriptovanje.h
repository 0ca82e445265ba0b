// Kriptovanje: the text cipher of the content store.
//
// Every text field of the four TEKST record files is enciphered with the key text of its
// record: the key prefix below followed by the decimal text of the record's key number.
// The key text is folded into a 32-bit seed (KljucUSeme), the cipher generator is
// restarted from that seed, and every character of the 206-character alphabet (codes
// 35..240 of code page 1250) is shifted by r = floor(u * 207) of the next generator value u.
// Blanks pass unchanged and draw no value; every other character is dropped.
#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <cstdint>

namespace Kriptovanje {

// The four-digit prefix of every key text. The content compiler enciphers the records
// with the same prefix; changing it invalidates every stored record.
inline constexpr char KljucniPrefiks[] = "4817";

// First and last character code of the alphabet, and its size.
inline constexpr int PrviZnak = 35;
inline constexpr int PoslednjiZnak = 240;
inline constexpr int VelicinaAzbuke = PoslednjiZnak - PrviZnak + 1;  // 206

// The cipher's own pseudo-random generator: a 24-bit linear congruential generator
//   x := (Mnozilac * x + Prirastaj) mod 2^24,  value u = x / 2^24 in [0, 1)
// (full period 2^24: Prirastaj is odd and Mnozilac - 1 is divisible by 4).
// Restart(seed) brings it to a state that depends on seed only: the seed, as 32 unsigned
// bits, is multiplied by Mesanje modulo 2^32, its top 24 bits are taken and XORed with
// Pocetak. The random draws of the tests (Module2) do not use this generator.
class Generator {
public:
    static constexpr std::uint32_t Mnozilac = 0x5DEECDu;   // 6155981
    static constexpr std::uint32_t Prirastaj = 0x2F6B3u;   // 194227
    static constexpr std::uint32_t Mesanje = 0x9E3779B1u;  // 2654435761
    static constexpr std::uint32_t Pocetak = 0x3A61C5u;    // 3826117
    static constexpr std::uint32_t Maska = 0xFFFFFFu;

    explicit Generator(qint32 seme = 0) { Restart(seme); }

    void Restart(qint32 seme)
    {
        const std::uint32_t s = static_cast<std::uint32_t>(seme) * Mesanje;
        m_stanje = ((s >> 8) ^ Pocetak) & Maska;
    }

    // Next value in [0, 1) as single precision (exact: the state has 24 bits).
    float Sledeci()
    {
        Korak();
        return static_cast<float>(m_stanje) / 16777216.0f;
    }

    // Next shift r = floor(u * 207), computed exactly in integers, so r is 0..206.
    int SledeciPomak()
    {
        Korak();
        return static_cast<int>((static_cast<std::uint64_t>(m_stanje) * 207u) >> 24);
    }

    std::uint32_t Stanje() const { return m_stanje; }

private:
    void Korak() { m_stanje = (Mnozilac * m_stanje + Prirastaj) & Maska; }

    std::uint32_t m_stanje = 0;
};

// Folds a key text into a 32-bit seed: h ^= c << a ^ c << b, a steps by 7 mod 19,
// b by 13 mod 23. KljucUSeme("abc") == 1356312.
qint32 KljucUSeme(const QByteArray& key);

// The seed of a record's key text, KljucUSeme(KljucniTekst(kljuc)), made without the text.
qint32 SemeKljuca(qint16 kljuc);

// Deciphers one field with a key text. Blanks stay blanks, characters outside the
// alphabet vanish.
QByteArray Dekriptuj(const QByteArray& key, const QByteArray& text);

// Deciphers one field with the seed of its key text into `izlaz`, which has room for
// text.size() characters; returns how many it wrote. For reading a bank without a text
// made for every field it looks at.
qsizetype DekriptujU(qint32 seme, QByteArrayView text, char* izlaz);

// The inverse of Dekriptuj for texts made of alphabet characters and blanks; any other
// character is dropped (the content compiler refuses such texts before they get here).
QByteArray Enkriptuj(const QByteArray& key, const QByteArray& plain);

// True when the character code can be stored by the cipher (alphabet or blank).
constexpr bool MozeSeSacuvati(unsigned char c)
{
    return c == ' ' || (c >= PrviZnak && c <= PoslednjiZnak);
}

// The key text of a record: KljucniPrefiks followed by the decimal text of kljuc
// ("4817" + "-12" -> "4817-12").
QByteArray KljucniTekst(qint16 kljuc);

}  // namespace Kriptovanje
