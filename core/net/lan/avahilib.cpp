#include "core/net/lan/avahilib.h"

namespace quorvex {

const AvahiLibraries* LoadAvahiLibraries(std::string* why) {
    static const qx::LibraryTable<AvahiLibraries> loaded{
        QX_LIBRARY_PART(QUORVEX_AVAHI_COMMON_SONAME, AvahiLibraries, QX_AVAHI_COMMON_FUNCTIONS),
        QX_LIBRARY_PART(QUORVEX_AVAHI_CLIENT_SONAME, AvahiLibraries, QX_AVAHI_CLIENT_FUNCTIONS)};
    return loaded.Get(why);
}

}  // namespace quorvex
