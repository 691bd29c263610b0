// Message boxes, modal showing and the handler guard.
//
// Every window handler runs inside Guard(): an exception that escapes is
// shown by the general error report and the program goes on. Tests install a
// DialogScript, which records every box and modal showing instead of blocking
// and answers confirmations from a queue.
#pragma once

#include "core/platform/systemtext.h"

#include <QString>
#include <deque>
#include <exception>
#include <string>
#include <vector>

class QWidget;
class QDialog;

namespace qx {

inline constexpr const char* kAppTitle = "Quorvex v1.3";

enum class BoxKind { Information, Confirmation, Error };

struct ShownBox {
    BoxKind kind;
    std::string text;  // the bytes as passed (after the full-stop rule for errors)
    QString shown;     // the text as the box shows it, decoded by its kind
};

class DialogScript {
public:
    DialogScript();
    ~DialogScript();
    DialogScript(const DialogScript&) = delete;
    DialogScript& operator=(const DialogScript&) = delete;

    std::vector<ShownBox> boxes;          // every box, in order
    std::deque<bool> answers;             // confirmations: true = "&Ja"; empty queue answers "&Nein"
    std::vector<std::string> modals;      // objectName of every dialog shown modally
    std::vector<std::string> openedUrls;  // addresses handed to the shell
    bool useShell = false;                // hand them to the real shell as well

    // Texts of the boxes of one kind, in order.
    std::vector<std::string> Texts(BoxKind kind) const;
    void Clear();
};

// The application's main window: message boxes without an owner of their own
// belong to the open modal window or else to it, so a compositor keeps them
// above the game and places them over it.
void SetMainWindow(QWidget* window);
QWidget* MainWindow();

// The active script, or nullptr in the real game.
DialogScript* ActiveScript();

// Information box: the text, one OK button, caption "Quorvex v1.3". A game
// text is decoded as Windows-1252, a system text with the locale's encoding.
void ShowMessage(const std::string& text, QWidget* parent = nullptr);
void ShowMessage(const SystemText& text, QWidget* parent = nullptr);
// The same for a text made ready to show (received parts through ShownText).
void ShowMessageText(const QString& shown, QWidget* parent = nullptr);
// Confirmation box ("Bestätigung", "&Ja"/"&Nein"): true only on "&Ja".
bool Confirm(const std::string& question, QWidget* parent = nullptr);
bool ConfirmText(const QString& question, QWidget* parent = nullptr);
// General error report: error icon, OK, the text with the full-stop rule.
void ShowErrorReport(const std::string& text, QWidget* parent = nullptr);
void ShowErrorReport(const SystemText& text, QWidget* parent = nullptr);

// From the end of a session on no box waits for an answer: the open ones
// close at once (a confirmation as if "&Nein" were chosen) and later ones go
// to the error output, as nobody is left to answer them.
void StopWaitingForAnswers();

// Shows a dialog modally (exec) and returns when it is closed; under a script
// it is shown without blocking and the call returns at once.
void ShowModal(QDialog* dialog);

// An error worded in the windows from the core's values, reported as it is.
class ShownError : public std::runtime_error {
public:
    explicit ShownError(const QString& shown) : std::runtime_error(shown.toStdString()), shown_(shown) {}
    const QString& Shown() const { return shown_; }

private:
    QString shown_;
};
// The error report of an exception that says nothing.
void ShowUnknownError();
// How the windows word a system error of a kind of their own (the network's,
// from ui/net); an empty text leaves the error's own text. Set once, before
// such errors can come; null (the default) shows every error's own text.
using ErrorWording = QString (*)(const SystemError&);
void SetErrorWording(ErrorWording wording);
// The general error report of a system error, worded as set.
void ShowSystemErrorReport(const SystemError& error);
// The general error report of such a text.
void ShowErrorReportText(const QString& shown, QWidget* parent = nullptr);

// Runs a handler body; any exception that escapes becomes the error report.
template <class F>
void Guard(F&& body) noexcept {
    try {
        body();
    } catch (const ShownError& e) {
        ShowErrorReportText(e.Shown());
    } catch (const SystemError& e) {
        ShowSystemErrorReport(e);
    } catch (const std::exception& e) {
        ShowErrorReport(e.what());
    } catch (...) {
        ShowUnknownError();
    }
}

// Whether a window may close: runs its FormCloseQuery under Guard, so that an
// error there is reported and keeps the window open. For reject() overrides.
template <class Query>
bool CloseAllowed(Query&& formCloseQuery) noexcept {
    bool allow = false;
    Guard([&] { allow = formCloseQuery(); });
    return allow;
}

}  // namespace qx
