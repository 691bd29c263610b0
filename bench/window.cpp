// Baselines for start-up, memory and idle CPU.
//
// bench_window W H          the least a Qt Widgets program does to show one
//                           fixed-size black window: no text at all.
// bench_window W H --text   the same window with what any window with text
//                           pays on top: a menu bar with two menus, a label
//                           and a status bar (font database, font engines,
//                           text shaping).
// W H: the main window's outer size.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPalette>
#include <QStatusBar>

#include <cstdlib>
#include <cstring>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int width = argc > 2 ? std::atoi(argv[1]) : 477;
    const int height = argc > 2 ? std::atoi(argv[2]) : 274;
    const bool text = argc > 3 && std::strcmp(argv[3], "--text") == 0;
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Baseline"));
    QPalette p = window.palette();
    p.setColor(QPalette::Window, Qt::black);
    p.setColor(QPalette::WindowText, Qt::white);
    window.setPalette(p);
    window.setAutoFillBackground(true);
    if (text) {
        QMenu* game = window.menuBar()->addMenu(QStringLiteral("Game"));
        game->addAction(QStringLiteral("Exit"), &window, &QWidget::close);
        window.menuBar()->addMenu(QStringLiteral("Help"))->addAction(QStringLiteral("About..."));
        window.setCentralWidget(new QLabel(QStringLiteral("Baseline with text"), &window));
        window.statusBar()->showMessage(QStringLiteral("ready"));
    }
    window.setFixedSize(width, height);
    window.show();
    return app.exec();
}
