#include "ui/platform/dialogs.h"

#include "ui/platform/ansi.h"
#include "core/platform/text.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

#include <atomic>
#include <cstdio>
#include <vector>

namespace qx {

namespace {
DialogScript* g_script = nullptr;
QWidget* g_mainWindow = nullptr;
bool g_noWaiting = false;
std::vector<QPointer<QMessageBox>> g_openBoxes;

// Shows the box until it is answered; without waiting once the session ends.
void Run(QMessageBox& box) {
    if (g_noWaiting) {
        std::fprintf(stderr, "%s: %s\n", kAppTitle, box.text().toLocal8Bit().constData());
        return;
    }
    g_openBoxes.emplace_back(&box);
    box.exec();
    g_openBoxes.pop_back();
}

QWidget* Owner(QWidget* parent) {
    if (parent) return parent;
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return g_mainWindow;
}
}  // namespace

void SetMainWindow(QWidget* window) { g_mainWindow = window; }
QWidget* MainWindow() { return g_mainWindow; }

DialogScript::DialogScript() { g_script = this; }
DialogScript::~DialogScript() {
    if (g_script == this) g_script = nullptr;
}

std::vector<std::string> DialogScript::Texts(BoxKind kind) const {
    std::vector<std::string> out;
    for (const auto& b : boxes)
        if (b.kind == kind) out.push_back(b.text);
    return out;
}

void DialogScript::Clear() {
    boxes.clear();
    answers.clear();
    modals.clear();
    openedUrls.clear();
}

DialogScript* ActiveScript() { return g_script; }

namespace {
// An information box or the error report, with the text as the box shows it.
void Show(BoxKind kind, const std::string& bytes, const QString& shown, QWidget* parent) {
    if (g_script) {
        g_script->boxes.push_back({kind, bytes, shown});
        return;
    }
    const auto icon = kind == BoxKind::Error ? QMessageBox::Critical : QMessageBox::NoIcon;
    QMessageBox box(icon, QString::fromLatin1(kAppTitle), shown, QMessageBox::Ok, Owner(parent));
    box.setTextFormat(Qt::PlainText);  // messages may quote names and file texts
    Run(box);
}
}  // namespace

void ShowMessage(const std::string& text, QWidget* parent) {
    Show(BoxKind::Information, text, FromAnsi(text), parent);
}
void ShowMessage(const SystemText& text, QWidget* parent) {
    Show(BoxKind::Information, text.Bytes(), FromSystem(text), parent);
}
void ShowMessageText(const QString& shown, QWidget* parent) { Show(BoxKind::Information, ToAnsi(shown), shown, parent); }

namespace {
bool Ask(const std::string& bytes, const QString& shown, QWidget* parent) {
    if (g_script) {
        g_script->boxes.push_back({BoxKind::Confirmation, bytes, shown});
        if (g_script->answers.empty()) return false;
        bool a = g_script->answers.front();
        g_script->answers.pop_front();
        return a;
    }
    // The box's own words are German in English as well (the game has always
    // asked so); every other language gives its own.
    //: The confirmation box's caption. Stays German in English; give your language's word.
    const QString caption = QCoreApplication::translate("ConfirmBox", "Bestätigung");
    QMessageBox box(QMessageBox::Question, caption, shown, QMessageBox::NoButton, Owner(parent));
    box.setTextFormat(Qt::PlainText);
    //: The confirmation box's yes button, German in English too; & marks the access key.
    QPushButton* yes = box.addButton(QCoreApplication::translate("ConfirmBox", "&Ja"), QMessageBox::YesRole);
    //: The confirmation box's no button, German in English too; & marks the access key.
    box.addButton(QCoreApplication::translate("ConfirmBox", "&Nein"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    Run(box);
    return box.clickedButton() == yes;
}
}  // namespace

bool Confirm(const std::string& question, QWidget* parent) { return Ask(question, FromAnsi(question), parent); }
bool ConfirmText(const QString& question, QWidget* parent) { return Ask(ToAnsi(question), question, parent); }

void ShowErrorReport(const std::string& text, QWidget* parent) {
    const std::string shown = ErrorReportText(text);
    Show(BoxKind::Error, shown, FromAnsi(shown), parent);
}

void ShowErrorReport(const SystemText& text, QWidget* parent) {
    const SystemText shown(ErrorReportText(text.Bytes()));
    Show(BoxKind::Error, shown.Bytes(), FromSystem(shown), parent);
}

void ShowErrorReportText(const QString& text, QWidget* parent) {
    // The full-stop rule of ErrorReportText, on the shown text.
    const bool stop = !text.isEmpty() && text.back().unicode() > u'.';
    const QString shown = stop ? text + QLatin1Char('.') : text;
    Show(BoxKind::Error, ToAnsi(shown), shown, parent);
}

void ShowUnknownError() { ShowErrorReportText(QCoreApplication::translate("Guard", "Unknown error")); }

namespace {
std::atomic<ErrorWording> g_wording{nullptr};
}  // namespace

void SetErrorWording(ErrorWording wording) { g_wording = wording; }

void ShowSystemErrorReport(const SystemError& error) {
    const ErrorWording wording = g_wording;
    const QString worded = wording ? wording(error) : QString();
    if (worded.isEmpty())
        ShowErrorReport(error.Text());
    else
        ShowErrorReportText(worded);
}

void StopWaitingForAnswers() {
    g_noWaiting = true;
    for (const QPointer<QMessageBox>& box : g_openBoxes)
        if (box) box->done(QMessageBox::Cancel);
}

namespace {
// exec() shows the dialog and only then starts the loop that waits for it. A
// close the window system delivers while the dialog is still being shown would
// end the dialog before that loop exists: the loop would wait on a dialog that
// has finished, its window still on screen, and the close seem ignored. Such a
// close is taken again once the loop runs, like any later one.
class CloseWhileShowing : public QObject {
public:
    explicit CloseWhileShowing(QDialog* dialog) : dialog_(dialog) {
        dialog->installEventFilter(this);
        // Posted now, so it runs at the loop's first turn: from then on closes go straight through.
        QMetaObject::invokeMethod(this, [this] { showing_ = false; }, Qt::QueuedConnection);
    }
    ~CloseWhileShowing() override {
        if (dialog_) dialog_->removeEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!showing_ || watched != dialog_ || event->type() != QEvent::Close) return false;
        event->ignore();
        QMetaObject::invokeMethod(dialog_, &QWidget::close, Qt::QueuedConnection);
        return true;
    }

private:
    QPointer<QDialog> dialog_;
    bool showing_ = true;
};
}  // namespace

void ShowModal(QDialog* dialog) {
    if (g_script) {
        g_script->modals.push_back(dialog->objectName().toStdString());
        dialog->show();
        return;
    }
    CloseWhileShowing guard(dialog);
    dialog->exec();
}

}  // namespace qx
