// The router's protocols come from Debian's libraries: miniupnpc (only its
// parsers; the conversation is our own) and libnatpmp. They are loaded when a
// router is first asked, never at start-up.
#pragma once

#include <miniupnpc/igd_desc_parse.h>
#include <miniupnpc/miniupnpc.h>
#include <miniupnpc/upnpreplyparse.h>
#include <natpmp.h>

#include <string>

#include "core/platform/sharedlib.h"

namespace quorvex {

#define QX_MINIUPNPC_FUNCTIONS(X) X(parserootdesc) X(GetUPNPUrls) X(FreeUPNPUrls) X(ParseNameValue) X(ClearNameValueList)
#define QX_NATPMP_FUNCTIONS(X)                                                                                      \
    X(initnatpmp) X(closenatpmp) X(sendpublicaddressrequest) X(sendnewportmappingrequest) X(getnatpmprequesttimeout) \
        X(readnatpmpresponseorretry)

struct RouterLibraries {
    QX_MINIUPNPC_FUNCTIONS(QX_LIBRARY_MEMBER)
    QX_NATPMP_FUNCTIONS(QX_LIBRARY_MEMBER)
};

// Both libraries, loaded on the first call (from any thread); null when
// either cannot be loaded, with why in plain words.
const RouterLibraries* LoadRouterLibraries(std::string* why = nullptr);

}  // namespace quorvex
