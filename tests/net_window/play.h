// Playing a network window by mouse, as a player does: placing figures on the
// own battlefield and marking cells of the bomb field.
#pragma once

#include "net/netwindow.h"

#include <QTest>
#include <QWidget>

#include <cstddef>
#include <initializer_list>

namespace qxtest {

inline void Click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }

// One click places a Victim, a second turns it into a Dragon.
inline void Place(quorvex::TNetWindow& w, std::initializer_list<int> victims, std::initializer_list<int> dragons) {
    for (int c : victims) Click(w.Image[static_cast<std::size_t>(c)]);
    for (int c : dragons) {
        Click(w.Image[static_cast<std::size_t>(c)]);
        Click(w.Image[static_cast<std::size_t>(c)]);
    }
}

inline void Mark(quorvex::TNetWindow& w, std::initializer_list<int> cells) {
    for (int c : cells) Click(w.Image[static_cast<std::size_t>(c)]);
}

}  // namespace qxtest
