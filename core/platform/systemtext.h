// The two kinds of text in the program, kept apart by type.
//
// A game text (what the game's files hold, what goes over the wire, what the
// labels filled from them show) is a plain std::string of Windows-1252 bytes.
// A SystemText is a text the operating system gives or takes: a path, or one
// of its error messages. It is in the encoding of the player's locale and is
// shown by decoding it with that encoding (qx::FromSystem).
//
// The two do not mix by accident: a SystemText is made from bytes only
// explicitly, and joins only with another SystemText or with the program's
// own texts, which are English and plain ASCII and so the same in both.
#pragma once

#include <stdexcept>
#include <string>
#include <utility>

namespace qx {

class SystemText {
public:
    SystemText() = default;
    explicit SystemText(std::string bytes) : bytes_(std::move(bytes)) {}

    const std::string& Bytes() const { return bytes_; }
    bool Empty() const { return bytes_.empty(); }

    SystemText& operator+=(const SystemText& more) {
        bytes_ += more.bytes_;
        return *this;
    }
    // The program's own texts (string literals and the constants that name them).
    SystemText& operator+=(const char* own) {
        bytes_ += own;
        return *this;
    }

    friend bool operator==(const SystemText&, const SystemText&) = default;

private:
    std::string bytes_;
};

inline SystemText operator+(SystemText a, const SystemText& b) { return a += b; }
inline SystemText operator+(SystemText a, const char* own) { return a += own; }
inline SystemText operator+(const char* own, const SystemText& b) { return SystemText(own) += b; }

// An error whose text comes from the system (it names a path or carries the
// system's message). what() gives the same bytes; the error report decodes
// Text() as a system text.
class SystemError : public std::runtime_error {
public:
    explicit SystemError(const SystemText& text) : std::runtime_error(text.Bytes()), text_(text) {}
    explicit SystemError(const char* own) : SystemError(SystemText(own)) {}
    const SystemText& Text() const { return text_; }

private:
    SystemText text_;
};

}  // namespace qx
