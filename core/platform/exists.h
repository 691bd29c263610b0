// The one rule for "is there a file": anything of that name counts, so that
// whatever stands there unreadable is reported as unreadable, not as missing.
#pragma once

#include <string>

namespace qx {

// Whether anything of that name exists: a file, but also a folder, a FIFO or
// a loop of symbolic links, which then fail as unreadable files (and are
// never replaced). A dangling link counts as missing.
bool FileExists(const std::string& path);

}  // namespace qx
