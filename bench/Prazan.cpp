// The floor of the start: a bare Qt program that shows an empty 800 x 600 window; with the
// argument "natpis", the window holds one line of text, to show what text alone costs.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget prozor;
    prozor.resize(800, 600);
    if (argc > 1 && qstrcmp(argv[1], "natpis") == 0)
        (new QLabel(QStringLiteral("Karuvel"), &prozor))->move(20, 20);
    prozor.show();
    return QApplication::exec();
}
