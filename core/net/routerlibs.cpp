#include "core/net/routerlibs.h"

#include <optional>

namespace quorvex {

namespace {

struct Loaded {
    std::optional<RouterLibraries> table;
    std::string why;
};

Loaded Load() {
    Loaded out;
    RouterLibraries table;
    bool ok = true;
    {
        qx::SharedLibrary library(QUORVEX_MINIUPNPC_SONAME);
        QX_MINIUPNPC_FUNCTIONS(QX_LIBRARY_BIND)
        if (!ok) out.why = library.Error();
    }
    if (ok) {
        qx::SharedLibrary library(QUORVEX_NATPMP_SONAME);
        QX_NATPMP_FUNCTIONS(QX_LIBRARY_BIND)
        if (!ok) out.why = library.Error();
    }
    if (ok) out.table = table;
    return out;
}

}  // namespace

const RouterLibraries* LoadRouterLibraries(std::string* why) {
    static const Loaded loaded = Load();
    if (why) *why = loaded.why;
    return loaded.table ? &*loaded.table : nullptr;
}

}  // namespace quorvex
