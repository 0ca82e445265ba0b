#include "model/TestIspita.h"

#include "content/Kriptovanje.h"
#include "content/Tekst.h"

namespace {

Module1::Greska Nedovoljno(const char* banka, std::size_t ima, int trazi)
{
    Module1::Greska g;
    g.opis = QStringLiteral("Banka (%1) ima %2 zapisa, a ispit traži %3.")
                 .arg(QLatin1String(banka)).arg(ima).arg(trazi);
    return g;
}

// `broj` distinct records of a bank of `velicina`, or nullopt when the bank is too small.
std::optional<std::vector<int>> Izvuci(Module2::Generator& g, std::size_t velicina, int broj)
{
    if (broj == 0)
        return std::vector<int> {};
    return Module2::SlucajnaPitanja(g, 0, static_cast<int>(velicina) - 1, broj);
}

}  // namespace

TestIspita::TestIspita(FormatIspita format, Izvori izvori, Module2::Generator generator)
    : m_format(std::move(format))
    , m_izvori(std::move(izvori))
    , m_generator(generator)
{
}

Module1::Greska TestIspita::Sastavi(qint64 sada)
{
    std::vector<Pitanje> pitanja;
    if (Module1::Greska g = SastaviPitanja(pitanja))
        return g;
    m_pitanja = std::move(pitanja);
    m_izabrani.assign(m_pitanja.size(), std::nullopt);
    m_upisani.assign(m_pitanja.size(), QByteArray());
    m_pocetak = sada;
    m_ishod.reset();
    return {};
}

Module1::Greska TestIspita::SastaviPitanja(std::vector<Pitanje>& pitanja)
{
    // A question of its kind and points, drawn as record `zapis` of its bank.
    auto novo = [&](VrstaPitanja vrsta, int zapis, qint16 kljuc) {
        Pitanje p;
        p.vrsta = vrsta;
        p.poeni = m_format.Deo(vrsta).poeni;
        p.zapis = zapis;
        p.kljuc = kljuc;
        return p;
    };
    auto pitanjaSaIzborom = [&](const std::function<Module1::BankaPitanja()>& ucitavac, VrstaPitanja vrsta,
                                const char* ime, bool saSlikom) -> Module1::Greska {
        const DeoIspita& deo = m_format.Deo(vrsta);
        if (deo.broj == 0)
            return {};
        const Module1::BankaPitanja banka = ucitavac();
        if (banka.greska)
            return banka.greska;
        const auto izvuceni = Izvuci(m_generator, banka.zapisi.size(), deo.broj);
        if (!izvuceni)
            return Nedovoljno(ime, banka.zapisi.size(), deo.broj);
        for (const int q : *izvuceni) {
            const Module1::Pitanje& zapis = banka.zapisi[static_cast<std::size_t>(q)];
            const QByteArray kljuc = Kriptovanje::KljucniTekst(zapis.kljuc);
            Pitanje p = novo(vrsta, q, zapis.kljuc);
            p.tekst = Kriptovanje::Dekriptuj(kljuc, zapis.pitanje);
            const int tacan = Module1::Broj(Kriptovanje::Dekriptuj(kljuc, zapis.tacan)).value_or(0) - 1;
            const std::vector<int> redosled = *Module2::SlucajniOdgovori(m_generator, 0, 2, 3);
            for (std::size_t j = 0; j < 3; ++j) {
                p.odgovori[j] = Kriptovanje::Dekriptuj(kljuc, zapis.odgovori[static_cast<std::size_t>(redosled[j])]);
                p.izvorni[j] = redosled[j];
                if (redosled[j] == tacan)
                    p.tacan = static_cast<int>(j);
            }
            if (saSlikom)
                p.slika = Module1::Broj(Kriptovanje::Dekriptuj(kljuc, zapis.slika)).value_or(0);
            pitanja.push_back(std::move(p));
        }
        return {};
    };

    if (Module1::Greska g = pitanjaSaIzborom(m_izvori.teorija, VrstaPitanja::Teorija, "teorija", false))
        return g;
    if (Module1::Greska g = pitanjaSaIzborom(m_izvori.situacije, VrstaPitanja::Situacija, "situacije", true))
        return g;

    if (const DeoIspita& deo = m_format.Deo(VrstaPitanja::Raskrsnica); deo.broj > 0) {
        const Module1::BankaRaskrsnica banka = m_izvori.raskrsnice();
        if (banka.greska)
            return banka.greska;
        const auto izvuceni = Izvuci(m_generator, banka.zapisi.size(), deo.broj);
        if (!izvuceni)
            return Nedovoljno("raskrsnice", banka.zapisi.size(), deo.broj);
        for (const int q : *izvuceni) {
            const Module1::Raskrsnica& zapis = banka.zapisi[static_cast<std::size_t>(q)];
            const QByteArray kljuc = Kriptovanje::KljucniTekst(zapis.kljuc);
            Pitanje p = novo(VrstaPitanja::Raskrsnica, q, zapis.kljuc);
            p.tekst = Tekst::uCp1250(QStringLiteral("Upišite brojeve vozila redom kojim prolaze kroz raskrsnicu.")).value_or(QByteArray());
            p.resenje = Kriptovanje::Dekriptuj(kljuc, zapis.resenje).left(9);
            p.slika = Module1::Broj(Kriptovanje::Dekriptuj(kljuc, zapis.slika)).value_or(0);
            pitanja.push_back(std::move(p));
        }
    }

    if (const DeoIspita& deo = m_format.Deo(VrstaPitanja::Znak); deo.broj > 0) {
        const Module1::BankaZnakova banka = m_izvori.znakovi();
        if (banka.greska)
            return banka.greska;
        // A sign is asked with its own description and two others of the bank.
        if (banka.zapisi.size() < 3)
            return Nedovoljno("znakovi", banka.zapisi.size(), 3);
        const auto izvuceni = Izvuci(m_generator, banka.zapisi.size(), deo.broj);
        if (!izvuceni)
            return Nedovoljno("znakovi", banka.zapisi.size(), deo.broj);
        auto opis = [&](int s) {
            const Module1::Znak& z = banka.zapisi[static_cast<std::size_t>(s)];
            return Kriptovanje::Dekriptuj(Kriptovanje::KljucniTekst(z.kljuc), z.opis);
        };
        const int velicina = static_cast<int>(banka.zapisi.size());
        for (const int s : *izvuceni) {
            const Module1::Znak& zapis = banka.zapisi[static_cast<std::size_t>(s)];
            Pitanje p = novo(VrstaPitanja::Znak, s, zapis.kljuc);
            p.tekst = Tekst::uCp1250(QStringLiteral("Šta znači ovaj saobraćajni znak?")).value_or(QByteArray());
            p.slika = Module1::Broj(Kriptovanje::Dekriptuj(Kriptovanje::KljucniTekst(zapis.kljuc), zapis.slika)).value_or(0);
            // Two other signs: drawn among the rest, numbered past the sign asked.
            std::vector<int> drugi = *Module2::SlucajnaPitanja(m_generator, 0, velicina - 2, 2);
            for (int& d : drugi)
                d += d >= s ? 1 : 0;
            p.tacan = (*Module2::SlucajnaPitanja(m_generator, 0, 2, 1))[0];
            std::size_t sledeci = 0;
            for (std::size_t j = 0; j < 3; ++j) {
                const int opisan = static_cast<int>(j) == p.tacan ? s : drugi[sledeci++];
                p.odgovori[j] = opis(opisan);
                p.izvorni[j] = banka.zapisi[static_cast<std::size_t>(opisan)].kljuc;
            }
            pitanja.push_back(std::move(p));
        }
    }
    return {};
}

bool TestIspita::Izaberi(int pitanje, int odgovor)
{
    if (Zavrsen() || pitanje < 0 || pitanje >= Broj() || odgovor < 0 || odgovor > 2
        || m_pitanja[static_cast<std::size_t>(pitanje)].vrsta == VrstaPitanja::Raskrsnica)
        return false;
    m_izabrani[static_cast<std::size_t>(pitanje)] = odgovor;
    return true;
}

std::optional<int> TestIspita::Izabran(int pitanje) const
{
    if (pitanje < 0 || pitanje >= Broj())
        return std::nullopt;
    return m_izabrani[static_cast<std::size_t>(pitanje)];
}

bool TestIspita::Upisi(int pitanje, const QByteArray& redosled)
{
    if (Zavrsen() || pitanje < 0 || pitanje >= Broj())
        return false;
    const Pitanje& p = m_pitanja[static_cast<std::size_t>(pitanje)];
    if (p.vrsta != VrstaPitanja::Raskrsnica || redosled.size() > p.resenje.size())
        return false;
    for (const char c : redosled) {
        if (c < '1' || c > '9')
            return false;
    }
    m_upisani[static_cast<std::size_t>(pitanje)] = redosled;
    return true;
}

QByteArray TestIspita::Upisano(int pitanje) const
{
    if (pitanje < 0 || pitanje >= Broj())
        return {};
    return m_upisani[static_cast<std::size_t>(pitanje)];
}

bool TestIspita::Odgovoreno(int pitanje) const
{
    return Izabran(pitanje).has_value() || !Upisano(pitanje).isEmpty();
}

qint64 TestIspita::Preostalo(qint64 sada) const
{
    const qint64 trajanje = qint64(m_format.minuta) * 60 * 1000;
    return std::max<qint64>(0, trajanje - (sada - m_pocetak));
}

const TestIspita::Ishod& TestIspita::Zavrsi()
{
    if (m_ishod)
        return *m_ishod;
    Ishod ishod;
    ishod.najvise = m_format.NajvisePoena();
    ishod.potrebno = m_format.PotrebnoPoena();
    for (int k = 0; k < Broj(); ++k) {
        const Pitanje& p = m_pitanja[static_cast<std::size_t>(k)];
        Ocena ocena = Ocena::BezOdgovora;
        if (p.vrsta == VrstaPitanja::Raskrsnica) {
            const QByteArray& upisano = m_upisani[static_cast<std::size_t>(k)];
            if (!upisano.isEmpty())
                ocena = upisano == p.resenje ? Ocena::Tacno : Ocena::Netacno;
        } else if (const std::optional<int>& izabran = m_izabrani[static_cast<std::size_t>(k)]) {
            ocena = *izabran == p.tacan ? Ocena::Tacno : Ocena::Netacno;
        }
        ishod.presuda.ocene.push_back(ocena);
        if (ocena == Ocena::Tacno)
            ishod.poena += p.poeni;
        else
            ishod.greske.push_back(k);
    }
    ishod.polozio = ishod.poena >= ishod.potrebno;
    m_ishod = std::move(ishod);
    return *m_ishod;
}
