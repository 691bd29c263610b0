// A temporary folder for a test, removed with everything in it afterwards.
#pragma once

#include <filesystem>
#include <string>
#include <cstdlib>

namespace qxtest {

class TempDir {
public:
    // In parent, the system's temporary folder by default.
    explicit TempDir(std::filesystem::path parent = std::filesystem::temp_directory_path()) {
        std::string templ = (parent / "quorvex-test-XXXXXX").string();
        path_ = ::mkdtemp(templ.data()) ? templ : std::string();
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    // With a trailing '/'.
    std::string Folder() const { return path_ + "/"; }
    std::string File(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

}  // namespace qxtest
