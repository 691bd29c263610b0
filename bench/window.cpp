// Baseline for start-up, memory and idle CPU: the least a Qt Widgets program
// does to show one fixed-size window with a black background, nothing else.
//
// Usage: bench_window [width height]   (the main window's outer size)
#include <QApplication>
#include <QPalette>
#include <QWidget>

#include <cstdlib>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int width = argc > 2 ? std::atoi(argv[1]) : 477;
    const int height = argc > 2 ? std::atoi(argv[2]) : 279;
    QWidget window;
    window.setWindowTitle(QStringLiteral("Baseline"));
    QPalette p = window.palette();
    p.setColor(QPalette::Window, Qt::black);
    window.setPalette(p);
    window.setAutoFillBackground(true);
    window.setFixedSize(width, height);
    window.show();
    return app.exec();
}
