#include "core/net/avahilib.h"

#include <optional>

namespace quorvex {

namespace {

struct Loaded {
    std::optional<AvahiLibraries> table;
    std::string why;
};

Loaded Load() {
    Loaded out;
    AvahiLibraries table;
    bool ok = true;
    {
        qx::SharedLibrary library(QUORVEX_AVAHI_COMMON_SONAME);
        QX_AVAHI_COMMON_FUNCTIONS(QX_LIBRARY_BIND)
        if (!ok) out.why = library.Error();
    }
    if (ok) {
        qx::SharedLibrary library(QUORVEX_AVAHI_CLIENT_SONAME);
        QX_AVAHI_CLIENT_FUNCTIONS(QX_LIBRARY_BIND)
        if (!ok) out.why = library.Error();
    }
    if (ok) out.table = table;
    return out;
}

}  // namespace

const AvahiLibraries* LoadAvahiLibraries(std::string* why) {
    static const Loaded loaded = Load();
    if (why) *why = loaded.why;
    return loaded.table ? &*loaded.table : nullptr;
}

}  // namespace quorvex
