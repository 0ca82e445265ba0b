#include "model/FormatIspita.h"

#include <QFile>
#include <QList>

int FormatIspita::UkupnoPitanja() const
{
    int ukupno = 0;
    for (const DeoIspita& d : delovi)
        ukupno += d.broj;
    return ukupno;
}

int FormatIspita::NajvisePoena() const
{
    int ukupno = 0;
    for (const DeoIspita& d : delovi)
        ukupno += d.broj * d.poeni;
    return ukupno;
}

int FormatIspita::PotrebnoPoena() const
{
    return (NajvisePoena() * prolaz + 99) / 100;
}

const FormatIspita* TabelaIspita::Za(const QByteArray& kategorija) const
{
    for (const FormatIspita& f : formati) {
        if (f.kategorija == kategorija)
            return &f;
    }
    return nullptr;
}

TabelaIspita ProcitajTabeluIspita(const QByteArray& tekst)
{
    constexpr int BrojKolona = 3 + 2 * BrojVrsta;
    TabelaIspita tabela;
    bool zaglavlje = true;
    int brojReda = 0;
    for (QByteArray red : tekst.split('\n')) {
        ++brojReda;
        if (red.endsWith('\r'))
            red.chop(1);
        if (red.trimmed().isEmpty() || red.startsWith('#'))
            continue;
        if (zaglavlje) {
            zaglavlje = false;
            continue;
        }
        const QList<QByteArray> polja = red.split('\t');
        auto greska = [&](const QString& opis) {
            tabela.formati.clear();
            tabela.greska = QStringLiteral("ispit.tsv, red %1: %2").arg(brojReda).arg(opis);
            return tabela;
        };
        if (polja.size() != BrojKolona)
            return greska(QStringLiteral("%1 polja umesto %2").arg(polja.size()).arg(BrojKolona));
        std::array<int, BrojKolona - 1> brojevi {};
        for (int i = 1; i < BrojKolona; ++i) {
            bool ok = false;
            const int n = polja[i].trimmed().toInt(&ok);
            if (!ok || n < 0)
                return greska(QStringLiteral("polje %1 nije broj").arg(i + 1));
            brojevi[static_cast<std::size_t>(i - 1)] = n;
        }
        FormatIspita f;
        f.kategorija = polja[0].trimmed();
        for (int v = 0; v < BrojVrsta; ++v)
            f.delovi[static_cast<std::size_t>(v)] = { brojevi[static_cast<std::size_t>(2 * v)], brojevi[static_cast<std::size_t>(2 * v + 1)] };
        f.minuta = brojevi[2 * BrojVrsta];
        f.prolaz = brojevi[2 * BrojVrsta + 1];
        if (f.kategorija.isEmpty() || tabela.Za(f.kategorija))
            return greska(QStringLiteral("kategorija prazna ili ponovljena"));
        if (f.UkupnoPitanja() == 0 || f.minuta == 0 || f.prolaz == 0 || f.prolaz > 100)
            return greska(QStringLiteral("ispit bez pitanja, bez vremena ili s nemogućim prolazom"));
        tabela.formati.push_back(f);
    }
    if (tabela.formati.empty() && tabela.greska.isEmpty())
        tabela.greska = QStringLiteral("ispit.tsv: nema nijedne kategorije");
    return tabela;
}

TabelaIspita UcitajTabeluIspita()
{
    QFile datoteka(QStringLiteral(":/ISPIT/ispit.tsv"));
    if (!datoteka.open(QIODevice::ReadOnly)) {
        TabelaIspita t;
        t.greska = QStringLiteral("ispit.tsv nije u programu");
        return t;
    }
    return ProcitajTabeluIspita(datoteka.readAll());
}
