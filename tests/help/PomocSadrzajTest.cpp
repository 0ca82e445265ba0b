#include "help/PomocSadrzaj.h"

#include <gtest/gtest.h>

namespace {

// The entries as "name>page" lines, children indented by two blanks per level.
QStringList Spisak(const QList<PomocSadrzaj::Stavka>& stavke, int nivo = 0)
{
    QStringList s;
    for (const auto& st : stavke) {
        s << QString(nivo * 2, u' ') + st.ime + u'>' + st.strana;
        s << Spisak(st.deca, nivo + 1);
    }
    return s;
}

QString Obj(const char* ime, const char* strana)
{
    return QStringLiteral("<LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"%1\">"
                          "<param name=\"Local\" value=\"%2\"></OBJECT>")
        .arg(QString::fromUtf8(ime), QString::fromUtf8(strana));
}

struct Slucaj {
    const char* opis;
    QString hhc;
    QStringList ocekivano;
};

TEST(PomocSadrzaj, CitaUgnezdeneListe)
{
    const QString svojstva = QStringLiteral("<OBJECT type=\"text/site properties\"><param name=\"Name\" value=\"x\"></OBJECT>");
    const std::vector<Slucaj> slucajevi {
        { "flat list, site properties skipped",
            svojstva + "<UL>" + Obj("A", "a.htm") + Obj("B", "b.htm") + "</UL>", { "A>a.htm", "B>b.htm" } },
        { "children nest under the entry before the inner list, and the outer list goes on",
            "<UL>" + Obj("A", "a.htm") + "<UL>" + Obj("A1", "a1.htm") + "<UL>" + Obj("A11", "x.htm#k")
                + "</UL></UL>" + Obj("B", "b.htm") + "</UL>",
            { "A>a.htm", "  A1>a1.htm", "    A11>x.htm#k", "B>b.htm" } },
        { "lower-case tags, single quotes, entities, an entry without a page",
            "<ul><li><object type='text/sitemap'><param name='name' value='Znaci &amp; &quot;table&quot;'>"
            "</object><li><object type=\"TEXT/SITEMAP\"><param value=\"c.htm\" name=\"local\">"
            "<param name=\"Name\" value=\"Točkić\"></object></ul>",
            { "Znaci & \"table\">", "Točkić>c.htm" } },
        { "unbalanced closing lists and an object without a name",
            "</UL></UL><UL>" + Obj("", "n.htm") + Obj("A", "a.htm") + "</UL></UL>", { "A>a.htm" } },
        { "nothing", QString(), {} },
    };
    for (const Slucaj& s : slucajevi)
        EXPECT_EQ(Spisak(PomocSadrzaj::Procitaj(s.hhc)), s.ocekivano) << s.opis;
}

}
