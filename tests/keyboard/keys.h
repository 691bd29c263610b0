// Driving windows with the keyboard alone: keys go to the widget that has the
// focus in the window, as they would from a real keyboard.
#pragma once

#include "ui/platform/controls.h"
#include "support/wait.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace keytest {

// Shows the window and makes it the active one.
inline void Activate(QWidget* window) {
    window->show();
    window->raise();
    QApplication::setActiveWindow(window);
    EXPECT_TRUE(QTest::qWaitForWindowActive(window));
}

inline QWidget* Focus(QWidget* window) { return window->focusWidget(); }

inline void Key(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* to = Focus(window);
    QTest::keyClick(to ? to : window, key, modifiers);
}

// Presses Tab until `target` has the focus; false if a whole round of the
// window's tab order goes by without it.
inline bool TabTo(QWidget* window, QWidget* target) {
    for (int i = 0; i < 120 && Focus(window) != target; ++i) Key(window, Qt::Key_Tab);
    return Focus(window) == target;
}

// Tabs into the field of `target`, then walks there with the arrow keys.
inline bool GoToCell(QWidget* window, qx::PictureCell* target) {
    for (int i = 0; i < 120; ++i) {
        auto* at = qobject_cast<qx::PictureCell*>(Focus(window));
        if (at && at->parentWidget() == target->parentWidget()) break;
        Key(window, Qt::Key_Tab);
    }
    for (int i = 0; i < 10; ++i) {
        auto* at = qobject_cast<qx::PictureCell*>(Focus(window));
        if (!at || at->parentWidget() != target->parentWidget()) return false;
        if (at == target) return true;
        const int row = (at->Place() - 1) / 5, column = (at->Place() - 1) % 5;
        const int toRow = (target->Place() - 1) / 5, toColumn = (target->Place() - 1) % 5;
        if (row != toRow)
            Key(window, row < toRow ? Qt::Key_Down : Qt::Key_Up);
        else
            Key(window, column < toColumn ? Qt::Key_Right : Qt::Key_Left);
    }
    return Focus(window) == target;
}

// Goes to the cell and presses Space `times` times.
inline bool PressCell(QWidget* window, qx::PictureCell* cell, int times = 1) {
    if (!GoToCell(window, cell)) return false;
    for (int i = 0; i < times; ++i) Key(window, Qt::Key_Space);
    return true;
}

// Chooses a menu entry with keys alone: F10 opens the first menu, Right goes
// on to the next menu, Down to the next entry, Enter chooses.
inline bool ChooseFromMenu(QWidget* window, QAction* entry) {
    auto* owner = qobject_cast<QMenu*>(entry->parent());  // the menu or submenu the entry is in
    if (!owner) return false;
    Key(window, Qt::Key_F10);
    for (int i = 0; i < 40; ++i) {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) return false;
        QAction* active = menu->activeAction();
        if (active == entry) {
            QTest::keyClick(menu, Qt::Key_Return);
            return true;
        }
        if (active && active->menu() == owner)
            QTest::keyClick(menu, Qt::Key_Right);  // into the submenu
        else if (menu == owner || menu->actions().contains(owner->menuAction()))
            QTest::keyClick(menu, Qt::Key_Down);
        else
            QTest::keyClick(menu, Qt::Key_Right);  // the next menu of the bar
    }
    return false;
}

}  // namespace keytest
