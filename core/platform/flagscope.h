// The re-entrancy guard of handlers that wait while events keep running: a
// flag set for the life of a scope and cleared however the scope ends.
#pragma once

namespace qx {

class FlagScope {
public:
    explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~FlagScope() { flag_ = false; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& flag_;
};

}  // namespace qx
