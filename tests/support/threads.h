// Counting this process's threads, to find threads left behind.
#pragma once

#include <dirent.h>

#include <fstream>
#include <string>

namespace qxtest {

// Threads of this process (entries of /proc/self/task).
inline int ThreadCount() {
    int n = 0;
    if (DIR* d = ::opendir("/proc/self/task")) {
        while (const dirent* e = ::readdir(d))
            if (e->d_name[0] != '.') ++n;
        ::closedir(d);
    }
    return n;
}

// Threads of this process whose name starts with prefix (the transport names
// its own "qx-..."), so threads of Qt's own pools do not count.
inline int ThreadCount(const std::string& prefix) {
    int n = 0;
    if (DIR* d = ::opendir("/proc/self/task")) {
        while (const dirent* e = ::readdir(d)) {
            if (e->d_name[0] == '.') continue;
            std::ifstream comm(std::string("/proc/self/task/") + e->d_name + "/comm");
            std::string name;
            if (std::getline(comm, name) && name.rfind(prefix, 0) == 0) ++n;
        }
        ::closedir(d);
    }
    return n;
}

}  // namespace qxtest
