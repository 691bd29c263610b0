// The command line: one game link, or one of the questions every Linux
// program answers (--help, --version). Decided before any window exists, so
// the answers need no display.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace quorvex {

inline constexpr char kVersionText[] = "Quorvex 1.3";

struct CommandLine {
    enum class Action { Play, Usage, Version, Wrong };
    enum class Problem { None, UnknownOption, SecondLink };
    Action action = Action::Play;
    std::string link;     // Play: the game link given, "" when none
    std::string problem;  // Wrong: what is wrong, in one line
    Problem kind = Problem::None;  // Wrong: what is wrong, for the windows' language
    std::string option{};          // UnknownOption: the option as given
};

// The arguments after the program's name. --help (or -h, the usage) wins over
// --version; any other argument starting with '-' is wrong, and so is more
// than one link. "--" ends the options: every argument after it is a link.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// Ends an answer written to `out`: when any of it could not be written (a
// full disk, a closed output), says so on `err` as the system's tools do,
// "quorvex: write error: " and the system's reason, and gives 1; else `code`.
int FinishAnswer(std::FILE* out, std::FILE* err, int code);

// What --help tells beside how to start the game: where this copy keeps its
// files, and where it finds its help text (a bare name meaning the working
// folder). The windows' side words it (ui/app/commandtext.h).
struct UsageFacts {
    std::string programFolder;
    std::string helpFile;
    bool helpInWorkingFolder = false;
};
UsageFacts UsageFactsOfThisCopy();

}  // namespace quorvex
