#include "platform/controls.h"

#include "platform/desktop.h"

#include <QMouseEvent>
#include <QPainter>

namespace qx {

PictureCell::PictureCell(QWidget* parent, const QString& name, int number) : QLabel(parent), number_(number) {
    setObjectName(name);
    setScaledContents(true);
    setFixedSize(25, 25);
}

void PictureCell::SetPicture(const QPixmap& pixmap) { SetPicture(pixmap, QString()); }

void PictureCell::SetPicture(const QPixmap& pixmap, const QString& name) {
    current_ = pixmap;
    pictureName_ = name;
    setPixmap(pixmap);
}

void PictureCell::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && isEnabled()) emit clicked(number_);
    QLabel::mousePressEvent(event);
}

void PictureCell::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!current_.isNull()) painter.drawPixmap(rect(), current_);
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
    l->adjustSize();
    return l;
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
    b->setFocusPolicy(flat ? Qt::NoFocus : Qt::StrongFocus);
    if (!icon.isNull()) {
        b->setIcon(QIcon(icon));
        b->setIconSize(icon.size());
    }
    return b;
}

QLineEdit* MakeEdit(QWidget* parent, const QString& name, QRect rect, const QColor& text, const QColor& background) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setValidator(new SingleLineValidator(e));
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

QPixmap ButtonIcon(const QString& name) { return Picture(QStringLiteral(":/assets/icons/%1.png").arg(name)); }

}  // namespace qx
