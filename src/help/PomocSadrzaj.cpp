#include "help/PomocSadrzaj.h"

#include <QRegularExpression>

namespace {
QString Entiteti(QString s)
{
    s.replace(QLatin1String("&quot;"), QLatin1String("\""));
    s.replace(QLatin1String("&lt;"), QLatin1String("<"));
    s.replace(QLatin1String("&gt;"), QLatin1String(">"));
    s.replace(QLatin1String("&#39;"), QLatin1String("'"));
    s.replace(QLatin1String("&amp;"), QLatin1String("&"));
    return s;
}

// The expression that finds attribute `ime`, made once per attribute name.
QRegularExpression IzrazAtributa(const QString& ime)
{
    return QRegularExpression(QStringLiteral("\\b%1\\s*=\\s*(?:\"([^\"]*)\"|'([^']*)'|([^\\s>]+))").arg(ime),
        QRegularExpression::CaseInsensitiveOption);
}

QString Atribut(const QString& atributi, const QRegularExpression& izraz)
{
    const QRegularExpressionMatch m = izraz.match(atributi);
    if (!m.hasMatch())
        return {};
    for (int i = 1; i <= 3; ++i) {
        if (m.capturedStart(i) >= 0)
            return Entiteti(m.captured(i));
    }
    return {};
}
}

QList<PomocSadrzaj::Stavka> PomocSadrzaj::Procitaj(const QString& hhc)
{
    QList<Stavka> koren;
    // The lists that are open, innermost last; a <UL> opens the children of the entry before it.
    QList<QList<Stavka>*> otvorene { &koren };
    bool uObjektu = false;
    bool stranica = false;
    Stavka nova;

    static const QRegularExpression oznaka(QStringLiteral("<\\s*(/?)\\s*([A-Za-z]+)([^>]*)>"));
    static const QRegularExpression atributTip = IzrazAtributa(QStringLiteral("type"));
    static const QRegularExpression atributIme = IzrazAtributa(QStringLiteral("name"));
    static const QRegularExpression atributVrednost = IzrazAtributa(QStringLiteral("value"));
    for (auto it = oznaka.globalMatch(hhc); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const bool zatvara = !m.captured(1).isEmpty();
        const QString ime = m.captured(2).toLower();
        const QString atributi = m.captured(3);

        if (ime == u"ul") {
            if (zatvara) {
                if (otvorene.size() > 1)
                    otvorene.removeLast();
            } else {
                QList<Stavka>* lista = otvorene.last();
                otvorene.append(lista->isEmpty() ? lista : &lista->last().deca);
            }
        } else if (ime == u"object") {
            if (!zatvara) {
                uObjektu = true;
                stranica = Atribut(atributi, atributTip).compare(u"text/sitemap", Qt::CaseInsensitive) == 0;
                nova = Stavka {};
            } else if (uObjektu) {
                uObjektu = false;
                if (stranica && !nova.ime.isEmpty())
                    otvorene.last()->append(nova);
            }
        } else if (ime == u"param" && uObjektu) {
            const QString naziv = Atribut(atributi, atributIme);
            const QString vrednost = Atribut(atributi, atributVrednost);
            if (naziv.compare(u"Name", Qt::CaseInsensitive) == 0)
                nova.ime = vrednost;
            else if (naziv.compare(u"Local", Qt::CaseInsensitive) == 0)
                nova.strana = vrednost;
        }
    }
    return koren;
}

