#include "windows/hilfe.h"

#include "platform/ansi.h"
#include "platform/controls.h"
#include "platform/desktop.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/installation.h"
#include "platform/look.h"

#include <sys/stat.h>

#include <string>
#include <vector>

namespace quorvex {

namespace {

constexpr char kDesignLine[] = "Loading help.txt, please wait...";

// Anything at that name counts as present, so a folder or a file without read
// rights is reported as unreadable rather than as missing.
bool Present(const char* path) {
    struct stat st {};
    return ::stat(path, &st) == 0;
}

QString JoinLines(const std::vector<std::string>& lines) {
    QStringList out;
    out.reserve(static_cast<qsizetype>(lines.size()));
    for (const auto& l : lines) out << qx::FromAnsi(l);
    return out.join(QLatin1Char('\n'));
}

}  // namespace

THelp::THelp(QWidget* parent) : QDialog(parent) {
    qx::SetupToolWindow(this, QStringLiteral("Help"), QStringLiteral("Help"), 456, 335, Qt::black);

    Memo1 = qx::MakeMemo(this, QStringLiteral("Memo1"), QRect(4, 4, 449, 297));
    Memo1->setFont(qx::MonoPt(8));
    qx::SetColours(Memo1, Qt::white, Qt::black);
    // No border but a thin flat line around the text.
    Memo1->setStyleSheet(QStringLiteral("QPlainTextEdit { border: 1px solid #404040; background: black; color: white; }"));
    Memo1->setPlainText(QString::fromLatin1(kDesignLine));
    Memo1->setAccessibleName(QStringLiteral("Help text"));

    SpeedButton1 = qx::MakeButton(this, QStringLiteral("SpeedButton1"), QStringLiteral("close"), QRect(4, 306, 448, 25),
                                  true, qx::ButtonIcon(QStringLiteral("close")));
    SpeedButton1->setFont(qx::VerdanaPt(8, true));
    qx::SetColours(SpeedButton1, Qt::white);
    SpeedButton1->setAutoDefault(false);
    qx::ConnectHandler(SpeedButton1, &QPushButton::clicked, this, &THelp::SpeedButton1Click);

    qx::Guard([this] { FormCreate(); });
}

THelp::~THelp() = default;

void THelp::FormCreate() {
    qx::CentreOnScreen(this);
    const std::string file = qx::HelpFileFor(qx::ExecutableFolder());
    if (!Present(file.c_str())) {
        Memo1->appendPlainText(QString());
        Memo1->appendPlainText(QStringLiteral("Could not load help.txt!"));
        Memo1->appendPlainText(QStringLiteral("Please obtain an original copy of Quorvex_v13.zip,"));
        Memo1->appendPlainText(QStringLiteral("or unpack the zip-file with all included files."));
        return;
    }
    std::vector<std::string> lines;
    try {
        lines = qx::ReadLines(file);
    } catch (const qx::FileError& e) {
        // The viewer still comes up and says why it is empty.
        Memo1->appendPlainText(QString());
        Memo1->appendPlainText(QStringLiteral("help.txt is there but could not be read:"));
        Memo1->appendPlainText(QString::fromLocal8Bit(e.what()));
        Memo1->appendPlainText(QStringLiteral("Please check that you may read the file."));
        return;
    }
    Memo1->setPlainText(JoinLines(lines));
    Memo1->moveCursor(QTextCursor::Start);
}

void THelp::SpeedButton1Click() { close(); }

}  // namespace quorvex
