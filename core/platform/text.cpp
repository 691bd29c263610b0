#include "core/platform/text.h"

#include <charconv>
#include <limits>
#include <stdexcept>

namespace qx {

std::string Trim(std::string_view s) {
    std::size_t b = 0, e = s.size();
    while (b < e && static_cast<unsigned char>(s[b]) <= 32) ++b;
    while (e > b && static_cast<unsigned char>(s[e - 1]) <= 32) --e;
    return std::string(s.substr(b, e - b));
}

std::string UpperAscii(std::string_view s) {
    std::string r(s);
    for (char& c : r)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return r;
}

std::vector<std::string> BreakLongLines(const std::vector<std::string>& lines, std::size_t width) {
    if (width == 0) return lines;
    std::vector<std::string> out;
    out.reserve(lines.size());
    for (const std::string& line : lines) {
        std::string_view rest = line;
        while (rest.size() > width) {
            std::size_t cut = rest.substr(0, width).find_last_of(' ');
            cut = cut == std::string_view::npos ? width : cut + 1;
            out.emplace_back(rest.substr(0, cut));
            rest.remove_prefix(cut);
        }
        out.emplace_back(rest);
    }
    return out;
}

std::int64_t ParseInt64(const std::string& s) {
    std::string_view v = s;
    bool neg = false;
    if (!v.empty() && (v[0] == '-' || v[0] == '+')) {
        neg = v[0] == '-';
        v.remove_prefix(1);
    }
    bool ok = !v.empty();
    for (char c : v) ok = ok && c >= '0' && c <= '9';
    std::uint64_t mag = 0;
    if (ok) {
        auto r = std::from_chars(v.data(), v.data() + v.size(), mag);
        ok = r.ec == std::errc() && r.ptr == v.data() + v.size();
    }
    const std::uint64_t limit = neg ? std::uint64_t(std::numeric_limits<std::int64_t>::max()) + 1
                                    : std::uint64_t(std::numeric_limits<std::int64_t>::max());
    if (!ok || mag > limit) throw std::runtime_error("'" + s + "' is not a valid integer value");
    if (neg) return mag == limit ? std::numeric_limits<std::int64_t>::min() : -static_cast<std::int64_t>(mag);
    return static_cast<std::int64_t>(mag);
}

std::int32_t ParseInt32(const std::string& s) {
    std::int64_t v = ParseInt64(s);
    if (v < std::numeric_limits<std::int32_t>::min() || v > std::numeric_limits<std::int32_t>::max())
        throw std::runtime_error("'" + s + "' is not a valid integer value");
    return static_cast<std::int32_t>(v);
}

std::string ErrorReportText(std::string text) {
    if (!text.empty() && static_cast<unsigned char>(text.back()) > static_cast<unsigned char>('.')) text += '.';
    return text;
}

}  // namespace qx
