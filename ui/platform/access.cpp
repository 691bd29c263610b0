#include "ui/platform/access.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <QWidget>

#include <memory>
#include <utility>
#include <vector>

namespace qx {

namespace {

// The part of a label its text takes, in the label's coordinates; all of it
// for a text of several lines or a rich one.
QRect TextArea(const QLabel* label) {
    const QString text = label->text();
    if (text.contains(QLatin1Char('\n')) || Qt::mightBeRichText(text)) return label->rect();
    const QFontMetrics metrics(label->font());
    const QSize size(metrics.horizontalAdvance(text), metrics.height());
    return QStyle::alignedRect(label->layoutDirection(), label->alignment(), size, label->contentsRect());
}

// Lies over its control, takes no mouse, and shows only while the control
// has the keyboard's focus. A figure read with its caption is ringed with
// it, around both texts: the ring then lies beside them in their parent.
class FocusRing : public QWidget {
public:
    FocusRing(QWidget* control, QLabel* caption)
        : QWidget(caption ? control->parentWidget() : control), control_(control), caption_(caption) {
        setObjectName(control->objectName() + QStringLiteral("FocusMark"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
        hide();
    }

    void Follow() {
        const bool on = control_->hasFocus() && control_->window()->testAttribute(Qt::WA_KeyboardFocusChange);
        if (on) {
            setGeometry(Area());
            raise();
        }
        setVisible(on);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const int inset = caption_ || qobject_cast<QLabel*>(control_) ? 0 : 2;
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
    QRect Area() const {
        if (!caption_) return control_->rect();
        const auto* figure = static_cast<const QLabel*>(control_);
        const QRect texts =
            TextArea(figure).translated(figure->pos()) | TextArea(caption_).translated(caption_->pos());
        // A pixel clear of the glyphs, within the parent.
        return texts.adjusted(-2, -1, 2, 1) & parentWidget()->rect();
    }

    QWidget* control_;
    QLabel* caption_;
};

// Makes the ring only when the keyboard first brings the focus: until then
// the control has no child and draws exactly as it always did.
class FocusWatch : public QObject {
public:
    FocusWatch(QWidget* control, QLabel* caption) : QObject(control), caption_(caption) {
        control->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
            case QEvent::FocusIn:
            case QEvent::FocusOut:
            case QEvent::Resize:
            case QEvent::EnabledChange: {
                auto* control = static_cast<QWidget*>(watched);
                if (!ring_ && control->hasFocus() && control->window()->testAttribute(Qt::WA_KeyboardFocusChange))
                    ring_ = new FocusRing(control, caption_);
                if (ring_) ring_->Follow();
                break;
            }
            default: break;
        }
        return false;
    }

private:
    QLabel* caption_;
    // A child of the control, or of its parent beside it: gone with either.
    QPointer<FocusRing> ring_;
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

// Where a window's news is told. Orca 43 speaks a notification object the
// moment it shows (Qt 6.4 has no announcement event, and Orca reads neither
// changed names nor text inserted away from the focus). It has no size, so
// it draws nothing, and it hides with its window so that reopening the
// window does not tell old news again.
class NewsBoard : public QWidget {
    Q_OBJECT
public:
    explicit NewsBoard(QWidget* window) : QWidget(window) {
        setObjectName(QStringLiteral("News"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        setGeometry(0, 0, 0, 0);
        hide();
        window->installEventFilter(this);
    }

    void Tell(const QString& text) {
        hide();
        setAccessibleName(text);
        show();
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Hide) hide();
        return false;
    }
};

// Orca reads a notification inside a dialog after the whole dialog, all its
// labels included; one that names the application as its parent is read
// alone.
class NewsBoardFace : public QAccessibleWidget {
public:
    explicit NewsBoardFace(QWidget* board) : QAccessibleWidget(board, QAccessible::Notification) {}
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(qApp); }
};

QAccessibleInterface* NewsBoardFactory(const QString& key, QObject* object) {
    if (key == QLatin1String("qx::NewsBoard") && object) return new NewsBoardFace(static_cast<QWidget*>(object));
    return nullptr;
}

// A line edit's accessible text, as Qt's own but for the attribute runs.
const char* const kWhole = "qxReadWhole";

class LineEditFace : public QAccessibleWidget,
                     public QAccessibleTextInterface,
                     public QAccessibleEditableTextInterface {
public:
    explicit LineEditFace(QLineEdit* edit) : QAccessibleWidget(edit, QAccessible::EditableText) {
        addControllingSignal(QStringLiteral("textChanged(const QString&)"));
        addControllingSignal(QStringLiteral("returnPressed()"));
    }

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        if (t == QAccessible::EditableTextInterface) return static_cast<QAccessibleEditableTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return Shown();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.editable = !Edit()->isReadOnly();
        s.readOnly = Edit()->isReadOnly();
        s.selectableText = true;
        s.passwordEdit = Edit()->echoMode() != QLineEdit::Normal;
        s.hasPopup = Edit()->completer() != nullptr;
        return s;
    }

    // The text interface: offsets into the text shown.
    QString text(int start, int end) const override { return Shown().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(Shown().size()); }
    int cursorPosition() const override { return Edit()->cursorPosition(); }
    void setCursorPosition(int position) override { Edit()->setCursorPosition(position); }
    QString attributes(int, int* start, int* end) const override {
        // One run without attributes over the whole text.
        *start = 0;
        *end = characterCount();
        return QString();
    }
    QString textAtOffset(int offset, QAccessible::TextBoundaryType type, int* start, int* end) const override {
        if (Edit()->echoMode() != QLineEdit::Normal) {
            *start = *end = -1;
            return QString();
        }
        if (offset == -2) offset = cursorPosition();
        return QAccessibleTextInterface::textAtOffset(offset, type, start, end);
    }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType type, int* start, int* end) const override {
        if (offset == -2) offset = cursorPosition();
        return QAccessibleTextInterface::textBeforeOffset(offset, type, start, end);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType type, int* start, int* end) const override {
        if (offset == -2) offset = cursorPosition();
        return QAccessibleTextInterface::textAfterOffset(offset, type, start, end);
    }
    int selectionCount() const override { return Edit()->hasSelectedText() ? 1 : 0; }
    void selection(int index, int* start, int* end) const override {
        *start = *end = 0;
        if (index != 0 || !Edit()->hasSelectedText()) return;
        *start = Edit()->selectionStart();
        *end = Edit()->selectionEnd();
    }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override {
        if (index == 0) Edit()->deselect();
    }
    void setSelection(int index, int start, int end) override {
        if (index == 0) Edit()->setSelection(start, end - start);
    }
    QRect characterRect(int offset) const override {
        // The character's advance within the field's contents, a line high.
        const QString shown = Shown();
        if (offset < 0 || offset >= shown.size()) return QRect();
        const QRect contents = Edit()->contentsRect();
        const QFontMetrics metrics = Edit()->fontMetrics();
        const int x = contents.left() + metrics.horizontalAdvance(shown.left(offset));
        const QRect local(x, contents.center().y() - metrics.height() / 2, metrics.horizontalAdvance(shown.at(offset)),
                          metrics.height());
        return QRect(Edit()->mapToGlobal(local.topLeft()), local.size());
    }
    int offsetAtPoint(const QPoint& point) const override {
        return Edit()->cursorPositionAt(Edit()->mapFromGlobal(point));
    }
    void scrollToSubstring(int start, int) override { Edit()->setCursorPosition(start); }

    // The editable text interface.
    void deleteText(int start, int end) override { replaceText(start, end, QString()); }
    void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString& text) override {
        if (Edit()->isReadOnly()) return;
        Edit()->setText(Edit()->text().replace(start, end - start, text));
    }

private:
    QLineEdit* Edit() const { return static_cast<QLineEdit*>(widget()); }
    // A password field shows none of its text.
    QString Shown() const { return Edit()->echoMode() == QLineEdit::Normal ? Edit()->text() : QString(); }
};

// Qt tells a screen reader of a field's focus only after the field has
// handled it, having moved its cursor, and Orca takes the caret's move in
// an empty field for the focus without a word: the focus is told first.
class FocusToldFirst : public QObject {
public:
    explicit FocusToldFirst(QLineEdit* edit) : QObject(edit) { edit->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // A field with text selects it on Tab, which Orca reads with the focus.
        if (event->type() == QEvent::FocusIn && QAccessible::isActive() &&
            static_cast<QLineEdit*>(watched)->text().isEmpty()) {
            QAccessibleEvent focus(watched, QAccessible::Focus);
            QAccessible::updateAccessibility(&focus);
        }
        return false;
    }
};

QAccessibleInterface* LineEditFactory(const QString& key, QObject* object) {
    if (key == QLatin1String("QLineEdit") && object && object->property(kWhole).toBool())
        return new LineEditFace(static_cast<QLineEdit*>(object));
    return nullptr;
}

// A checkable entry of a menu that says its state both ways. It stays a
// menu entry, which its menu counts among its children (Qt's menu knows no
// other role there), so the state it lacks goes into its name.
const char* const kSwitch = "qxSwitch";

class SwitchFace : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    SwitchFace(QAction* entry, QMenu* menu) : entry_(entry), menu_(menu) {}

    bool isValid() const override { return entry_ && menu_; }
    QObject* object() const override { return entry_; }
    QWindow* window() const override { return menu_ ? menu_->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(menu_); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override {
        if (!entry_) return QString();
        if (t == QAccessible::Name) {
            const QString name = QString(entry_->text()).remove(QLatin1Char('&'));
            //: A menu entry that is switched off, as a screen reader reads it; %1 is the entry.
            return entry_->isChecked() ? name : QCoreApplication::translate("Access", "%1, not checked").arg(name);
        }
        if (t == QAccessible::Accelerator) return entry_->shortcut().toString(QKeySequence::NativeText);
        return QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid()) return QRect();
        const QRect r = menu_->actionGeometry(entry_);
        return QRect(menu_->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override { return QAccessible::MenuItem; }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!isValid()) return s;
        s.focusable = true;
        s.checkable = true;
        s.checked = entry_->isChecked();
        s.disabled = !entry_->isEnabled();
        s.invisible = !entry_->isVisible() || !menu_->isVisible();
        s.focused = menu_->activeAction() == entry_;
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }

    QStringList actionNames() const override { return {toggleAction()}; }
    void doAction(const QString& name) override {
        if (name == toggleAction() && isValid() && entry_->isEnabled()) entry_->trigger();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<QAction> entry_;
    QPointer<QMenu> menu_;
};

QAccessibleInterface* SwitchFactory(const QString& key, QObject* object) {
    if (key != QLatin1String("QAction") || !object || !object->property(kSwitch).toBool()) return nullptr;
    auto* menu = qobject_cast<QMenu*>(object->parent());
    return menu ? new SwitchFace(static_cast<QAction*>(object), menu) : nullptr;
}

// A burst's lines as one sentence after another.
QString Sentences(const QStringList& lines) {
    QString out;
    for (const QString& line : lines) {
        if (!out.isEmpty()) out += out.endsWith(QLatin1Char('.')) || out.endsWith(QLatin1Char('!')) ||
                                           out.endsWith(QLatin1Char('?'))
                                       ? QStringLiteral(" ")
                                       : QStringLiteral(". ");
        out += line.trimmed();
    }
    return out;
}

// Ctrl+Home and Ctrl+End go to the start and the end of the text (a
// read-only text takes Home and End only without modifiers); the cursor
// shows from the first key on, so a click or an opened window draws none.
class KeyboardReading : public QObject {
public:
    explicit KeyboardReading(QPlainTextEdit* text) : QObject(text), text_(text) { text->installEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        text_->setCursorWidth(1);
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() != Qt::ControlModifier || (key->key() != Qt::Key_Home && key->key() != Qt::Key_End))
            return false;
        const bool home = key->key() == Qt::Key_Home;
        text_->moveCursor(home ? QTextCursor::Start : QTextCursor::End);
        text_->verticalScrollBar()->triggerAction(home ? QAbstractSlider::SliderToMinimum
                                                       : QAbstractSlider::SliderToMaximum);
        return true;
    }

private:
    QPlainTextEdit* text_;
};

}  // namespace

void Announce(QWidget* window, const QString& text) {
    static const bool factory = [] {
        QAccessible::installFactory(&NewsBoardFactory);
        return true;
    }();
    (void)factory;
    if (!window || text.isEmpty()) return;
    auto* board = window->findChild<NewsBoard*>(QString(), Qt::FindDirectChildrenOnly);
    if (!board) board = new NewsBoard(window);
    if (window->isVisible()) board->Tell(text);
}

News::News(QWidget* window, int burstMs) : QObject(window), window_(window), timer_(new QTimer(this)) {
    timer_->setSingleShot(true);
    timer_->setInterval(burstMs);
    connect(timer_, &QTimer::timeout, this, &News::Flush);
}

void News::Add(const QString& line) {
    if (line.trimmed().isEmpty()) return;
    ++count_;
    if (lines_.size() < kSpokenLines) lines_ << line;
    if (!timer_->isActive()) timer_->start();
}

QString News::NewLinesText(int count) {
    //: Spoken instead of a burst of more lines than are read out; %n is always more than one here.
    return tr("%n new lines", nullptr, count);
}

void News::Flush() {
    timer_->stop();
    if (count_ == 0) return;
    const QString text = count_ > kSpokenLines ? NewLinesText(count_) : Sentences(lines_);
    lines_.clear();
    count_ = 0;
    Announce(window_, text);
}

void MakeKeyboardReadable(QPlainTextEdit* text) {
    text->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    text->setCursorWidth(0);
    new KeyboardReading(text);
    ShowFocusMark(text);
}

void ShowFocusMark(QWidget* control, QLabel* caption) {
    static const char* const kMarked = "qxFocusMark";
    if (control->property(kMarked).toBool()) return;
    control->setProperty(kMarked, true);
    new FocusWatch(control, caption);
}

void MakeReadable(QLabel* label, const QString& name, QLabel* caption) {
    static ReadableOnTab* const filter = [] {
        auto* f = new ReadableOnTab(qApp);
        qApp->installEventFilter(f);
        return f;
    }();
    (void)filter;
    label->setProperty(kReadable, true);
    if (!name.isNull()) label->setAccessibleName(name);
    ShowFocusMark(label, caption);
}

void SetTabOrder(QWidget* first, QWidget* second) {
    // Qt moves nothing when no stop lies between the two in the window's
    // ring of controls, although the window itself may lie there, where Tab
    // starts while nothing has the focus: the control before `second` stands
    // in as a stop for the moment.
    QWidget* before = second->previousInFocusChain();
    std::vector<std::pair<QWidget*, Qt::FocusPolicy>> policies{{first, first->focusPolicy()},
                                                               {second, second->focusPolicy()}};
    if (before != first) policies.emplace_back(before, before->focusPolicy());
    for (const auto& [w, policy] : policies)
        if (policy == Qt::NoFocus) w->setFocusPolicy(Qt::TabFocus);
    QWidget::setTabOrder(first, second);
    for (auto it = policies.rbegin(); it != policies.rend(); ++it) it->first->setFocusPolicy(it->second);
}

void ReadWhole(QLineEdit* edit) {
    static const bool factory = [] {
        QAccessible::installFactory(&LineEditFactory);
        return true;
    }();
    (void)factory;
    edit->setProperty(kWhole, true);
    new FocusToldFirst(edit);
}

void ReadAsSwitch(QAction* entry) {
    static const bool factory = [] {
        QAccessible::installFactory(&SwitchFactory);
        return true;
    }();
    (void)factory;
    entry->setProperty(kSwitch, true);
}

namespace {

const char* const kTitleHeld = "qxTitleHeld";

// Return on a menu whose title holds the focus opens its first entry, as it
// does where the entry was chosen when the menu opened.
class FirstEntryOnReturn : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* menu = static_cast<QMenu*>(watched);
        if (event->type() != QEvent::KeyPress || !menu->property(kTitleHeld).toBool()) return false;
        menu->setProperty(kTitleHeld, false);
        const int key = static_cast<QKeyEvent*>(event)->key();
        const bool opens = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Select;
        if (opens && !menu->activeAction() && !menu->actions().isEmpty()) menu->setActiveAction(menu->actions().first());
        return false;
    }
};

}  // namespace

void SpeakMenuTitles(QMenuBar* bar) {
    // True from a menu's closing to the end of the key's handling, in which
    // the next menu opens.
    auto moving = std::make_shared<bool>(false);
    for (QAction* title : bar->actions()) {
        QMenu* menu = title->menu();
        if (!menu) continue;
        menu->installEventFilter(new FirstEntryOnReturn(menu));
        QObject::connect(menu, &QMenu::aboutToHide, bar, [moving, bar, menu] {
            *moving = true;
            menu->setProperty(kTitleHeld, false);
            QTimer::singleShot(0, bar, [moving] { *moving = false; });
        });
        QObject::connect(menu, &QMenu::aboutToShow, bar, [moving, bar, title, menu] {
            if (!*moving) return;
            // The first entry is chosen once the menu shows.
            QTimer::singleShot(0, menu, [bar, title, menu] {
                const auto entries = menu->actions();
                if (!menu->isVisible() || bar->activeAction() != title || entries.isEmpty() ||
                    menu->activeAction() != entries.first())
                    return;
                menu->setActiveAction(nullptr);
                menu->setProperty(kTitleHeld, true);
                QAccessibleEvent focus(bar, QAccessible::Focus);
                focus.setChild(static_cast<int>(bar->actions().indexOf(title)));
                QAccessible::updateAccessibility(&focus);
            });
        });
    }
}

void HandFocusTo(QWidget* to, const QString& news) {
    if (!news.isNull()) to->setAccessibleDescription(news);
    to->setFocus(Qt::OtherFocusReason);
}

}  // namespace qx

#include "access.moc"
