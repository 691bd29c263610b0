// The command line's answers in the windows' language: the core says what
// was asked and what is wrong, this words it. Printed before any window
// exists, with only a core application (no display needed).
#pragma once

#include "core/game/commandline.h"

#include <QString>

#include <cstdio>
#include <string>

namespace quorvex {

// What --help prints: how to start the game, the link form, and where this
// copy keeps its files and finds its help text.
std::string UsageText(const UsageFacts& facts);

// Answers Usage, Version and Wrong on `out` / `err` and returns the exit code
// (0, or 2 for a wrong command line); -1 for Play, which is the game's.
int AnswerCommandLine(const CommandLine& command, std::FILE* out, std::FILE* err);

// What a link that is not one gets, with %1 for the link: the message box's
// text, and the same on the error output when there is no display.
QString MalformedLinkSentence();
// That sentence for the error output: UTF-8, the link's bytes as they are.
std::string MalformedLinkLine(const std::string& link);

}  // namespace quorvex
