#include "ui/platform/controls.h"

#include "ui/platform/access.h"
#include "ui/platform/look.h"
#include "ui/platform/pictures.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

#include <algorithm>
#include <array>

namespace qx {

namespace {

// A cell as assistive tools see it: a button with the cell's name, its state
// as description, checked while marked, and a press action that clicks it.
class CellAccessible : public QAccessibleWidget {
public:
    explicit CellAccessible(PictureCell* cell) : QAccessibleWidget(cell, QAccessible::Button) {}

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.checked = Cell()->IsChecked();
        // A revealed cell is read, never pressed.
        if (!Cell()->IsClickable()) s.disabled = true;
        return s;
    }
    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (Cell()->IsClickable()) names.prepend(pressAction());
        return names;
    }
    void doAction(const QString& action) override {
        if (action == pressAction())
            Cell()->Activate();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    PictureCell* Cell() const { return static_cast<PictureCell*>(widget()); }
};

QAccessibleInterface* CellInterface(const QString& className, QObject* object) {
    if (className == QLatin1String(PictureCell::staticMetaObject.className()) && object && object->isWidgetType())
        return new CellAccessible(static_cast<PictureCell*>(object));
    return nullptr;
}

// Enter presses the focused button, as Space does, also where the button is
// not the dialog's default (no button here takes Enter from a text field).
class EnterPresses : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(event);
            auto* button = qobject_cast<QAbstractButton*>(watched);
            const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
            if (enter && button && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
                if (button->isEnabled() && !key->isAutoRepeat()) button->click();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

PictureCell::PictureCell(QWidget* parent, const QString& name, int number) : QLabel(parent), number_(number) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(&CellInterface);
        return true;
    }();
    (void)factoryInstalled;
    setObjectName(name);
    setScaledContents(true);
    setFixedSize(25, 25);
    // Tab only: a click must not leave a focus frame behind.
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(CellName(Place()));
}

const QString& PictureCell::CellName(int place) {
    // The same 25 names in every field of every window: worded once for the
    // language in use, again only when its wording changes.
    static QString wording;
    static std::array<QString, kSide * kSide> names;
    //: A field cell as a screen reader names it: %1 its number 1 to 25, then its row and column.
    const QString now = tr("Cell %1, row %2, column %3");
    if (now != wording) {
        wording = now;
        for (int p = 1; p <= kSide * kSide; ++p)
            names[static_cast<std::size_t>(p - 1)] = now.arg(p).arg((p - 1) / kSide + 1).arg((p - 1) % kSide + 1);
    }
    return names[static_cast<std::size_t>(std::clamp(place, 1, kSide * kSide) - 1)];
}

void PictureCell::SetStateText(const QString& state) {
    if (state == accessibleDescription()) return;
    setAccessibleDescription(state);
    if (hasFocus()) AnnounceAgain();
}

void PictureCell::AnnounceAgain() {
    // Qt sends changes of name and description in a form Orca cannot read,
    // and Orca speaks no changed state of a focused push button; a newly
    // focused object it reads in full. So the cell's accessible object is
    // replaced by a fresh one, which then takes the focus.
    if (QAccessibleInterface* face = QAccessible::queryAccessibleInterface(this))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(face));
    QAccessibleEvent focus(this, QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
}

void PictureCell::SetClickable(bool on) {
    if (on == clickable_) return;
    clickable_ = on;
    QAccessible::State changed;
    changed.disabled = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}

void PictureCell::SetChecked(bool on) {
    if (on == checked_) return;
    checked_ = on;
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}

void PictureCell::Activate() {
    if (IsClickable()) emit clicked(number_);
}

PictureCell* PictureCell::Neighbour(int rows, int columns) const {
    std::array<PictureCell*, kSide * kSide + 1> field{};
    for (QObject* o : parent()->children())
        if (auto* c = qobject_cast<PictureCell*>(o)) field[static_cast<std::size_t>(c->Place())] = c;
    int row = (Place() - 1) / kSide;
    int column = (Place() - 1) % kSide;
    for (;;) {
        row += rows;
        column += columns;
        if (row < 0 || row >= kSide || column < 0 || column >= kSide) return nullptr;
        PictureCell* c = field[static_cast<std::size_t>(row * kSide + column + 1)];
        if (c && c->isEnabled() && c->isVisible()) return c;
    }
}

void PictureCell::keyPressEvent(QKeyEvent* event) {
    PictureCell* to = nullptr;
    switch (event->key()) {
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            ShowKeyboardFocus();
            // Holding the key down must not toggle the cell again and again.
            if (!event->isAutoRepeat()) Activate();
            return;
        case Qt::Key_Left: to = Neighbour(0, -1); break;
        case Qt::Key_Right: to = Neighbour(0, 1); break;
        case Qt::Key_Up: to = Neighbour(-1, 0); break;
        case Qt::Key_Down: to = Neighbour(1, 0); break;
        default: QLabel::keyPressEvent(event); return;
    }
    ShowKeyboardFocus();
    if (to) to->setFocus(Qt::TabFocusReason);
}

void PictureCell::ShowKeyboardFocus() {
    if (window()->testAttribute(Qt::WA_KeyboardFocusChange)) return;
    window()->setAttribute(Qt::WA_KeyboardFocusChange);
    update();
}

void PictureCell::focusInEvent(QFocusEvent* event) {
    QLabel::focusInEvent(event);
    update();
}

void PictureCell::focusOutEvent(QFocusEvent* event) {
    QLabel::focusOutEvent(event);
    update();
}

bool PictureCell::focusNextPrevChild(bool next) {
    // The first focusable control outside this field, in the window's tab order.
    QWidget* w = this;
    for (;;) {
        w = next ? w->nextInFocusChain() : w->previousInFocusChain();
        if (w == this) break;
        if (qobject_cast<PictureCell*>(w) && w->parentWidget() == parentWidget()) continue;
        if (w->window() == window() && (w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisible() &&
            !w->focusProxy()) {
            w->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return QLabel::focusNextPrevChild(next);
}

void PictureCell::SetPicture(const QPixmap& pixmap) { SetPicture(pixmap, QString()); }

void PictureCell::SetPicture(const QPixmap& pixmap, const QString& name) {
    current_ = pixmap;
    pictureName_ = name;
    setPixmap(pixmap);
}

void PictureCell::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && IsClickable()) emit clicked(number_);
    QLabel::mousePressEvent(event);
}

void PictureCell::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // A picture made for another pixel ratio than the screen's is resampled smoothly.
    if (!qFuzzyCompare(current_.devicePixelRatio(), devicePixelRatioF()))
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!current_.isNull()) painter.drawPixmap(rect(), current_);
    // Like the style's own focus frames, shown only once the keyboard has moved
    // the focus in this window: a mouse player never sees it.
    if (!hasFocus() || !window()->testAttribute(Qt::WA_KeyboardFocusChange)) return;
    // The focus frame: a dotted ring two pixels inside the edge, each dot the
    // inverse of the ground under it, so it shows on black and on white
    // grounds; it leaves out the mark's green frame and wherever the figure
    // reaches the ring (the dragon's tail), so nothing of the picture is hidden.
    const QImage under = current_.isNull() ? QImage() : current_.toImage().scaled(size());
    const int last = width() - 3;
    const QRgb ground = under.isNull() ? qRgb(0, 0, 0) : under.pixel(2, 2);
    auto dot = [&](int x, int y) {
        if ((x + y) % 2 != 0) return;
        if (!under.isNull() && under.pixel(x, y) != ground) return;
        const QColor c(ground);
        painter.setPen(QColor(255 - c.red(), 255 - c.green(), 255 - c.blue()));
        painter.drawPoint(x, y);
    };
    for (int i = 2; i <= last; ++i) {
        dot(i, 2);
        dot(i, last);
        dot(2, i);
        dot(last, i);
    }
}

QString WithoutLineBreaks(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n')) ++i;
            out += QLatin1Char(' ');
        } else {
            out += c;
        }
    }
    return out;
}

QValidator::State SingleLineValidator::validate(QString& input, int& pos) const {
    if (input.contains(QLatin1Char('\r')) || input.contains(QLatin1Char('\n'))) {
        // The cursor stays behind the same character: count what lies before it.
        pos = static_cast<int>(WithoutLineBreaks(input.left(pos)).size());
        input = WithoutLineBreaks(input);
    }
    return Acceptable;
}

void SetupToolWindow(QWidget* w, const QString& objectName, const QString& caption, int width, int height,
                     const QColor& background) {
    w->setObjectName(objectName);
    w->setWindowTitle(caption);
    w->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    w->setFixedSize(width, height);
    if (background.isValid()) SetColours(w, Qt::white, background);
}

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, int x, int y, const QFont& font,
                  const QColor& colour) {
    auto* l = new QLabel(parent);
    l->setTextFormat(Qt::PlainText);
    l->setText(text);
    l->setObjectName(name);
    l->setFont(font);
    SetColours(l, colour);
    l->move(x, y);
    FitText(l);
    return l;
}

void FitText(QLabel* l) {
    // An empty label may never have been a text label, which QLabel sizes otherwise.
    const bool plain = !l->text().isEmpty() && l->textFormat() == Qt::PlainText && !l->wordWrap() && !l->hasScaledContents() &&
                       l->pixmap().isNull() && l->margin() == 0 && l->indent() < 0 && l->frameWidth() == 0 &&
                       l->contentsMargins().isNull() && l->minimumSize().isNull() && !l->buddy() && !l->layout() &&
                       l->focusPolicy() == Qt::NoFocus &&
                       !(l->textInteractionFlags() & (Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard)) &&
                       !l->sizePolicy().hasHeightForWidth();
    if (!plain) {
        l->adjustSize();
        return;
    }
    // As adjustSize: polished first (a style may change the font), then the
    // text's box in the label's own width limit, tabs expanded as a label
    // draws them, with the centring flags left out, so no halving rounds the size.
    l->ensurePolished();
    const Qt::LayoutDirection direction = l->text().isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight;
    const int flags = (static_cast<int>(QStyle::visualAlignment(direction, l->alignment())) | Qt::TextExpandTabs) &
                      ~(Qt::AlignVCenter | Qt::AlignHCenter);
    constexpr int kLimit = 2000;
    l->resize(l->fontMetrics().boundingRect(0, 0, kLimit, kLimit, flags, l->text()).size());
}

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, QRect rect, const QFont& font,
                  const QColor& colour, Qt::Alignment align) {
    auto* l = new QLabel(parent);
    l->setTextFormat(Qt::PlainText);
    l->setText(text);
    l->setObjectName(name);
    l->setFont(font);
    SetColours(l, colour);
    l->setGeometry(rect);
    l->setAlignment(align);
    return l;
}

QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption, QRect rect, bool flat,
                        const QPixmap& icon) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setGeometry(rect);
    b->setFlat(flat);
    // A flat button takes focus by Tab only, so a click leaves no focus frame on it.
    b->setFocusPolicy(flat ? Qt::TabFocus : Qt::StrongFocus);
    b->installEventFilter(new EnterPresses(b));
    ShowFocusMark(b);
    if (!icon.isNull()) {
        b->setIcon(QIcon(icon));
        b->setIconSize(icon.deviceIndependentSize().toSize());
    }
    return b;
}

QLineEdit* MakeEdit(QWidget* parent, const QString& name, QRect rect, const QColor& text, const QColor& background) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setValidator(new SingleLineValidator(e));
    ReadWhole(e);
    e->setGeometry(rect);
    e->setFrame(false);
    SetColours(e, text, background);
    e->setStyleSheet(QStringLiteral("QLineEdit { border: 1px solid #404040; background: %1; color: %2; }")
                         .arg(background.name(), text.name()));
    return e;
}

QPlainTextEdit* MakeMemo(QWidget* parent, const QString& name, QRect rect) {
    auto* m = new QPlainTextEdit(parent);
    m->setObjectName(name);
    m->setGeometry(rect);
    m->setReadOnly(true);
    m->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    return m;
}

QGroupBox* MakeGroupBox(QWidget* parent, const QString& name, const QString& caption, QRect rect) {
    auto* g = new QGroupBox(caption, parent);
    g->setObjectName(name);
    g->setGeometry(rect);
    return g;
}

QFrame* MakePanel(QWidget* parent, const QString& name, QRect rect, const QColor& background) {
    auto* p = new QFrame(parent);
    p->setObjectName(name);
    p->setGeometry(rect);
    if (background.isValid()) SetColours(p, Qt::black, background);
    return p;
}

QCheckBox* MakeCheckBox(QWidget* parent, const QString& name, const QString& caption, QRect rect) {
    auto* c = new QCheckBox(caption, parent);
    c->setObjectName(name);
    c->setGeometry(rect);
    return c;
}

void NamePicture(QWidget* w, const QString& name) { w->setAccessibleName(name); }

void LinkLabel(QLabel* label, QWidget* control) { label->setBuddy(control); }

QPixmap ButtonIcon(const QString& name) { return Picture(QStringLiteral(":/assets/icons/%1.png").arg(name)); }

}  // namespace qx
