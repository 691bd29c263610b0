// The program's entry: answers the command line's questions without a window,
// then creates every window once, in order, and runs the loop.
#include "core/game/commandline.h"
#include "core/net/lan/gamelink.h"
#include "ui/app/application.h"
#include "ui/app/commandtext.h"
#include "ui/platform/display.h"
#include "ui/platform/language.h"
#include "ui/platform/session.h"

#include <QApplication>
#include <QCoreApplication>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <string>
#include <vector>

namespace {

// The link as the error output shows it: control characters would act on the terminal.
std::string Printable(std::string text) {
    for (char& c : text)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = '?';
    return text;
}

// A closed standard descriptor would be taken by the next file opened, and
// what is written to it would go there. Each is held by /dev/null opened for
// reading, where a write fails as it would on the closed one.
void HoldClosedStandardDescriptors() {
    for (int fd = 0; fd <= 2; ++fd)
        if (::fcntl(fd, F_GETFD) < 0 && errno == EBADF) (void)::open("/dev/null", O_RDONLY);
}

}  // namespace

int main(int argc, char** argv) {
    HoldClosedStandardDescriptors();
    const quorvex::CommandLine command = quorvex::ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (command.action != quorvex::CommandLine::Action::Play) {
        // Answered in the player's language, still without a display.
        QCoreApplication answering(argc, argv);
        qx::InstallLanguage();
        return quorvex::AnswerCommandLine(command, stdout, stderr);
    }
    // A malformed link is told in a box; without a display, on the error output instead.
    std::string instead;
    if (!command.link.empty() && !quorvex::ParseGameLink(command.link)) {
        // Worded now, in the player's language: without a display the
        // application below never comes to be.
        QCoreApplication wording(argc, argv);
        qx::InstallLanguage();
        instead = quorvex::MalformedLinkLine(Printable(command.link));
    }
    auto display = std::make_unique<qx::DisplayOrExit>(instead);
    QApplication app(argc, argv);
    display.reset();
    // Before any window (and any box) is made.
    qx::InstallLanguage();
    return qx::FinishProcess(quorvex::RunApplication(app));
}
