// Which folder a copy keeps its files in: beside the executable, or the
// player's own data folder for an installed copy.
#include "core/platform/errnotext.h"
#include "core/platform/files.h"
#include "core/platform/installation.h"
#include "core/platform/language.h"
#include "support/tempdir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Sets an environment variable for one test and puts the old value back.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value)
            ::setenv(name, value, 1);
        else
            ::unsetenv(name);
    }
    ~ScopedEnv() {
        if (old_)
            ::setenv(name_, old_->c_str(), 1);
        else
            ::unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

// A prefix laid out as the install step lays it out: the executable's folder,
// and the data folder with or without the marker.
struct FakeInstall {
    qxtest::TempDir root;
    std::string bin = root.Folder() + "prefix/bin/";
    FakeInstall() {
        fs::create_directories(bin);
        fs::create_directories(fs::path(qx::InstalledDataFolderFrom(bin)).lexically_normal());
    }
    std::string Marker() const { return qx::InstalledDataFolderFrom(bin) + qx::kInstallMarkerName; }
    void WriteMarker() const { std::ofstream(Marker()) << "installed\n"; }
};

TEST(Installation, OnlyTheInstallMarkerMakesACopyInstalled) {
    FakeInstall install;
    ScopedEnv xdg("XDG_DATA_HOME", (install.root.Folder() + "data").c_str());

    // A build or unpacked copy: files beside the executable, help by bare name.
    EXPECT_FALSE(qx::IsInstalledCopy(install.bin));
    EXPECT_EQ(qx::ProgramFolderFor(install.bin), install.bin);

    // Something else of that name is no marker.
    fs::create_directory(install.Marker());
    EXPECT_FALSE(qx::IsInstalledCopy(install.bin));
    fs::remove(install.Marker());

    install.WriteMarker();
    EXPECT_TRUE(qx::IsInstalledCopy(install.bin));
    EXPECT_EQ(qx::ProgramFolderFor(install.bin), install.root.Folder() + "data/quorvex/");
    // The executable path given without its trailing slash means the same.
    EXPECT_TRUE(qx::IsInstalledCopy(install.bin.substr(0, install.bin.size() - 1) + "/"));
}

// Changes the working folder for one test.
class ScopedWorkingFolder {
public:
    explicit ScopedWorkingFolder(const std::string& folder) : old_(fs::current_path()) { fs::current_path(folder); }
    ~ScopedWorkingFolder() { fs::current_path(old_); }

private:
    fs::path old_;
};

TEST(Installation, HelpComesFromTheWorkingFolderFirstThenFromTheInstall) {
    FakeInstall install;
    qxtest::TempDir elsewhere;
    ScopedWorkingFolder cwd(elsewhere.Folder());

    // Not installed: the bare name, found or reported missing as always.
    EXPECT_EQ(qx::HelpFileFor(install.bin), "help.txt");

    // Installed and started in a folder without help: the installed text.
    install.WriteMarker();
    const fs::path installed = qx::HelpFileFor(install.bin);
    EXPECT_EQ(installed.filename(), "help.txt");
    EXPECT_EQ(fs::weakly_canonical(installed.parent_path()),
              fs::weakly_canonical(fs::path(install.Marker()).parent_path()));

    // The windows' language picks the translated text beside it (UTF-8);
    // a language without one, and English, keep the English text.
    const fs::path data = fs::path(install.Marker()).parent_path();
    std::ofstream(data / "help_de.txt") << "Hilfe\n";
    const struct {
        const char* language;
        const char* file;
        bool utf8;
    } languages[] = {{"de", "help_de.txt", true}, {"fr", "help.txt", false}, {"", "help.txt", false}};
    for (const auto& l : languages) {
        qx::SetShownLanguage(l.language);
        const qx::HelpText chosen = qx::ChosenHelpText(install.bin);
        EXPECT_EQ(fs::path(chosen.file).filename(), l.file) << l.language;
        EXPECT_EQ(chosen.utf8, l.utf8) << l.language;
    }

    // A help.txt in the working folder still wins, even one that cannot be
    // read (the viewer reports that), and so does a folder of that name.
    qx::SetShownLanguage("de");
    fs::create_directory(elsewhere.File("help.txt"));
    EXPECT_EQ(qx::HelpFileFor(install.bin), "help.txt");
    qx::SetShownLanguage("");
}

TEST(Installation, PlayersFolderFollowsTheBaseDirectoryRules) {
    qxtest::TempDir home;
    ScopedEnv homeVar("HOME", home.Folder().c_str());
    {
        ScopedEnv xdg("XDG_DATA_HOME", "/srv/games data");
        EXPECT_EQ(qx::UserDataFolder(), "/srv/games data/quorvex/");
    }
    const std::string fallback = home.Folder() + ".local/share/quorvex/";
    for (const char* ignored : {static_cast<const char*>(nullptr), "", "relative/data"}) {
        ScopedEnv xdg("XDG_DATA_HOME", ignored);
        EXPECT_EQ(qx::UserDataFolder(), fallback) << (ignored ? ignored : "(unset)");
    }
}

TEST(Installation, FirstStartCreatesThePlayersFolderPrivately) {
    qxtest::TempDir home;
    const std::string folder = home.Folder() + ".local/share/quorvex/";
    qx::SetProgramFolder(folder);
    EXPECT_EQ(qx::PrepareProgramFolder(), std::nullopt);
    struct stat st {};
    ASSERT_EQ(::stat(folder.c_str(), &st), 0);
    EXPECT_TRUE(S_ISDIR(st.st_mode));
    EXPECT_EQ(st.st_mode & 0077, 0u) << "other users must not read a player's files";
    // A second start finds it there.
    EXPECT_EQ(qx::PrepareProgramFolder(), std::nullopt);
}

TEST(Installation, AFolderThatCannotBeCreatedIsReportedWithItsReason) {
    qxtest::TempDir home;
    std::ofstream(home.File("blocker")) << "a file where a folder belongs\n";
    qx::SetProgramFolder(home.File("blocker") + "/quorvex");
    const auto why = qx::PrepareProgramFolder();
    ASSERT_TRUE(why.has_value());
    EXPECT_NE(why->Bytes().find("Cannot create folder \"" + home.File("blocker") + "/quorvex\""), std::string::npos) << why->Bytes();
    EXPECT_NE(why->Bytes().find("Not a directory"), std::string::npos) << why->Bytes();
}

}  // namespace

// The reasons in the error reports come from one helper that the connection
// threads use too: the same texts, whichever thread asks.
TEST(Installation, SystemErrorTextsAreTheSameOnEveryThread) {
    std::vector<std::string> seen(4);
    std::vector<std::thread> threads;
    for (std::size_t t = 0; t < seen.size(); ++t)
        threads.emplace_back([&seen, t] {
            const int err = t % 2 == 0 ? ENOENT : EACCES;
            std::string text;
            for (int i = 0; i < 200; ++i) text = qx::ErrnoText(err).Bytes();
            seen[t] = text;
        });
    for (auto& t : threads) t.join();
    EXPECT_EQ(seen[0], "No such file or directory");
    EXPECT_EQ(seen[1], "Permission denied");
    EXPECT_EQ(seen[2], seen[0]);
    EXPECT_EQ(seen[3], seen[1]);
    EXPECT_EQ(qx::ErrnoText(99999).Bytes(), "Unknown error 99999");
}
