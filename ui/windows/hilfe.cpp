#include "ui/windows/hilfe.h"

#include "ui/platform/access.h"
#include "ui/platform/ansi.h"
#include "ui/platform/controls.h"
#include "ui/platform/desktop.h"
#include "ui/platform/dialogs.h"
#include "core/platform/files.h"
#include "core/platform/installation.h"
#include "ui/platform/look.h"
#include "core/platform/text.h"

#include <string>
#include <vector>

namespace quorvex {

namespace {

constexpr char kDesignLine[] = QT_TRANSLATE_NOOP("quorvex::THelp", "Loading help.txt, please wait...");

// A larger file is refused: no help text comes near it, and reading and
// showing it would hold up the start and the window.
constexpr std::size_t kLargestHelp = 16 * 1024 * 1024;
// Laying out one line costs time in proportion to its length, all at once
// when it comes into view: longer lines are broken when the file is loaded.
constexpr std::size_t kLongestLine = 4096;

// Up to this many lines, each line is a paragraph of its own: the memo then
// lays out only the paragraphs it shows, when it shows them. A paragraph of
// many lines is laid out whole as soon as the text is set (several
// milliseconds for a few kilobytes, at start-up).
constexpr std::size_t kLinesAsParagraphs = 4096;

// The lines as the memo takes them. Each paragraph costs the text's document
// a little time, which a file of many short lines adds up to seconds: in a
// longer file short lines share a paragraph, split by line separators, which
// show and copy as line breaks all the same.
QString JoinLines(const std::vector<std::string>& lines, bool utf8) {
    const bool share = lines.size() > kLinesAsParagraphs;
    std::size_t total = 0;
    for (const auto& l : lines) total += l.size() + 1;
    QString out;
    out.reserve(static_cast<qsizetype>(total));
    std::size_t inParagraph = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) {
            const bool full = !share || inParagraph + lines[i].size() > kLongestLine;
            out.append(full ? QChar(u'\n') : QChar(QChar::LineSeparator));
            if (full) inParagraph = 0;
        }
        if (utf8)
            out.append(QString::fromUtf8(lines[i]));
        else
            qx::AppendAnsi(out, lines[i]);
        inParagraph += lines[i].size() + 1;
    }
    return out;
}

}  // namespace

THelp::THelp(QWidget* parent) : QDialog(parent) {
    qx::SetupToolWindow(this, QStringLiteral("Help"), tr("Help"), 456, 335, Qt::black);

    Memo1 = qx::MakeMemo(this, QStringLiteral("Memo1"), QRect(4, 4, 449, 297));
    Memo1->setFont(qx::MonoPt(8));
    qx::SetColours(Memo1, Qt::white, Qt::black);
    // No border but a thin flat line around the text.
    Memo1->setStyleSheet(QStringLiteral("QPlainTextEdit { border: 1px solid #404040; background: black; color: white; }"));
    Memo1->setAccessibleName(tr("Help text"));
    qx::MakeKeyboardReadable(Memo1);

    SpeedButton1 = qx::MakeButton(this, QStringLiteral("SpeedButton1"), tr("close"), QRect(4, 306, 448, 25),
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
    const qx::HelpText help = qx::ChosenHelpText(qx::ExecutableFolder());
    const std::string& file = help.file;
    // The text is laid out as it is set: the file's text goes in at once,
    // where the viewer would only lay out the waiting line to replace it.
    if (!qx::FileExists(file)) {
        Memo1->setPlainText(tr(kDesignLine));
        Memo1->appendPlainText(QString());
        //: Three lines of the help viewer; help.txt and Quorvex_v13.zip are file names.
        Memo1->appendPlainText(tr("Could not load help.txt!\n"
                                  "Please obtain an original copy of Quorvex_v13.zip,\n"
                                  "or unpack the zip-file with all included files."));
        return;
    }
    std::vector<std::string> lines;
    try {
        lines = qx::BreakLongLines(qx::ReadLines(file, kLargestHelp), kLongestLine);
    } catch (const qx::FileError& e) {
        // The viewer still comes up and says why it is empty.
        Memo1->setPlainText(tr(kDesignLine));
        Memo1->appendPlainText(QString());
        //: %1 is the system's cause, on a line of its own; help.txt is the file's name.
        Memo1->appendPlainText(tr("help.txt is there but could not be read:\n%1\nPlease check that you may read the file.")
                                   .arg(qx::FromSystem(e.Text())));
        return;
    }
    Memo1->setPlainText(JoinLines(lines, help.utf8));
    Memo1->moveCursor(QTextCursor::Start);
}

void THelp::SpeedButton1Click() { close(); }

}  // namespace quorvex
