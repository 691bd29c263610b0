// Reaching the display. Without one the toolkit reports a fatal error and
// aborts the process, after several lines about its plugins; a game started
// from a terminal without a desktop should rather say why in one line and
// end with an exit code a script can test.
#pragma once

#include <string>

namespace qx {

// While it lives, the construction of the application object either reaches
// a display or ends the process with exit code 1 after one line on the error
// output: "quorvex: " and `instead` when given, otherwise the toolkit's own
// reason. The toolkit's other messages meanwhile are held back and passed on
// when the display was reached.
class DisplayOrExit {
public:
    explicit DisplayOrExit(std::string instead = {});
    ~DisplayOrExit();
    DisplayOrExit(const DisplayOrExit&) = delete;
    DisplayOrExit& operator=(const DisplayOrExit&) = delete;
};

}  // namespace qx
