// The toolkit's floor: a bare Qt 6 Widgets window of the main window's size.
// With --text it also shows one line of text, which brings in the font
// database, the floor of any window that shows words.

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Baseline"));
    window.resize(660, 563);
    if (argc > 1 && QByteArrayView(argv[1]) == "--text")
        (new QLabel(QStringLiteral("Measure Mean"), &window))->move(10, 10);
    window.show();
    return app.exec();
}
