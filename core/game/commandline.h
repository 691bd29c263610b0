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
    Action action = Action::Play;
    std::string link;     // Play: the game link given, "" when none
    std::string problem;  // Wrong: what is wrong, in one line
};

// The arguments after the program's name. --help (or -h, the usage) wins over
// --version; any other argument starting with '-' is wrong, and so is more
// than one link.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// What --help prints: how to start the game, the link form, and where this
// copy keeps its files (`programFolder`) and finds its help text (`helpFile`,
// a bare name meaning the working folder).
std::string UsageText(const std::string& programFolder, const std::string& helpFile);

// What a link that is not one gets: the message box's text, and the same on
// the error output when there is no display.
std::string MalformedLinkText(const std::string& text);

// Answers Usage, Version and Wrong on `out` / `err` and returns the exit code
// (0, or 2 for a wrong command line); -1 for Play, which is the game's.
int AnswerCommandLine(const CommandLine& command, std::FILE* out, std::FILE* err);

}  // namespace quorvex
