#include "core/platform/files.h"

#include "core/platform/errnotext.h"
#include "core/platform/installation.h"

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cstdint>
#include <random>

namespace qx {

namespace {
std::string g_programFolder;
std::optional<std::size_t> g_writeFault;

std::string WithSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
}

constexpr char kNotRegular[] = "It is not a regular file";
constexpr char kTemporaryMark[] = ".tmp";

// The folder part of a path with its '/', "./" for a bare name.
std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string("./") : path.substr(0, slash + 1);
}

std::string TemporaryName(const std::string& target, long pid, unsigned n) {
    return target + kTemporaryMark + std::to_string(pid) + "_" + std::to_string(n);
}

// The owner and group where this process may set them (root, or a group the
// user belongs to), then the permission bits. Bits that would go to another
// group than the old file's are dropped, so no one gains access; `add` joins
// the bits kept.
void KeepOwnerAndMode(int fd, const struct stat& old, mode_t add) {
    // Whether either worked shows in the checks below, which drop what would leak.
    [[maybe_unused]] const bool owned =
        ::fchown(fd, old.st_uid, old.st_gid) == 0 || ::fchown(fd, static_cast<uid_t>(-1), old.st_gid) == 0;
    mode_t mode = (old.st_mode & 07777) | add;
    struct stat now {};
    if (::fstat(fd, &now) == 0 && now.st_gid != old.st_gid) mode &= ~static_cast<mode_t>(S_IRWXG | S_ISGID);
    if (::fstat(fd, &now) == 0 && now.st_uid != old.st_uid) mode &= ~static_cast<mode_t>(S_ISUID);
    (void)::fchmod(fd, mode);
}

void SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    // The file is in place whatever this says; some file systems cannot sync a folder.
    (void)::fsync(fd);
    ::close(fd);
}

// "<name>.tmp<pid>_<n>": the pid, or -1 when `entry` is not a temporary of `name`.
long TemporaryOwner(const std::string& entry, const std::string& name) {
    const std::string head = name + kTemporaryMark;
    if (entry.size() <= head.size() || entry.compare(0, head.size(), head) != 0) return -1;
    const std::string_view rest = std::string_view(entry).substr(head.size());
    const auto underscore = rest.find('_');
    if (underscore == 0 || underscore == std::string_view::npos || underscore + 1 == rest.size()) return -1;
    long pid = 0;
    for (std::size_t i = 0; i < rest.size(); ++i) {
        const char c = rest[i];
        if (i == underscore) continue;
        if (c < '0' || c > '9') return -1;
        if (i < underscore) {
            if (pid > 99999999) return -1;
            pid = pid * 10 + (c - '0');
        }
    }
    return pid;
}

SystemText TooLargeText(std::size_t limit) {
    constexpr std::size_t kMB = 1024 * 1024;
    return SystemText(limit % kMB == 0 ? "It is larger than " + std::to_string(limit / kMB) + " MB"
                                       : "It is larger than " + std::to_string(limit) + " bytes");
}

bool ProcessGone(long pid) { return pid <= 0 ? false : ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH; }
}  // namespace

std::string ExecutableFolder() {
    char buf[PATH_MAX];
    ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return "./";
    std::string path(buf, static_cast<std::size_t>(n));
    auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string("./") : path.substr(0, slash + 1);
}

const std::string& ProgramFolder() {
    if (g_programFolder.empty()) g_programFolder = ProgramFolderFor(ExecutableFolder());
    return g_programFolder;
}

void SetProgramFolder(std::string folder) { g_programFolder = WithSlash(std::move(folder)); }

std::optional<SystemText> PrepareProgramFolder() { return CreateFolder(ProgramFolder()); }

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.emplace_back(text.substr(start, i - start));
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            start = i + 1;
        }
    }
    if (start < text.size()) lines.emplace_back(text.substr(start));
    return lines;
}

std::string ReadFileBytes(const std::string& path, std::size_t limit) {
    // Only regular files are read: a FIFO would block the open, a device
    // might never end. Checked before the open, which does not wait either,
    // and again on what was opened.
    struct stat st {};
    const SystemText name(path);
    if (::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode))
        throw FileError("Cannot read file \"" + name + "\". " + kNotRegular);
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) throw FileError("Cannot open file \"" + name + "\". " + ErrnoText(errno));
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        throw FileError("Cannot read file \"" + name + "\". " + kNotRegular);
    }
    auto tooLarge = [&] {
        ::close(fd);
        throw FileTooLargeError("Cannot read file \"" + name + "\". " + TooLargeText(limit));
    };
    if (static_cast<std::uint64_t>(st.st_size) > limit) tooLarge();
    std::string bytes;
    char buf[16384];
    for (;;) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n > 0) {
            bytes.append(buf, static_cast<std::size_t>(n));
            if (bytes.size() > limit) tooLarge();  // it grew while being read
        } else if (n == 0) {
            break;
        } else if (errno != EINTR) {
            const int err = errno;
            ::close(fd);
            throw FileError("Cannot read file \"" + name + "\". " + ErrnoText(err));
        }
    }
    ::close(fd);
    return bytes;
}

std::vector<std::string> ReadLines(const std::string& path, std::size_t limit) {
    return SplitLines(ReadFileBytes(path, limit));
}

namespace {
// The file a chain of symbolic links ends at (which need not exist yet).
std::string ResolveLinks(const std::string& path) {
    std::string current = path;
    // As many hops as the kernel allows; a loop ends in ELOOP at the open.
    for (int hop = 0; hop < 40; ++hop) {
        struct stat st {};
        if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return current;
        std::string target(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : PATH_MAX) + 1, '\0');
        const ssize_t n = ::readlink(current.c_str(), target.data(), target.size());
        if (n <= 0 || static_cast<std::size_t>(n) >= target.size()) return current;
        target.resize(static_cast<std::size_t>(n));
        if (target[0] != '/') target = FolderOf(current) + target;
        current = std::move(target);
    }
    return current;
}
}  // namespace

void WriteBytesAtomic(const std::string& path, std::string_view bytes, WriteProtection protection) {
    // A link is written through: the file it names is replaced, in its own
    // folder, and the link stays.
    const std::string target = ResolveLinks(path);
    const SystemText name(path);
    auto fail = [&name](const SystemText& why) { throw FileError("Cannot write file \"" + name + "\". " + why); };

    struct stat old {};
    const bool replacing = ::stat(target.c_str(), &old) == 0;
    // Something is there that cannot be looked at (a loop of links): it is
    // not ours to replace.
    if (!replacing && FileExists(target)) fail(ErrnoText(errno));
    if (replacing) {
        if (!S_ISREG(old.st_mode)) fail(SystemText(kNotRegular));
        // The rename needs only the folder's permission; the file's own
        // protection counts too, for the user the program runs as.
        if (protection == WriteProtection::Honour && ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0)
            fail(ErrnoText(errno));
    }

    static std::atomic<unsigned> counter{0};
    const std::string tmp = TemporaryName(target, static_cast<long>(::getpid()), counter++);
    // A new file gets the usual mode from the umask; a replacement the old one's.
    const int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) throw FileError("Cannot create file \"" + name + "\". " + ErrnoText(errno));
    // Overriding the protection leaves the owner a file to read and write
    // again, even where clearing it on the old file failed (another owner's).
    if (replacing)
        KeepOwnerAndMode(fd, old, protection == WriteProtection::Override ? S_IRUSR | S_IWUSR : mode_t{0});

    std::size_t limit = bytes.size();
    bool injected = false;
    if (g_writeFault && *g_writeFault < limit) {
        limit = *g_writeFault;
        injected = true;
    }
    std::size_t done = 0;
    int err = 0;
    while (done < limit) {
        ssize_t n = ::write(fd, bytes.data() + done, limit - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            err = errno;
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    if (injected && err == 0) err = ENOSPC;
    if (err == 0 && ::fsync(fd) != 0) err = errno;
    if (::close(fd) != 0 && err == 0) err = errno;
    if (err == 0 && ::rename(tmp.c_str(), target.c_str()) != 0) err = errno;
    if (err != 0) {
        ::unlink(tmp.c_str());
        fail(ErrnoText(err));
    }
    // The rename lives in the folder: flushed too, or a power loss may undo it.
    SyncFolder(FolderOf(target));
}

void WriteLinesAtomic(const std::string& path, const std::vector<std::string>& lines, WriteProtection protection) {
    std::string all;
    for (const auto& l : lines) {
        all += l;
        all += "\r\n";
    }
    WriteBytesAtomic(path, all, protection);
}

bool RemoveFile(const std::string& path) {
    // Unlinking needs only the folder's permission; a file protected against
    // the user stays, as it would on a medium that honours the protection.
    if (::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0) return false;
    return ::unlink(path.c_str()) == 0;
}

void MakeWritable(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) ::chmod(path.c_str(), st.st_mode | S_IRUSR | S_IWUSR);
}

int RemoveStaleTemporaries(const std::vector<std::string>& paths) {
    int removed = 0;
    for (const std::string& path : paths) {
        const std::string target = ResolveLinks(path);
        const std::string folder = FolderOf(target);
        const auto slash = target.rfind('/');
        const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
        DIR* dir = ::opendir(folder.c_str());
        if (!dir) continue;
        std::vector<std::string> stale;
        while (const dirent* e = ::readdir(dir)) {
            const long pid = TemporaryOwner(e->d_name, name);
            // Another instance may be writing right now: only a dead writer's file goes.
            if (pid > 0 && pid != static_cast<long>(::getpid()) && ProcessGone(pid)) stale.emplace_back(e->d_name);
        }
        ::closedir(dir);
        for (const std::string& entry : stale) {
            const std::string full = folder + entry;
            struct stat st {};
            if (::lstat(full.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::unlink(full.c_str()) == 0) ++removed;
        }
    }
    return removed;
}

void SetWriteFaultForTests(std::optional<std::size_t> bytes) { g_writeFault = bytes; }

}  // namespace qx
