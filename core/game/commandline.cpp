#include "core/game/commandline.h"

#include "core/platform/files.h"
#include "core/platform/installation.h"

namespace quorvex {

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine command;
    for (const std::string& a : arguments)
        if (a == "--help" || a == "-h") return {CommandLine::Action::Usage, "", ""};
    for (const std::string& a : arguments)
        if (a == "--version") return {CommandLine::Action::Version, "", ""};
    for (const std::string& a : arguments) {
        if (a.size() > 1 && a[0] == '-') return {CommandLine::Action::Wrong, "", "unknown option \"" + a + "\""};
        if (!command.link.empty()) return {CommandLine::Action::Wrong, "", "only one game link, please"};
        command.link = a;
    }
    return command;
}

std::string UsageText(const std::string& programFolder, const std::string& helpFile) {
    const std::string help =
        helpFile.find('/') == std::string::npos ? helpFile + " in the folder the game is started in" : helpFile;
    return "Usage: quorvex [LINK]\n"
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
           "\n"
           "Files: setup.ini (settings), Quorvex.stat (statistics of the last run) and\n"
           "Slot1.save to Slot3.save (savegames) in " +
           programFolder +
           "\n"
           "Help text: " +
           help + "\n";
}

std::string MalformedLinkText(const std::string& text) {
    return "\"" + text + "\" is not a Quorvex game link (quorvex://HOST or quorvex://HOST:PORT).";
}

int AnswerCommandLine(const CommandLine& command, std::FILE* out, std::FILE* err) {
    const auto usage = [] {
        const std::string executable = qx::ExecutableFolder();
        return UsageText(qx::ProgramFolderFor(executable), qx::HelpFileFor(executable));
    };
    switch (command.action) {
    case CommandLine::Action::Play:
        return -1;
    case CommandLine::Action::Usage:
        std::fputs(usage().c_str(), out);
        return 0;
    case CommandLine::Action::Version:
        std::fprintf(out, "%s\n", kVersionText);
        return 0;
    case CommandLine::Action::Wrong:
        std::fprintf(err, "quorvex: %s\n%s", command.problem.c_str(), usage().c_str());
        return 2;
    }
    return -1;
}

}  // namespace quorvex
