#include "core/game/commandline.h"

#include "core/platform/files.h"
#include "core/platform/errnotext.h"
#include "core/platform/installation.h"

#include <algorithm>
#include <cerrno>
#include <string_view>

namespace quorvex {

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine command;
    // The first "--" ends the options; what follows is never one.
    const auto optionsEnd = std::find(arguments.begin(), arguments.end(), std::string_view("--"));
    for (auto a = arguments.begin(); a != optionsEnd; ++a)
        if (*a == "--help" || *a == "-h") return {CommandLine::Action::Usage, "", ""};
    for (auto a = arguments.begin(); a != optionsEnd; ++a)
        if (*a == "--version") return {CommandLine::Action::Version, "", ""};
    for (auto a = arguments.begin(); a != arguments.end(); ++a) {
        if (a == optionsEnd) continue;
        if (a < optionsEnd && a->size() > 1 && (*a)[0] == '-')
            return {CommandLine::Action::Wrong, "", "unknown option \"" + *a + "\"", CommandLine::Problem::UnknownOption,
                    *a};
        if (!command.link.empty())
            return {CommandLine::Action::Wrong, "", "only one game link, please", CommandLine::Problem::SecondLink};
        command.link = *a;
    }
    return command;
}

int FinishAnswer(std::FILE* out, std::FILE* err, int code) {
    // errno still holds what made an earlier write fail when the flush has nothing left to try.
    if (std::fflush(out) == 0 && !std::ferror(out)) return code;
    const int why = errno != 0 ? errno : EIO;
    std::fprintf(err, "quorvex: write error: %s\n", qx::ErrnoText(why).Bytes().c_str());
    return 1;
}

UsageFacts UsageFactsOfThisCopy() {
    const std::string executable = qx::ExecutableFolder();
    const std::string help = qx::HelpFileFor(executable);
    return {qx::ProgramFolderFor(executable), help, help.find('/') == std::string::npos};
}

}  // namespace quorvex
