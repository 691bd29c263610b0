#include "core/platform/sharedlib.h"

#include <dlfcn.h>

namespace qx {

SharedLibrary::SharedLibrary(const char* soname) : soname_(soname) {
    // RTLD_LOCAL: its symbols serve only the calls made through the tables.
    handle_ = ::dlopen(soname, RTLD_NOW | RTLD_LOCAL);
    if (!handle_) {
        const char* why = ::dlerror();
        error_ = why ? why : soname_ + ": cannot be loaded";
    }
}

void* SharedLibrary::Symbol(const char* name) {
    if (!handle_) return nullptr;
    ::dlerror();
    void* f = ::dlsym(handle_, name);
    if (!f) error_ = soname_ + " has no " + name;
    return f;
}

}  // namespace qx
