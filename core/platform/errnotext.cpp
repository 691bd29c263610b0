#include "core/platform/errnotext.h"

#include "core/platform/language.h"

#include <cstring>
#include <locale.h>

namespace qx {

SystemText ErrnoText(int err) {
    // The cause joins a sentence of the program's: in English while the
    // windows speak English, whatever the locale's messages are.
    if (ShownLanguage().empty()) {
        static const locale_t english = ::newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
        if (english) return SystemText(::strerror_l(err, english));
    }
    char buf[256];
    // GNU strerror_r returns the text, which may or may not live in buf.
    const char* text = ::strerror_r(err, buf, sizeof buf);
    return SystemText(text);
}

}  // namespace qx
