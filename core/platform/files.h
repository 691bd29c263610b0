// File access as the game needs it: whole files as lists of 8-bit lines,
// written with CR LF and replaced atomically, in the program folder.
#pragma once

#include <cstddef>
#include <optional>
#include "core/platform/exists.h"
#include "core/platform/systemtext.h"
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace qx {

// A file that could not be read, written or replaced. The text is meant for
// the player (shown by the general error report); it names the path, so it is
// a system text.
class FileError : public SystemError {
public:
    using SystemError::SystemError;
};

// A file refused for holding more than a reader's limit.
class FileTooLargeError : public FileError {
public:
    using FileError::FileError;
};

// Folder of the running executable, with its trailing '/'.
std::string ExecutableFolder();

// The program folder: fixed once at start-up, settable by tests so they never
// write beside the build. The executable's folder, or the player's own data
// folder for an installed copy (core/platform/installation.h).
const std::string& ProgramFolder();
void SetProgramFolder(std::string folder);  // appends '/' when missing
// Creates the program folder when it is missing (an installed copy's first
// start). Returns the reason for the player when it cannot.
std::optional<SystemText> PrepareProgramFolder();

// Splits text into lines; a line ends at CR LF, LF or CR. A final line without
// terminator counts; an empty text gives no lines.
std::vector<std::string> SplitLines(std::string_view text);

// Reads a whole file as bytes / lines. Throws FileError when it cannot be read
// or is not a regular file (a FIFO, a device, a folder), or when it holds
// more than `limit` bytes (FileTooLargeError, refused before it is read);
// nothing blocks.
inline constexpr std::size_t kNoLimit = static_cast<std::size_t>(-1);
std::string ReadFileBytes(const std::string& path, std::size_t limit = kNoLimit);
std::vector<std::string> ReadLines(const std::string& path, std::size_t limit = kNoLimit);

// Writes every line followed by CR LF to a temporary file in the same folder
// and renames it over `path`, so a failure never leaves half a file behind;
// the folder is flushed after the rename. A replaced file keeps its owner,
// group and permission bits (a new one gets the umask's mode); a symbolic
// link is written through, its target replaced in the target's folder.
// Refuses a file that is not regular or that the running user may not write.
// Throws FileError (the old file is untouched then).
// With Override the file's own protection is not looked at: the settings
// store clears it before each save and replaces the file even where that
// fails, as long as the folder allows it; the replacement then also gives
// its owner read and write permission.
enum class WriteProtection { Honour, Override };
void WriteLinesAtomic(const std::string& path, const std::vector<std::string>& lines,
                      WriteProtection protection = WriteProtection::Honour);
void WriteBytesAtomic(const std::string& path, std::string_view bytes,
                      WriteProtection protection = WriteProtection::Honour);

// Removes a file; false when it did not exist, is write-protected for the
// running user, or could not be removed.
bool RemoveFile(const std::string& path);

// Gives the owner read and write permission on an existing file (a plain
// file again, as clearing its protection means); failures are ignored.
void MakeWritable(const std::string& path);

// Removes the temporary files that a killed write of one of `paths` left
// beside it (or beside the file a link names), only where the process that
// made them is gone. Returns how many went.
int RemoveStaleTemporaries(const std::vector<std::string>& paths);

// Test hook: the next atomic writes fail as if the disk became full after
// `bytes` bytes of the new content had been written. nullopt switches it off.
void SetWriteFaultForTests(std::optional<std::size_t> bytes);

}  // namespace qx
