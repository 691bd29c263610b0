// The system's text for an errno value, safe to call from any thread (the
// connection threads report socket errors while the windows report file ones).
#pragma once

#include "core/platform/systemtext.h"

namespace qx {

// "No such file or directory" for ENOENT; "Unknown error N" for a value the
// system does not know. In English unless the windows show another language
// (qx::ShownLanguage), then in the locale's language like the windows.
SystemText ErrnoText(int err);
// The same for a code of getaddrinfo ("Name or service not known").
SystemText ResolverErrorText(int code);

}  // namespace qx
