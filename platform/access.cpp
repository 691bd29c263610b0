#include "platform/access.h"

#include <QEvent>
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
        control->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
            case QEvent::FocusIn:
            case QEvent::FocusOut:
            case QEvent::Resize:
            case QEvent::EnabledChange: Follow(); break;
            default: break;
        }
        return false;
    }

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

private:
    void Follow() {
        QWidget* control = parentWidget();
        const bool on = control->hasFocus() && control->window()->testAttribute(Qt::WA_KeyboardFocusChange);
        if (on) {
            setGeometry(control->rect());
            raise();
        }
        setVisible(on);
    }
};

}  // namespace

void ShowFocusMark(QWidget* control) {
    if (control->findChild<FocusRing*>(QString(), Qt::FindDirectChildrenOnly)) return;
    new FocusRing(control);
}

void MakeReadable(QLabel* label, const QString& name) {
    label->setFocusPolicy(Qt::TabFocus);
    if (!name.isNull()) label->setAccessibleName(name);
    ShowFocusMark(label);
}

void HandFocusTo(QWidget* to, const QString& news) {
    if (!news.isNull()) to->setAccessibleDescription(news);
    to->setFocus(Qt::OtherFocusReason);
}

}  // namespace qx
