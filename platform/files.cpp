#include "platform/files.h"

#include "platform/installation.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <random>

namespace qx {

namespace {
std::string g_programFolder;
std::optional<std::size_t> g_writeFault;

std::string ErrnoText(int err) { return std::strerror(err); }

std::string WithSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
}
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

bool FileExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

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

std::string ReadFileBytes(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) throw FileError("Cannot open file \"" + path + "\". " + ErrnoText(errno));
    // Read errors count as failures too: a folder of that name, say, opens
    // but must not read as an empty file.
    std::string bytes;
    char buf[16384];
    for (;;) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n > 0) {
            bytes.append(buf, static_cast<std::size_t>(n));
        } else if (n == 0) {
            break;
        } else if (errno != EINTR) {
            const int err = errno;
            ::close(fd);
            throw FileError("Cannot read file \"" + path + "\". " + ErrnoText(err));
        }
    }
    ::close(fd);
    return bytes;
}

std::vector<std::string> ReadLines(const std::string& path) { return SplitLines(ReadFileBytes(path)); }

void WriteBytesAtomic(const std::string& path, std::string_view bytes) {
    static std::atomic<unsigned> counter{0};
    std::string tmp = path + ".tmp" + std::to_string(::getpid()) + "_" + std::to_string(counter++);
    int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) throw FileError("Cannot create file \"" + path + "\". " + ErrnoText(errno));

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
    if (err == 0 && ::rename(tmp.c_str(), path.c_str()) != 0) err = errno;
    if (err != 0) {
        ::unlink(tmp.c_str());
        throw FileError("Cannot write file \"" + path + "\". " + ErrnoText(err));
    }
}

void WriteLinesAtomic(const std::string& path, const std::vector<std::string>& lines) {
    std::string all;
    for (const auto& l : lines) {
        all += l;
        all += "\r\n";
    }
    WriteBytesAtomic(path, all);
}

bool RemoveFile(const std::string& path) { return ::unlink(path.c_str()) == 0; }

void MakeWritable(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) ::chmod(path.c_str(), st.st_mode | S_IWUSR);
}

void SetWriteFaultForTests(std::optional<std::size_t> bytes) { g_writeFault = bytes; }

}  // namespace qx
