// The settings store: an INI-style text file kept as a list of lines in memory.
// Every write saves at once and releasing the store saves again; every failure
// is silent, as the settings never stop the game.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/platform/systemtext.h"

namespace quorvex {

// The largest settings file read. The game's own file is a few hundred bytes
// with any names; a larger one (a link to some other file, a runaway editor)
// would cost many times its size as a list of lines and freeze every commit.
// It reads as empty and is never replaced, and no save writes one.
inline constexpr std::size_t kLargestIniFile = 1024 * 1024;

inline constexpr char kLineBreakRefused[] = "A setting cannot hold a line break";

// A section, key or value holding CR or LF, which the file cannot keep on one
// line. Unlike a failed save, this reaches the caller: it is a fault of the
// caller, not of the disk.
class LineBreakError : public std::invalid_argument {
public:
    using std::invalid_argument::invalid_argument;
};

class TIniFile {
public:
    explicit TIniFile(std::string fileName);
    ~TIniFile();  // release: saves the file again
    TIniFile(const TIniFile&) = delete;
    TIniFile& operator=(const TIniFile&) = delete;

    std::string ReadString(const std::string& section, const std::string& ident, const std::string& defaultValue) const;
    // Throws LineBreakError, changing nothing, when any of the three holds CR or LF.
    void WriteString(const std::string& section, const std::string& ident, const std::string& value);
    void UpdateFile();

    // Whether the last save failed. The store itself never reports it; a caller
    // that must tell the player can ask.
    bool LastSaveFailed() const { return lastSaveFailed_; }
    // Which file and why, when the last save failed.
    const qx::SystemText& LastSaveError() const { return lastSaveError_; }
    const std::vector<std::string>& Lines() const { return lines_; }

private:
    bool clearAttributes_ = true;
    std::string fileName_;
    std::vector<std::string> lines_;
    bool lastSaveFailed_ = false;
    qx::SystemText lastSaveError_;
    // Set when the file exists but could not be read: until something is
    // written, saving would replace the player's settings with an empty list.
    bool keepFile_ = false;
    // Set when the file was refused for its size: kept even when written to.
    bool tooLarge_ = false;
    qx::SystemText tooLargeError_;
};

}  // namespace quorvex
