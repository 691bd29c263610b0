// Libraries the game needs only for its network windows (Avahi, the router's
// protocols) are loaded on first use rather than linked: a start that never
// opens a network window maps no more than a plain window does.
#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <utility>

namespace qx {

class SharedLibrary {
public:
    // Loads the library by its soname; it stays loaded for the rest of the
    // program (the threads that use it are never waited for at the end).
    explicit SharedLibrary(const char* soname);

    bool Loaded() const { return handle_ != nullptr; }
    // Why loading or the last Bind failed: "" while all is well.
    const std::string& Error() const { return error_; }

    // Sets fn to the library's function name; false (and Error) when it has none.
    template <typename F>
    bool Bind(F*& fn, const char* name) {
        fn = reinterpret_cast<F*>(Symbol(name));
        return fn != nullptr;
    }

private:
    void* Symbol(const char* name);

    std::string soname_;
    void* handle_ = nullptr;
    std::string error_;
};

// A table of functions from one or more libraries, whole or not at all.
template <class Table>
class LibraryTable {
public:
    // Each part: a soname and what binds the table's members from it.
    using Part = std::pair<const char*, bool (*)(SharedLibrary&, Table&)>;
    explicit LibraryTable(std::initializer_list<Part> parts) {
        Table table{};
        for (const Part& part : parts) {
            SharedLibrary library(part.first);
            if (!part.second(library, table)) {
                why_ = library.Error();
                return;
            }
        }
        table_ = table;
    }
    // Null when a library or function is missing, with why.
    const Table* Get(std::string* why) const {
        if (why) *why = why_;
        return table_ ? &*table_ : nullptr;
    }

private:
    std::optional<Table> table_;
    std::string why_;
};

}  // namespace qx

// Declares a table member for each function of a list: name and type as the
// library's header declares them, so a call through the table is checked.
#define QX_LIBRARY_MEMBER(fn) decltype(&::fn) fn = nullptr;
// Binds each member of a list from one library: a LibraryTable part.
#define QX_LIBRARY_BIND(fn) ok = ok && library.Bind(table.fn, #fn);
#define QX_LIBRARY_PART(soname, Table, list)                   \
    {                                                          \
        soname, [](qx::SharedLibrary& library, Table& table) { \
            bool ok = library.Loaded();                        \
            list(QX_LIBRARY_BIND) return ok;                   \
        }                                                      \
    }
