// Prints the accessibility tree of one running program as a screen reader gets it: over the
// accessibility bus (AT-SPI), from the registry down. One line per node, tab-separated:
//   depth, role name, name, description, states (comma-separated)
// Usage: atspi_stablo <pid>. Exit code 1 when the bus or the program cannot be found.
#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QTextStream>
#include <QThread>

#include <cstdio>
#include <utility>
#include <vector>

namespace {

using Referenca = std::pair<QString, QString>;  // bus name, object path

const QString Accessible = QStringLiteral("org.a11y.atspi.Accessible");

// The states a test asks about, by their bit in AT-SPI's state set.
const std::vector<std::pair<int, const char*>> Stanja {
    { 4, "checked" }, { 8, "enabled" }, { 11, "focusable" }, { 12, "focused" }, { 24, "sensitive" },
    { 25, "showing" }, { 30, "visible" }, { 41, "checkable" },
};

class Klijent {
public:
    explicit Klijent(QDBusConnection veza) : m_veza(std::move(veza)) {}

    QDBusMessage Pozovi(const Referenca& r, const QString& sucelje, const QString& metod, const QVariantList& argumenti = {}) const
    {
        QDBusMessage poruka = QDBusMessage::createMethodCall(r.first, r.second, sucelje, metod);
        poruka.setArguments(argumenti);
        return m_veza.call(poruka, QDBus::Block, 5000);
    }

    std::vector<Referenca> Deca(const Referenca& r) const
    {
        std::vector<Referenca> deca;
        const QDBusMessage odgovor = Pozovi(r, Accessible, QStringLiteral("GetChildren"));
        if (odgovor.type() != QDBusMessage::ReplyMessage || odgovor.arguments().isEmpty())
            return deca;
        const QDBusArgument niz = odgovor.arguments().first().value<QDBusArgument>();
        niz.beginArray();
        while (!niz.atEnd()) {
            QString servis;
            QDBusObjectPath putanja;
            niz.beginStructure();
            niz >> servis >> putanja;
            niz.endStructure();
            deca.emplace_back(servis, putanja.path());
        }
        niz.endArray();
        return deca;
    }

    QString Svojstvo(const Referenca& r, const QString& ime) const
    {
        const QDBusMessage odgovor = Pozovi(r, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"), { Accessible, ime });
        if (odgovor.type() != QDBusMessage::ReplyMessage || odgovor.arguments().isEmpty())
            return {};
        return odgovor.arguments().first().value<QDBusVariant>().variant().toString();
    }

    QString Uloga(const Referenca& r) const
    {
        const QDBusMessage odgovor = Pozovi(r, Accessible, QStringLiteral("GetRoleName"));
        return odgovor.arguments().isEmpty() ? QString() : odgovor.arguments().first().toString();
    }

    QStringList Stanje(const Referenca& r) const
    {
        QStringList imena;
        const QDBusMessage odgovor = Pozovi(r, Accessible, QStringLiteral("GetState"));
        if (odgovor.type() != QDBusMessage::ReplyMessage || odgovor.arguments().isEmpty())
            return imena;
        std::vector<quint32> reci;
        const QDBusArgument niz = odgovor.arguments().first().value<QDBusArgument>();
        niz.beginArray();
        while (!niz.atEnd()) {
            quint32 rec = 0;
            niz >> rec;
            reci.push_back(rec);
        }
        niz.endArray();
        for (const auto& [bit, ime] : Stanja) {
            const std::size_t i = static_cast<std::size_t>(bit / 32);
            if (i < reci.size() && (reci[i] >> (bit % 32)) & 1u)
                imena << QLatin1String(ime);
        }
        return imena;
    }

    void Ispisi(const Referenca& r, int dubina, QTextStream& izlaz) const
    {
        auto jedanRed = [](QString s) { return s.replace(QLatin1Char('\t'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' ')); };
        izlaz << dubina << '\t' << Uloga(r) << '\t' << jedanRed(Svojstvo(r, QStringLiteral("Name"))) << '\t'
              << jedanRed(Svojstvo(r, QStringLiteral("Description"))) << '\t' << Stanje(r).join(QLatin1Char(',')) << '\n';
        if (dubina > 60)
            return;
        for (const Referenca& dete : Deca(r))
            Ispisi(dete, dubina + 1, izlaz);
    }

private:
    QDBusConnection m_veza;
};

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: atspi_stablo <pid>\n", stderr);
        return 2;
    }
    const uint pid = QByteArray(argv[1]).toUInt();

    const QDBusMessage adresa = QDBusConnection::sessionBus().call(QDBusMessage::createMethodCall(
        QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"), QStringLiteral("org.a11y.Bus"), QStringLiteral("GetAddress")));
    if (adresa.type() != QDBusMessage::ReplyMessage || adresa.arguments().isEmpty()) {
        std::fputs("atspi_stablo: no accessibility bus\n", stderr);
        return 1;
    }
    QDBusConnection veza = QDBusConnection::connectToBus(adresa.arguments().first().toString(), QStringLiteral("a11y"));
    if (!veza.isConnected()) {
        std::fputs("atspi_stablo: cannot connect to the accessibility bus\n", stderr);
        return 1;
    }
    const Klijent klijent(veza);
    const Referenca koren { QStringLiteral("org.a11y.atspi.Registry"), QStringLiteral("/org/a11y/atspi/accessible/root") };
    QTextStream izlaz(stdout);
    // A program joins the bus a moment after the bus has come up: it is looked for for a while.
    for (int pokusaj = 0; pokusaj < 100; ++pokusaj) {
        for (const Referenca& program : klijent.Deca(koren)) {
            if (veza.interface()->servicePid(program.first).value() == pid) {
                klijent.Ispisi(program, 0, izlaz);
                return 0;
            }
        }
        QThread::msleep(100);
    }
    std::fputs("atspi_stablo: the program is not on the accessibility bus\n", stderr);
    return 1;
}
