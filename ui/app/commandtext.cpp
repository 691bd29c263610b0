#include "ui/app/commandtext.h"

#include <QCoreApplication>

namespace quorvex {

namespace {

// A translated text as UTF-8 with %1 replaced by `value` byte for byte: paths
// are the system's bytes and are printed as they are.
std::string Fill(const QString& text, const std::string& value = std::string()) {
    std::string out = text.toStdString();
    if (const auto at = out.find("%1"); at != std::string::npos) out.replace(at, 2, value);
    return out;
}

}  // namespace

std::string UsageText(const UsageFacts& facts) {
    const std::string help =
        facts.helpInWorkingFolder
            ? Fill(QCoreApplication::translate("CommandLine", "%1 in the folder the game is started in"), facts.helpFile)
            : facts.helpFile;
    return Fill(QCoreApplication::translate(
               "CommandLine",
               "Usage: quorvex [LINK]\n"
               "       quorvex --help | --version\n"
               "\n"
               "Starts the game Quorvex: a 5 by 5 grid, for one player or for two over\n"
               "the network (TCP port 9999).\n"
               "\n"
               "  LINK           quorvex://HOST or quorvex://HOST:PORT, an IPv6 address in\n"
               "                 square brackets (quorvex://[2001:db8::5]): opens the client\n"
               "                 window with that address filled in. A game that runs\n"
               "                 already takes the link instead.\n"
               "  -h, --help     print this help and exit\n"
               "  --version      print the version and exit\n"
               "\n")) +
           Fill(QCoreApplication::translate("CommandLine",
                                            "Files: setup.ini (settings), Quorvex.stat (statistics of the last run) and\n"
                                            "Slot1.save to Slot3.save (savegames) in %1\n"),
                facts.programFolder) +
           Fill(QCoreApplication::translate("CommandLine", "Help text: %1\n"), help);
}

int AnswerCommandLine(const CommandLine& command, std::FILE* out, std::FILE* err) {
    switch (command.action) {
    case CommandLine::Action::Play:
        return -1;
    case CommandLine::Action::Usage:
        std::fputs(UsageText(UsageFactsOfThisCopy()).c_str(), out);
        return FinishAnswer(out, err, 0);
    case CommandLine::Action::Version:
        std::fprintf(out, "%s\n", kVersionText);
        return FinishAnswer(out, err, 0);
    case CommandLine::Action::Wrong: {
        const std::string problem =
            command.kind == CommandLine::Problem::UnknownOption
                ? Fill(QCoreApplication::translate("CommandLine", "unknown option \"%1\""), command.option)
                : Fill(QCoreApplication::translate("CommandLine", "only one game link, please"));
        std::fprintf(err, "quorvex: %s\n%s", problem.c_str(), UsageText(UsageFactsOfThisCopy()).c_str());
        return 2;
    }
    }
    return -1;
}

QString MalformedLinkSentence() {
    //: %1 is the link as given; HOST and PORT stand for a computer's name and a port number.
    return QCoreApplication::translate("CommandLine",
                                       "\"%1\" is not a Quorvex game link (quorvex://HOST or quorvex://HOST:PORT).");
}

std::string MalformedLinkLine(const std::string& link) { return Fill(MalformedLinkSentence(), link); }

}  // namespace quorvex
