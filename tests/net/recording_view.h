// What a LineProtocol shows, recorded from whichever thread it runs on: the
// log lines in order, the latest status and result texts, and the resets.
#pragma once

#include "core/net/protocol/lineprotocol.h"

#include <algorithm>
#include <cstddef>
#include <mutex>
#include <string>
#include <vector>

namespace nettest {

class RecordingView : public quorvex::ProtocolView {
public:
    void AppendLog(const std::string& line) override { Locked([&] { log_.push_back(line); }); }
    void SetStatus(const std::string& text) override { Locked([&] { status_ = text; }); }
    void SetBattlefieldResult(const std::string& text) override { Locked([&] { battlefield_ = text; }); }
    void SetBombResult(const std::string& text) override { Locked([&] { bomb_ = text; }); }
    void ResetGameView() override { Locked([&] { ++resets_; }); }

    std::vector<std::string> Log() const { return Get(log_); }
    bool Logged(const std::string& line) const { return Count(line) > 0; }
    std::size_t Count(const std::string& line) const {
        const auto log = Log();
        return static_cast<std::size_t>(std::count(log.begin(), log.end(), line));
    }
    bool AnyContains(const std::string& part) const {
        for (const auto& l : Log())
            if (l.find(part) != std::string::npos) return true;
        return false;
    }
    // The log lines that start with prefix, in order.
    std::vector<std::string> Starting(const std::string& prefix) const {
        std::vector<std::string> out;
        for (const auto& l : Log())
            if (l.rfind(prefix, 0) == 0) out.push_back(l);
        return out;
    }
    std::string Status() const { return Get(status_); }
    std::string Battlefield() const { return Get(battlefield_); }
    std::string BombResult() const { return Get(bomb_); }
    int Resets() const { return Get(resets_); }

private:
    template <class F>
    void Locked(F f) {
        std::lock_guard<std::mutex> lock(m_);
        f();
    }
    template <class T>
    T Get(const T& v) const {
        std::lock_guard<std::mutex> lock(m_);
        return v;
    }
    mutable std::mutex m_;
    std::vector<std::string> log_;
    // What the windows show before the protocol says anything.
    std::string status_ = ".... idle ...", battlefield_ = "[ result ]", bomb_ = "[ result ]";
    int resets_ = 0;
};

}  // namespace nettest
