// Small record files for tests, written from plain texts with the real cipher, and served to
// the loaders instead of the program's TEKST resources.
#pragma once

#include "content/Kriptovanje.h"
#include "content/Module1.h"

#include <QByteArray>
#include <QList>

#include <map>
#include <optional>

namespace Fiksture {

// One record line: every plain field enciphered with the record's key text and quoted,
// the key number last, CR LF at the end.
inline QByteArray Zapis(qint16 kljuc, const QList<QByteArray>& polja)
{
    const QByteArray kt = Kriptovanje::KljucniTekst(kljuc);
    QByteArray red;
    for (const QByteArray& p : polja)
        red += '"' + Kriptovanje::Enkriptuj(kt, p) + "\",";
    return red + QByteArray::number(kljuc) + "\r\n";
}

// NUL padding up to a multiple of four bytes, as the stored resources carry it.
inline QByteArray Dopuni(QByteArray b)
{
    while (b.size() % 4 != 0)
        b += '\0';
    return b;
}

// Installs fixture resources for the loaders while alive; restores the real ones after.
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

    void Postavi(int n, const QByteArray& bajtovi) { m_resursi[n] = bajtovi; }
    // Text resource n made of the records, padded as the stored resources are.
    void Postavi(int n, const QList<QByteArray>& zapisi)
    {
        QByteArray b;
        for (const QByteArray& z : zapisi)
            b += z;
        m_resursi[n] = Dopuni(b);
    }
    void Ukloni(int n) { m_resursi.erase(n); }

private:
    std::map<int, QByteArray> m_resursi;
};

}  // namespace Fiksture
