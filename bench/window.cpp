// Baselines for start-up, memory and idle CPU.
//
// bench_window W H          the least a Qt Widgets program does to show one
//                           fixed-size black window: no text at all.
// bench_window W H --text   the same window with what any window with text
//                           pays on top: a menu bar with two menus, a label
//                           and a status bar (font database, font engines,
//                           text shaping).
// bench_window --floor PORT
//                           the display floor for a line flood (bench/flood.py):
//                           the host window's size, with a log of the same size
//                           and font that keeps its newest 5000 lines; it takes
//                           one connection on 127.0.0.1:PORT, reads it on a thread
//                           of its own and appends each line to the log.
// W H: the main window's outer size.
#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QPlainTextEdit>

#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPalette>
#include <QStatusBar>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <condition_variable>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <thread>
#include <vector>

namespace {

int Floor(QApplication& app, int port) {
    QWidget window;
    window.setWindowTitle(QStringLiteral("[ Host ] floor"));
    window.setFixedSize(575, 355);
    QPalette p = window.palette();
    p.setColor(QPalette::Window, Qt::black);
    p.setColor(QPalette::WindowText, QColor(0, 255, 0));
    window.setPalette(p);
    window.setAutoFillBackground(true);
    auto* log = new QPlainTextEdit(&window);
    log->setGeometry(8, 120, 233, 201);
    log->setReadOnly(true);
    log->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    log->setMaximumBlockCount(5000);
    // The game's log font: Verdana where it is installed, else DejaVu Sans.
    const bool verdana = QFontDatabase::hasFamily(QStringLiteral("Verdana"));
    QFont font(verdana ? QStringLiteral("Verdana") : QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    font.setBold(true);
    log->setFont(font);

    const int listener = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const int yes = 1;
    ::setsockopt(listener, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(static_cast<uint16_t>(port));
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::bind(listener, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 || ::listen(listener, 1) != 0)
        return 1;
    // As in the game, a thread of its own reads the socket and hands the
    // window whole lines, one batch at a time: it reads on while the window
    // appends, and holds back (so TCP does) until the window took the last.
    std::mutex mutex;
    std::condition_variable taken;
    std::vector<QString> handed;
    bool stopping = false;
    std::thread reader([&] {
        const int peer = ::accept4(listener, nullptr, nullptr, SOCK_CLOEXEC);
        QByteArray pending;
        std::vector<QString> batch;
        char buffer[4096];
        for (ssize_t n; peer >= 0 && (n = ::read(peer, buffer, sizeof buffer)) > 0;) {
            pending.append(buffer, static_cast<qsizetype>(n));
            qsizetype from = 0;
            for (qsizetype end; (end = pending.indexOf('\n', from)) >= 0; from = end + 1)
                batch.push_back(QString::fromLatin1(pending.constData() + from, end - from).trimmed());
            pending.remove(0, from);
            std::unique_lock<std::mutex> lock(mutex);
            taken.wait(lock, [&] { return handed.empty() || stopping; });
            if (stopping) break;
            handed.swap(batch);
            QMetaObject::invokeMethod(log, [&] {
                std::vector<QString> lines;
                {
                    std::lock_guard<std::mutex> lock(mutex);
                    lines.swap(handed);
                }
                taken.notify_one();
                for (const QString& line : lines) log->appendPlainText(line);
            }, Qt::QueuedConnection);
        }
    });
    window.show();
    const int result = app.exec();
    {
        std::lock_guard<std::mutex> lock(mutex);
        stopping = true;
    }
    taken.notify_one();
    ::shutdown(listener, SHUT_RDWR);
    reader.detach();  // may still block in accept or read: the process ends anyway
    return result;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc > 2 && std::strcmp(argv[1], "--floor") == 0) return Floor(app, std::atoi(argv[2]));
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
