#include "ui/platform/access.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QWidget>

namespace qx {

namespace {

// Lies over its control, takes no mouse, and shows only while the control
// has the keyboard's focus.
class FocusRing : public QWidget {
public:
    explicit FocusRing(QWidget* control) : QWidget(control) {
        setObjectName(control->objectName() + QStringLiteral("FocusMark"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
        hide();
    }

    void Follow() {
        QWidget* control = parentWidget();
        const bool on = control->hasFocus() && control->window()->testAttribute(Qt::WA_KeyboardFocusChange);
        if (on) {
            setGeometry(control->rect());
            raise();
        }
        setVisible(on);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const int inset = qobject_cast<QLabel*>(parentWidget()) ? 0 : 2;
        const QRect r = rect().adjusted(inset, inset, -inset - 1, -inset - 1);
        auto dot = [&](int x, int y) {
            p.setPen((x + y) % 2 ? Qt::black : Qt::white);
            p.drawPoint(x, y);
        };
        for (int x = r.left(); x <= r.right(); ++x) {
            dot(x, r.top());
            dot(x, r.bottom());
        }
        for (int y = r.top(); y <= r.bottom(); ++y) {
            dot(r.left(), y);
            dot(r.right(), y);
        }
    }
};

// Makes the ring only when the keyboard first brings the focus: until then
// the control has no child and draws exactly as it always did.
class FocusWatch : public QObject {
public:
    explicit FocusWatch(QWidget* control) : QObject(control) { control->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
            case QEvent::FocusIn:
            case QEvent::FocusOut:
            case QEvent::Resize:
            case QEvent::EnabledChange: {
                auto* control = static_cast<QWidget*>(watched);
                if (!ring_ && control->hasFocus() && control->window()->testAttribute(Qt::WA_KeyboardFocusChange))
                    ring_ = new FocusRing(control);
                if (ring_) ring_->Follow();
                break;
            }
            default: break;
        }
        return false;
    }

private:
    FocusRing* ring_ = nullptr;  // a child of the control, gone with it
};

// A label that takes focus is drawn a pixel higher by Qt on X11, so readable
// labels become Tab stops only once Tab is pressed in their window: a mouse
// player's windows look exactly as before.
const char* const kReadable = "qxReadable";

class ReadableOnTab : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Tab && key != Qt::Key_Backtab) return false;
        QWidget* window = static_cast<QWidget*>(watched)->window();
        for (QLabel* label : window->findChildren<QLabel*>())
            if (label->window() == window && label->property(kReadable).toBool() && label->focusPolicy() == Qt::NoFocus)
                label->setFocusPolicy(Qt::TabFocus);
        return false;
    }
};

}  // namespace

void ShowFocusMark(QWidget* control) {
    static const char* const kMarked = "qxFocusMark";
    if (control->property(kMarked).toBool()) return;
    control->setProperty(kMarked, true);
    new FocusWatch(control);
}

void MakeReadable(QLabel* label, const QString& name) {
    static ReadableOnTab* const filter = [] {
        auto* f = new ReadableOnTab(qApp);
        qApp->installEventFilter(f);
        return f;
    }();
    (void)filter;
    label->setProperty(kReadable, true);
    if (!name.isNull()) label->setAccessibleName(name);
    ShowFocusMark(label);
}

void HandFocusTo(QWidget* to, const QString& news) {
    if (!news.isNull()) to->setAccessibleDescription(news);
    to->setFocus(Qt::OtherFocusReason);
}

}  // namespace qx
