#include "Kriptovanje.h"

#include <charconv>
#include <cstring>

namespace Kriptovanje {

namespace {

qint32 Seme(QByteArrayView key)
{
    // The largest term is 255 << 22, below 2^31: no step overflows.
    qint32 h = 0;
    int a = 0;
    int b = 0;
    for (const char ch : key) {
        const qint32 c = static_cast<unsigned char>(ch);
        h ^= (c << a) ^ (c << b);
        a = (a + 7) % 19;
        b = (b + 13) % 23;
    }
    return h;
}

// Shifts every character of the alphabet backwards by the generator's next value into
// izlaz; a blank stays a blank and draws no value, any other character is dropped.
qsizetype Odsifruj(qint32 seme, QByteArrayView text, char* izlaz)
{
    Generator gen(seme);
    char* p = izlaz;
    for (const char ch : text) {
        const int c = static_cast<unsigned char>(ch);
        if (c >= PrviZnak && c <= PoslednjiZnak) {
            int d = (c - PrviZnak - gen.SledeciPomak()) % VelicinaAzbuke;
            if (d < 0)
                d += VelicinaAzbuke;
            *p++ = static_cast<char>(d + PrviZnak);
        } else if (c == ' ') {
            *p++ = ' ';
        }
    }
    return p - izlaz;
}

}  // namespace

qint32 KljucUSeme(const QByteArray& key)
{
    return Seme(key);
}

qint32 SemeKljuca(qint16 kljuc)
{
    char tekst[16];
    const qsizetype prefiks = sizeof KljucniPrefiks - 1;
    std::memcpy(tekst, KljucniPrefiks, static_cast<std::size_t>(prefiks));
    const auto kraj = std::to_chars(tekst + prefiks, tekst + sizeof tekst, static_cast<int>(kljuc)).ptr;
    return Seme(QByteArrayView(tekst, kraj - tekst));
}

qsizetype DekriptujU(qint32 seme, QByteArrayView text, char* izlaz)
{
    return Odsifruj(seme, text, izlaz);
}

namespace {

// Shifts every character of the alphabet by the generator's next value, backwards to
// decipher (smer -1) or forwards to encipher (smer +1). A blank stays a blank and draws no
// value; any other character is dropped.
QByteArray Pomeri(const QByteArray& key, const QByteArray& text, int smer)
{
    Generator gen(KljucUSeme(key));
    QByteArray rezultat;
    rezultat.reserve(text.size());
    for (const char ch : text) {
        const int c = static_cast<unsigned char>(ch);
        if (c >= PrviZnak && c <= PoslednjiZnak) {
            const int r = gen.SledeciPomak();
            int d = (c - PrviZnak + smer * r) % VelicinaAzbuke;  // truncating: sign of the dividend
            if (d < 0)
                d += VelicinaAzbuke;
            rezultat.append(static_cast<char>(d + PrviZnak));
        } else if (c == ' ') {
            rezultat.append(' ');
        }
    }
    return rezultat;
}

}  // namespace

QByteArray Dekriptuj(const QByteArray& key, const QByteArray& text)
{
    QByteArray rezultat(text.size(), Qt::Uninitialized);
    rezultat.truncate(Odsifruj(KljucUSeme(key), text, rezultat.data()));
    return rezultat;
}

QByteArray Enkriptuj(const QByteArray& key, const QByteArray& plain)
{
    return Pomeri(key, plain, +1);
}

QByteArray KljucniTekst(qint16 kljuc)
{
    // Made in one allocation: every record read needs its key text.
    char broj[8];
    const auto kraj = std::to_chars(broj, broj + sizeof broj, static_cast<int>(kljuc)).ptr;
    const qsizetype prefiks = qstrlen(KljucniPrefiks);
    QByteArray tekst(prefiks + (kraj - broj), Qt::Uninitialized);
    std::memcpy(tekst.data(), KljucniPrefiks, static_cast<std::size_t>(prefiks));
    std::memcpy(tekst.data() + prefiks, broj, static_cast<std::size_t>(kraj - broj));
    return tekst;
}

}  // namespace Kriptovanje
