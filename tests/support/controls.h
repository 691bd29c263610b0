// Window tests reach a window's controls as a user's tools do: by the
// component name every control carries as its object name, not through the
// window's members (which are its own). The search stays inside the window:
// dialogs made with it as their parent are windows of their own. A name that
// is missing, or that more than one control of the asked type carries,
// throws: the test fails at the line that asked instead of crashing on a
// null pointer.
#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QWidget>

#include <memory>
#include <stdexcept>
#include <type_traits>

namespace qxtest {

namespace detail {

// Windows other than menus' popups are not part of their parent's window.
inline bool OtherWindow(const QObject* child) {
    const auto* widget = qobject_cast<const QWidget*>(child);
    return widget && widget->isWindow() && widget->windowType() != Qt::Popup;
}

template <class T>
void Collect(const QObject& parent, const QString& name, QList<T*>& found) {
    for (QObject* child : parent.children()) {
        if (OtherWindow(child)) continue;
        if (auto* match = qobject_cast<T*>(child); match && child->objectName() == name) found.push_back(match);
        Collect(*child, name, found);
    }
}

inline const QObject& Root(const QObject& window) { return window; }
inline const QObject& Root(const QObject* window) { return *window; }
template <class W>
const QObject& Root(const std::unique_ptr<W>& window) {
    return *window;
}

}  // namespace detail

// The control of type T named `name` inside `window` (an object, a pointer
// or a unique_ptr to one).
template <class T, class W>
T* Find(const W& window, const QString& name) {
    const QObject& root = detail::Root(window);
    QList<T*> found;
    detail::Collect(root, name, found);
    if (found.size() != 1)
        throw std::runtime_error((QStringLiteral("%1 controls of the asked type are named \"%2\" in %3")
                                      .arg(found.size())
                                      .arg(name, root.objectName()))
                                     .toStdString());
    return found.front();
}

// One of a numbered row of controls: ("Image", 7) is "Image7".
template <class T, class W>
T* Find(const W& window, const QString& name, int number) {
    return Find<T>(window, name + QString::number(number));
}

}  // namespace qxtest
