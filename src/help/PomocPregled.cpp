#include "help/PomocPregled.h"

#include "content/Tekst.h"
#include "help/Internet.h"
#include "help/PomocChm.h"

PomocPregled::PomocPregled(const PomocChm& chm, QWidget* parent)
    : QTextBrowser(parent)
    , m_chm(chm)
{
    setObjectName(QStringLiteral("Strana"));
    setOpenLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, &PomocPregled::Veza);
}

QUrl PomocPregled::Adresa(const QString& strana)
{
    QUrl adresa;
    adresa.setScheme(Sema);
    const qsizetype znak = strana.indexOf(u'#');
    QString put = znak >= 0 ? strana.left(znak) : strana;
    adresa.setPath(put.startsWith(u'/') ? put : u'/' + put);
    if (znak >= 0)
        adresa.setFragment(strana.mid(znak + 1));
    return adresa;
}

QVariant PomocPregled::loadResource(int type, const QUrl& name)
{
    QUrl adresa = name;
    if (adresa.isRelative())
        adresa = source().resolved(adresa);
    if (adresa.scheme() != Sema)
        return {};
    const std::optional<QByteArray> bajtovi = m_chm.Procitaj(adresa.path());
    if (!bajtovi)
        return {};
    // The pages and style sheets of the help are written in code page 1250.
    if (type == QTextDocument::HtmlResource || type == QTextDocument::StyleSheetResource)
        return Tekst::izCp1250(*bajtovi);
    return *bajtovi;
}

void PomocPregled::Veza(const QUrl& adresa)
{
    if (adresa.scheme() == Sema)
        setSource(adresa);
    else
        Internet::Otvori(adresa);
}
