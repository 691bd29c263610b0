// Playing a network window by mouse, as a player does: placing figures on the
// own battlefield and marking cells of the bomb field.
#pragma once

#include "core/net/protocol/lineprotocol.h"
#include "ui/net/netwindow.h"
#include "ui/platform/ansi.h"
#include "support/controls.h"

#include <QLabel>
#include <QTest>
#include <QWidget>

#include <cstddef>
#include <initializer_list>
#include <string>
#include <vector>

namespace qxtest {

// The log's notice lines: "[» text «]" and "[» conn. w/ "nick" «]".
inline std::string N(const std::string& text) {
    return "[" + std::string(quorvex::kRaquo) + " " + text + " " + quorvex::kLaquo + "]";
}
inline std::string ConnW(const std::string& nick) {
    return "[" + std::string(quorvex::kRaquo) + " conn. w/ \"" + nick + "\" " + quorvex::kLaquo + "]";
}

// A label's text as the game's 8-bit text.
inline std::string Text(const QLabel* l) { return qx::ToAnsi(l->text()); }

inline void Click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }

// One click places a Victim, a second turns it into a Dragon.
inline void Place(quorvex::TNetWindow& w, std::initializer_list<int> victims, std::initializer_list<int> dragons) {
    for (int c : victims) Click(Find<qx::PictureCell>(w, "Image", static_cast<std::size_t>(c)));
    for (int c : dragons) {
        Click(Find<qx::PictureCell>(w, "Image", static_cast<std::size_t>(c)));
        Click(Find<qx::PictureCell>(w, "Image", static_cast<std::size_t>(c)));
    }
}

inline void Mark(quorvex::TNetWindow& w, std::initializer_list<int> cells) {
    for (int c : cells) Click(Find<qx::PictureCell>(w, "Image", static_cast<std::size_t>(c)));
}

// The logs of the example game the window tests play ("Hank" hosts "Arena of
// pain", "Cleo" joins; a draw for Cleo, a win for Hank, a new game, one chat
// line each way).
inline std::vector<std::string> ExampleGameHostLog() {
    return {N("Server active"), ConnW("Cleo"), "[game] All positions send!", "[game] All positions received!",
            "[game] Cleo bombed a draw!", "[game] new game started!", "<Hank> hello client", "<Cleo> hi host"};
}
inline std::vector<std::string> ExampleGameClientLog() {
    return {ConnW("Hank"), N("Arena of pain"), "[server] Welcome, Cleo", "[game] All positions received!",
            "[game] All positions send!", "[game] Hank won!", "[game] new game started",
            "<Hank> hello client", "<Cleo> hi host"};
}

}  // namespace qxtest
