// Fixture banks for the picture windows: small record files, written with the real cipher,
// served to the loaders instead of the program's TEKST resources while a Banke lives.
#pragma once

#include "content/Kriptovanje.h"
#include "content/Module1.h"

#include <QByteArray>
#include <QList>

#include <map>
#include <optional>

namespace Banke {

// One record: every field enciphered with the record's key text and quoted, the key last.
inline QByteArray Zapis(qint16 kljuc, const QList<QByteArray>& polja)
{
    const QByteArray kt = Kriptovanje::KljucniTekst(kljuc);
    QByteArray red;
    for (const QByteArray& p : polja)
        red += '"' + Kriptovanje::Enkriptuj(kt, p) + "\",";
    return red + QByteArray::number(kljuc) + "\r\n";
}

class Izvori {
public:
    Izvori()
    {
        Module1::PostaviIzvor([this](int n) -> std::optional<QByteArray> {
            const auto it = m_resursi.find(n);
            if (it == m_resursi.end())
                return std::nullopt;
            return it->second;
        });
    }
    ~Izvori() { Module1::PostaviIzvor({}); }
    Izvori(const Izvori&) = delete;
    Izvori& operator=(const Izvori&) = delete;

    // Text resource n made of the records; NUL padding to a multiple of four bytes.
    void Postavi(int n, const QList<QByteArray>& zapisi)
    {
        QByteArray b;
        for (const QByteArray& z : zapisi)
            b += z;
        while (b.size() % 4 != 0)
            b += '\0';
        m_resursi[n] = b;
    }
    void Ukloni(int n) { m_resursi.erase(n); }

private:
    std::map<int, QByteArray> m_resursi;
};

}  // namespace Banke
