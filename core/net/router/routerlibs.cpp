#include "core/net/router/routerlibs.h"

namespace quorvex {

const RouterLibraries* LoadRouterLibraries(std::string* why) {
    static const qx::LibraryTable<RouterLibraries> loaded{
        QX_LIBRARY_PART(QUORVEX_MINIUPNPC_SONAME, RouterLibraries, QX_MINIUPNPC_FUNCTIONS),
        QX_LIBRARY_PART(QUORVEX_NATPMP_SONAME, RouterLibraries, QX_NATPMP_FUNCTIONS)};
    return loaded.Get(why);
}

}  // namespace quorvex
