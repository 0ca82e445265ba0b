// karuvel-slika: turns a picture the program draws before its first paint into the form it is
// drawn in, so that nothing has to be decoded at start.
//
//   karuvel-slika <picture> <output>
//
// Output: "KSL1", then width, height and QImage format as 32-bit little-endian numbers, then
// the pixels, four bytes each, row after row.
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QtEndian>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fputs("usage: karuvel-slika <picture> <output>\n", stderr);
        return 2;
    }
    QImage slika(QString::fromLocal8Bit(argv[1]));
    if (slika.isNull()) {
        std::fprintf(stderr, "karuvel-slika: cannot read %s\n", argv[1]);
        return 1;
    }
    slika = slika.convertToFormat(slika.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    QByteArray izlaz("KSL1");
    for (const quint32 broj : { quint32(slika.width()), quint32(slika.height()), quint32(slika.format()) }) {
        const quint32 le = qToLittleEndian(broj);
        izlaz.append(reinterpret_cast<const char*>(&le), sizeof le);
    }
    for (int y = 0; y < slika.height(); ++y)
        izlaz.append(reinterpret_cast<const char*>(slika.constScanLine(y)), slika.width() * 4);
    QFile f(QString::fromLocal8Bit(argv[2]));
    if (!f.open(QIODevice::WriteOnly) || f.write(izlaz) != izlaz.size()) {
        std::fprintf(stderr, "karuvel-slika: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
