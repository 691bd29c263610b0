#include "ui/platform/ansi.h"

#include <clocale>
#include <cwchar>
#include <langinfo.h>

namespace qx {

namespace {
// Code points of bytes 0x80..0x9F; 0 where Windows-1252 leaves the byte unused
// (those map to the C1 control of the same value, as Windows does).
constexpr char16_t kHigh[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
}  // namespace

void AppendAnsi(QString& out, std::string_view bytes) {
    for (unsigned char b : bytes) {
        char16_t u = b;
        if (b >= 0x80 && b <= 0x9F && kHigh[b - 0x80] != 0) u = kHigh[b - 0x80];
        out.append(QChar(u));
    }
}

QString FromAnsi(const std::string& bytes) {
    QString out;
    out.reserve(static_cast<qsizetype>(bytes.size()));
    AppendAnsi(out, bytes);
    return out;
}

QString FromSystem(const SystemText& text) {
    const std::string& bytes = text.Bytes();
    const std::string codeset = ::nl_langinfo(CODESET);
    if (codeset == "UTF-8" || codeset == "ANSI_X3.4-1968") return QString::fromUtf8(bytes);
    QString out;
    std::mbstate_t state{};
    for (std::size_t i = 0; i < bytes.size();) {
        wchar_t wide = 0;
        std::size_t n = std::mbrtowc(&wide, bytes.data() + i, bytes.size() - i, &state);
        if (n == static_cast<std::size_t>(-1) || n == static_cast<std::size_t>(-2)) {
            out.append(QChar::ReplacementCharacter);
            state = std::mbstate_t{};
            ++i;
            continue;
        }
        const char32_t code = static_cast<char32_t>(wide);
        out.append(QString::fromUcs4(&code, 1));
        i += n == 0 ? 1 : n;
    }
    return out;
}

namespace {

// Characters that draw nothing, or nothing but blank room: format characters
// (zero-width ones, direction controls, tags), spaces other than the plain
// one (wide ones as U+3000), and letters and marks that are blank by design.
bool Invisible(char32_t u) {
    if (u == 0x20) return false;
    switch (QChar::category(u)) {
        case QChar::Other_Format:
        case QChar::Separator_Space:
        case QChar::Other_PrivateUse:
        case QChar::Other_NotAssigned:
            return true;
        default:
            break;
    }
    return u == 0x034F || u == 0x115F || u == 0x1160 || u == 0x17B4 || u == 0x17B5 || u == 0x2800 ||
           u == 0x3164 || u == 0xFFA0 || (u >= 0x180B && u <= 0x180F) || (u >= 0xFE00 && u <= 0xFE0F) ||
           (u >= 0xE0100 && u <= 0xE01EF);
}

}  // namespace

QString ShownText(const std::string& bytes) { return ShownUnicode(FromAnsi(bytes)); }

QString ShownUnicode(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t u = text.at(i).unicode();
        if (QChar::isHighSurrogate(u) && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            u = QChar::surrogateToUcs4(text.at(i).unicode(), text.at(i + 1).unicode());
            ++i;
        } else if (QChar::isSurrogate(u))
            u = QChar::ReplacementCharacter;
        if (u < 0x20 && u != U'\t')
            out.append(QChar(char16_t(0x2400 + u)));
        else if (u == 0x7F)
            out.append(QChar(char16_t(0x2421)));
        else if (u >= 0x80 && u <= 0x9F)
            out.append(QChar::ReplacementCharacter);
        else if (u == 0x2028 || u == 0x2029)
            out.append(QChar(char16_t(0x2424)));
        else if (Invisible(u))
            out += QStringLiteral("<U+%1>").arg(static_cast<uint>(u), 4, 16, QLatin1Char('0')).toUpper();
        else
            out.append(QString::fromUcs4(&u, 1));
    }
    return out;
}

std::string ToAnsi(const QString& text) {
    // One character in, one byte out: written through plain pointers, as a
    // log of long chat lines is converted whole each time it is read.
    std::string out(static_cast<std::size_t>(text.size()), '?');
    const QChar* in = text.constData();
    char* to = out.data();
    for (qsizetype n = 0; n < text.size(); ++n) {
        const char16_t u = in[n].unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            to[n] = static_cast<char>(u);
            continue;
        }
        for (int i = 0; i < 32; ++i) {
            if (kHigh[i] == u || (kHigh[i] == 0 && u == 0x80 + i)) {
                to[n] = static_cast<char>(0x80 + i);
                break;
            }
        }
    }
    return out;
}

}  // namespace qx
