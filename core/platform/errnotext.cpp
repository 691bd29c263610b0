#include "core/platform/errnotext.h"

#include "core/platform/language.h"

#include <cstring>
#include <locale.h>
#include <netdb.h>

namespace qx {

namespace {

// The C locale, for the causes while the windows speak English.
locale_t English() {
    static const locale_t english = ::newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    return english;
}

}  // namespace

SystemText ErrnoText(int err) {
    // The cause joins a sentence of the program's: in English while the
    // windows speak English, whatever the locale's messages are.
    if (ShownLanguage().empty() && English()) return SystemText(::strerror_l(err, English()));
    char buf[256];
    // GNU strerror_r returns the text, which may or may not live in buf.
    const char* text = ::strerror_r(err, buf, sizeof buf);
    return SystemText(text);
}

SystemText ResolverErrorText(int code) {
    // The resolver's texts come through gettext in the thread's locale: the C
    // locale for a moment keeps them English beside English windows (gettext
    // reads no LANGUAGE in the C locale).
    if (ShownLanguage().empty() && English()) {
        const locale_t was = ::uselocale(English());
        SystemText text(::gai_strerror(code));
        ::uselocale(was);
        return text;
    }
    return SystemText(::gai_strerror(code));
}

}  // namespace qx
