#include "core/platform/exists.h"

#include <cerrno>
#include <sys/stat.h>

namespace qx {

bool FileExists(const std::string& path) {
    // Anything of that name counts, so that a folder, a FIFO or a loop of
    // links where a file belongs reads as a file that cannot be read, not as a
    // missing one. Only a name that leads nowhere is missing: a dangling link
    // too, whose target a write then creates.
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) return true;
    return errno != ENOENT && errno != ENOTDIR;
}

}  // namespace qx
