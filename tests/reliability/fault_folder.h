// Program folders that refuse writes, in ways that hold for root too: a small
// tmpfs that can be filled up or remounted read-only (root), an immutable
// folder (root without mounts), permission bits (other users), and a folder
// path that runs through a regular file.
#pragma once

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace reltest {

namespace fs = std::filesystem;

inline bool CanCreateIn(const std::string& folder) {
    const std::string probe = folder + "probe-" + std::to_string(::getpid());
    const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    ::close(fd);
    ::unlink(probe.c_str());
    return true;
}

inline void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// A folder inside `parent` (a test's TempDir). Fill it, then make it refuse
// writes; the destructor undoes whatever it did.
class FaultFolder {
public:
    explicit FaultFolder(const std::string& parent) : path_(parent + "program/") { fs::create_directory(path_); }
    ~FaultFolder() {
        std::error_code ec;
        fs::remove(filler_, ec);
        if (immutable_) SetImmutable(false);
        if (mounted_) ::umount2(path_.c_str(), MNT_DETACH);
        fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
    }
    FaultFolder(const FaultFolder&) = delete;
    FaultFolder& operator=(const FaultFolder&) = delete;

    const std::string& Path() const { return path_; }

    // Root only: puts a tmpfs of `bytes` over the folder. False when this
    // process may not mount.
    bool MountTmpfs(std::size_t bytes) {
        const std::string options = "size=" + std::to_string(bytes) + ",mode=0755";
        mounted_ = ::mount("tmpfs", path_.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, options.c_str()) == 0;
        return mounted_;
    }

    // After MountTmpfs: takes the space that is left, so the next file with
    // content finds the disk full. Returns false if it never became full.
    bool FillUp() {
        if (!mounted_) return false;  // never fill a real disk
        filler_ = path_ + "filler";
        const int fd = ::open(filler_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (fd < 0) return false;
        const std::string block(4096, 'f');
        bool full = false;
        for (int i = 0; i < 1 << 16 && !full; ++i) {
            const ssize_t n = ::write(fd, block.data(), block.size());
            full = n < 0 && errno == ENOSPC;
        }
        // The last partial page: single bytes until nothing more fits.
        for (int i = 0; i < 4096 && full; ++i)
            if (::write(fd, "f", 1) < 0) break;
        ::close(fd);
        return full;
    }
    // Frees the space FillUp took.
    void Drain() {
        std::error_code ec;
        fs::remove(filler_, ec);
    }

    // Makes the folder refuse new files, by the strongest means this process
    // has. Returns false when nothing worked (the caller skips).
    bool MakeReadOnly() {
        if (mounted_) {
            if (::mount(nullptr, path_.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0) return !CanCreateIn(path_);
        }
        if (::geteuid() == 0 && SetImmutable(true)) {
            immutable_ = true;
            return !CanCreateIn(path_);
        }
        fs::permissions(path_, fs::perms::owner_read | fs::perms::owner_exec);
        return !CanCreateIn(path_);
    }
    // Undoes MakeReadOnly (the mount stays).
    void MakeWritable() {
        if (mounted_) ::mount(nullptr, path_.c_str(), nullptr, MS_REMOUNT, nullptr);
        if (immutable_) immutable_ = !SetImmutable(false);
        std::error_code ec;
        fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
    }

    // The folder's file names, for checking that no temporary file is left.
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(path_))
            if (e.path().string() != filler_) names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    bool SetImmutable(bool on) {
        const int fd = ::open(path_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0) return false;
        int flags = 0;
        bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        if (ok) {
            flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
            ok = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        }
        ::close(fd);
        return ok;
    }

    std::string path_;
    std::string filler_;
    bool mounted_ = false;
    bool immutable_ = false;
};

// A program folder that cannot exist: its parent is a regular file.
inline std::string FolderUnderAFile(const std::string& parent) {
    WriteFile(parent + "not-a-folder", "x");
    return parent + "not-a-folder/program/";
}

}  // namespace reltest
