// Games on the local network go through the system's Avahi daemon, by its
// client libraries; they are loaded when a network window first needs them,
// never at start-up.
#pragma once

#include <avahi-client/client.h>
#include <avahi-client/lookup.h>
#include <avahi-client/publish.h>
#include <avahi-common/address.h>
#include <avahi-common/alternative.h>
#include <avahi-common/malloc.h>
#include <avahi-common/simple-watch.h>
#include <avahi-common/timeval.h>

#include <string>

#include "core/platform/sharedlib.h"

namespace quorvex {

#define QX_AVAHI_COMMON_FUNCTIONS(X)                                                                                \
    X(avahi_simple_poll_new) X(avahi_simple_poll_get) X(avahi_simple_poll_iterate) X(avahi_simple_poll_free)        \
        X(avahi_elapse_time) X(avahi_alternative_service_name) X(avahi_free) X(avahi_address_snprint)
#define QX_AVAHI_CLIENT_FUNCTIONS(X)                                                                                \
    X(avahi_client_new) X(avahi_client_free) X(avahi_entry_group_new) X(avahi_entry_group_is_empty)                 \
        X(avahi_entry_group_add_service) X(avahi_entry_group_commit) X(avahi_entry_group_reset)                     \
            X(avahi_entry_group_get_client) X(avahi_service_browser_new) X(avahi_service_browser_get_client)        \
                X(avahi_service_resolver_new) X(avahi_service_resolver_free)

struct AvahiLibraries {
    QX_AVAHI_COMMON_FUNCTIONS(QX_LIBRARY_MEMBER)
    QX_AVAHI_CLIENT_FUNCTIONS(QX_LIBRARY_MEMBER)
};

// Avahi's two client libraries, loaded on the first call (from any thread);
// null when they cannot be loaded, with why.
const AvahiLibraries* LoadAvahiLibraries(std::string* why = nullptr);

}  // namespace quorvex
