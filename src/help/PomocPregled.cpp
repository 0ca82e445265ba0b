#include "help/PomocPregled.h"

#include "content/Tekst.h"
#include "help/Internet.h"
#include "help/PomocChm.h"

#include <QCache>
#include <QImage>

#include <algorithm>

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
    // A picture decoded once is kept for every later page and window (up to 8 MB of them).
    static QCache<QString, QImage> slike(8 * 1024 * 1024);
    const bool jeSlika = type == QTextDocument::ImageResource;
    const QString kljuc = jeSlika ? QString::number(m_chm.Broj()) + u':' + adresa.path().toLower() : QString();
    if (jeSlika) {
        if (const QImage* slika = slike.object(kljuc))
            return *slika;
    }
    const std::optional<QByteArray> bajtovi = m_chm.Procitaj(adresa.path());
    if (!bajtovi)
        return {};
    // The pages and style sheets of the help are written in code page 1250.
    if (type == QTextDocument::HtmlResource || type == QTextDocument::StyleSheetResource)
        return Tekst::izCp1250(*bajtovi);
    if (jeSlika) {
        QImage slika = QImage::fromData(*bajtovi);
        if (slika.isNull())
            return {};
        // In the form the screen takes it, so that it is not converted again at every paint.
        slika.convertTo(slika.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
        slike.insert(kljuc, new QImage(slika), std::max<qsizetype>(1, slika.sizeInBytes()));
        return slika;
    }
    return *bajtovi;
}

void PomocPregled::Veza(const QUrl& adresa)
{
    if (adresa.scheme() == Sema)
        setSource(adresa);
    else
        Internet::Otvori(adresa);
}
