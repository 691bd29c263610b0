#include "core/settings/MyIniFiles.h"

#include "core/platform/files.h"
#include "core/platform/text.h"

namespace quorvex {

namespace {
bool IsHeader(const std::string& trimmed) { return !trimmed.empty() && trimmed[0] == '['; }

// Text between "[" and the first "]", trimmed; empty when there is no "]".
std::string SectionName(const std::string& trimmed) {
    const auto close = trimmed.find(']');
    if (close == std::string::npos) return "";
    return qx::Trim(std::string_view(trimmed).substr(1, close - 1));
}

std::string KeyOf(const std::string& trimmed) {
    const auto eq = trimmed.find('=');
    if (eq == std::string::npos) return "";
    return qx::Trim(std::string_view(trimmed).substr(0, eq));
}

bool SameName(const std::string& a, const std::string& b) { return qx::UpperAscii(a) == qx::UpperAscii(b); }
}  // namespace

TIniFile::TIniFile(std::string fileName) : fileName_(std::move(fileName)) {
    try {
        lines_ = qx::ReadLines(fileName_, kLargestIniFile);
    } catch (const qx::FileTooLargeError& e) {
        lines_.clear();
        keepFile_ = true;
        tooLarge_ = true;
        tooLargeError_ = e.Text();
    } catch (...) {
        lines_.clear();
        keepFile_ = qx::FileExists(fileName_);
    }
}

TIniFile::~TIniFile() { UpdateFile(); }

std::string TIniFile::ReadString(const std::string& section, const std::string& ident,
                                 const std::string& defaultValue) const {
    if (lines_.empty()) return defaultValue;
    bool inSection = false;
    for (const std::string& line : lines_) {
        const std::string t = qx::Trim(line);
        if (t.empty()) continue;
        if (IsHeader(t)) {
            inSection = SameName(SectionName(t), section);
        } else if (inSection && SameName(KeyOf(t), ident)) {
            const auto eq = t.find('=');
            if (eq == std::string::npos) return t;
            return qx::Trim(std::string_view(t).substr(eq + 1));
        }
    }
    return defaultValue;
}

void TIniFile::WriteString(const std::string& section, const std::string& ident, const std::string& value) {
    // A line break would end the entry early and start a line of its own
    // choosing (a header, another key): refused before anything changes.
    for (const std::string* part : {&section, &ident, &value})
        if (part->find_first_of("\r\n") != std::string::npos) throw LineBreakError(kLineBreakRefused);
    const std::string entry = ident + "=" + value;
    bool inSection = false;
    bool done = false;
    for (std::size_t i = 0; i < lines_.size() && !done; ++i) {
        const std::string t = qx::Trim(lines_[i]);
        if (t.empty()) continue;
        if (IsHeader(t)) {
            const bool same = SameName(SectionName(t), section);
            if (!same && inSection) {
                // Directly before this header, so blank lines before it stay above the entry.
                lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(i), entry);
                done = true;
            } else if (same) {
                inSection = true;
            }
        } else if (inSection && SameName(KeyOf(t), ident)) {
            lines_[i] = KeyOf(t) + "=" + value;
            done = true;
        }
    }
    if (!done) {
        if (!inSection) {
            // Appended piecewise: GCC 12 warns falsely (-Wrestrict) on "[" + temporary.
            std::string header = "[";
            header.append(qx::Trim(section)).append("]");
            lines_.push_back(std::move(header));
        }
        lines_.push_back(entry);
    }
    // The caller chose to replace what could not be read; a file too large
    // is no settings file the game wrote, and stays.
    if (!tooLarge_) keepFile_ = false;
    UpdateFile();
}

void TIniFile::UpdateFile() {
    if (keepFile_) {
        // Told to a caller that asks, as the settings the player changed will not come back.
        if (tooLarge_) {
            lastSaveFailed_ = true;
            lastSaveError_ = tooLargeError_;
        }
        return;
    }
    std::size_t size = 0;
    for (const std::string& line : lines_) size += line.size() + 2;
    if (size > kLargestIniFile) {
        // Never written larger than it would be read again.
        lastSaveFailed_ = true;
        lastSaveError_ = "Cannot write file \"" + qx::SystemText(fileName_) + "\". It would be larger than 1 MB";
        return;
    }
    if (clearAttributes_) qx::MakeWritable(fileName_);
    try {
        qx::WriteLinesAtomic(fileName_, lines_, qx::WriteProtection::Override);
        lastSaveFailed_ = false;
        lastSaveError_ = {};
    } catch (const qx::SystemError& e) {
        // Silent by design; the old file is untouched as the write is atomic.
        lastSaveFailed_ = true;
        lastSaveError_ = e.Text();
    } catch (...) {
        lastSaveFailed_ = true;
        lastSaveError_ = qx::SystemText("Cannot write file \"" + fileName_ + "\"");
    }
}

}  // namespace quorvex
