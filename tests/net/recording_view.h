// What a LineProtocol shows, recorded from whichever thread it runs on: the
// peer's lines and the notes in order, the latest status and results, and the resets.
#pragma once

#include "core/net/protocol/lineprotocol.h"

#include <algorithm>
#include <cstddef>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace nettest {

class RecordingView : public quorvex::ProtocolView {
public:
    using GameNote = quorvex::GameNote;
    using GameNoteKind = quorvex::GameNoteKind;
    using GameStatus = quorvex::GameStatus;

    void AppendLog(const std::string& line) override { Locked([&] { log_.push_back({true, {}, line}); }); }
    void AppendNote(const GameNote& note) override { Locked([&] { log_.push_back({false, note, {}}); }); }
    void SetStatus(GameStatus status) override { Locked([&] { status_ = status; }); }
    void SetBattlefieldResult(quorvex::BombResult result) override { Locked([&] { battlefield_ = result; }); }
    void SetBombResult(quorvex::BombResult result) override { Locked([&] { bomb_ = result; }); }
    void ResetGameView() override { Locked([&] { ++resets_; }); }

    // The peer's lines, as they came, and the notes.
    std::vector<std::string> Log() const { return Of(&Entry::line, true); }
    std::vector<GameNote> Notes() const { return Of(&Entry::note, false); }
    // Lines and notes together.
    std::size_t Entries() const { return Get(log_).size(); }
    // The last note, when nothing was logged after it.
    std::optional<GameNote> LastNote() const {
        const auto log = Get(log_);
        if (log.empty() || log.back().isLine) return std::nullopt;
        return log.back().note;
    }
    bool Logged(const std::string& line) const { return Count(line) > 0; }
    std::size_t Count(const std::string& line) const { return Tally(Log(), line); }
    bool Noted(const GameNote& note) const { return NoteCount(note) > 0; }
    std::size_t NoteCount(const GameNote& note) const { return Tally(Notes(), note); }
    bool NotedKind(GameNoteKind kind) const {
        const auto notes = Notes();
        return std::any_of(notes.begin(), notes.end(), [kind](const GameNote& n) { return n.kind == kind; });
    }
    // In a line, or in a name or line a note carries.
    bool AnyContains(const std::string& part) const {
        const auto has = [&](const std::string& s) { return s.find(part) != std::string::npos; };
        for (const Entry& e : Get(log_))
            if (e.isLine ? has(e.line) : has(e.note.name) || has(e.note.line)) return true;
        return false;
    }
    // The peer's lines that start with prefix, in order.
    std::vector<std::string> Starting(const std::string& prefix) const {
        std::vector<std::string> out;
        for (const auto& l : Log())
            if (l.rfind(prefix, 0) == 0) out.push_back(l);
        return out;
    }
    // Empty while the windows would still show their first texts.
    std::optional<GameStatus> Status() const { return Get(status_); }
    std::optional<quorvex::BombResult> Battlefield() const { return Get(battlefield_); }
    std::optional<quorvex::BombResult> BombResult() const { return Get(bomb_); }
    int Resets() const { return Get(resets_); }

private:
    struct Entry {
        bool isLine = false;
        GameNote note;
        std::string line;
    };
    template <class T>
    std::vector<T> Of(T Entry::*field, bool lines) const {
        std::vector<T> out;
        for (const Entry& e : Get(log_))
            if (e.isLine == lines) out.push_back(e.*field);
        return out;
    }
    template <class T>
    static std::size_t Tally(const std::vector<T>& all, const T& one) {
        return static_cast<std::size_t>(std::count(all.begin(), all.end(), one));
    }
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
    std::vector<Entry> log_;
    std::optional<GameStatus> status_;
    std::optional<quorvex::BombResult> battlefield_, bomb_;
    int resets_ = 0;
};

}  // namespace nettest
