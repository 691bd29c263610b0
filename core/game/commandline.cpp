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
        if (a.size() > 1 && a[0] == '-')
            return {CommandLine::Action::Wrong, "", "unknown option \"" + a + "\"", CommandLine::Problem::UnknownOption, a};
        if (!command.link.empty())
            return {CommandLine::Action::Wrong, "", "only one game link, please", CommandLine::Problem::SecondLink};
        command.link = a;
    }
    return command;
}

UsageFacts UsageFactsOfThisCopy() {
    const std::string executable = qx::ExecutableFolder();
    const std::string help = qx::HelpFileFor(executable);
    return {qx::ProgramFolderFor(executable), help, help.find('/') == std::string::npos};
}

}  // namespace quorvex
