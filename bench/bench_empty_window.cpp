// The baselines for start-up: an empty main window, shown once, then quit; with
// "--label", the same window holding one line of text, which pays for loading the
// fonts as every window with text does.
#include "PeakMemory.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(780, 400);
    if (argc > 1 && QByteArray(argv[1]) == "--label") {
        auto *label = new QLabel(QStringLiteral("Beacon comment"));
        window.setCentralWidget(label);
        label->sizeHint(); // measured, as a shown window's text always is
    }
    window.show();
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    const int result = QApplication::exec();
    print_peakMemory();
    return result;
}
