// Small banks made in the tests, enciphered as the record files hold them.
#pragma once

#include "content/Kriptovanje.h"
#include "content/Module1.h"

namespace Banke {

inline QByteArray Sifra(qint16 kljuc, const QByteArray& tekst)
{
    return Kriptovanje::Enkriptuj(Kriptovanje::KljucniTekst(kljuc), tekst);
}

// n questions "<ime><i>" with answers "<ime><i> a<1..3>", the right one (i % 3) + 1, picture i.
inline Module1::BankaPitanja Pitanja(int n, const QByteArray& ime = "p")
{
    Module1::BankaPitanja b;
    for (int i = 1; i <= n; ++i) {
        const qint16 k = qint16(100 + i);
        const QByteArray p = ime + QByteArray::number(i);
        b.zapisi.push_back({ Sifra(k, p), { Sifra(k, p + " a1"), Sifra(k, p + " a2"), Sifra(k, p + " a3") },
            Sifra(k, QByteArray::number(i % 3 + 1)), Sifra(k, QByteArray::number(i)), k });
    }
    return b;
}

// n signs "znak <i>" with picture i.
inline Module1::BankaZnakova Znakovi(int n)
{
    Module1::BankaZnakova b;
    for (int i = 1; i <= n; ++i)
        b.zapisi.push_back({ Sifra(qint16(i), "znak " + QByteArray::number(i)), Sifra(qint16(i), QByteArray::number(i)), qint16(i) });
    return b;
}

}  // namespace Banke
