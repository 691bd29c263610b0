#include "core/platform/errnotext.h"

#include <cstring>

namespace qx {

SystemText ErrnoText(int err) {
    char buf[256];
    // GNU strerror_r returns the text, which may or may not live in buf.
    const char* text = ::strerror_r(err, buf, sizeof buf);
    return SystemText(text);
}

}  // namespace qx
