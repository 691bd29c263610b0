#include "ui/platform/look.h"

#include <QFontDatabase>
#include <QWidget>

namespace qx {

namespace {
QString Family(const QStringList& wanted) {
    // Asked for every label; the installed families do not change during a run.
    static const QStringList have = QFontDatabase::families();
    for (const auto& w : wanted)
        if (have.contains(w, Qt::CaseInsensitive)) return w;
    return wanted.last();
}
}  // namespace

QFont VerdanaPx(int px, bool bold) {
    QFont f(Family({"Verdana", "DejaVu Sans"}));
    f.setPixelSize(px);
    f.setBold(bold);
    return f;
}

QFont VerdanaPt(int pt, bool bold) {
    QFont f(Family({"Verdana", "DejaVu Sans"}));
    f.setPointSize(pt);
    f.setBold(bold);
    return f;
}

QFont MonoPt(int pt) {
    QFont f(Family({"Lucida Console", "DejaVu Sans Mono"}));
    f.setPointSize(pt);
    f.setStyleHint(QFont::Monospace);
    return f;
}

QFont SansSerifPx(int px) {
    QFont f(Family({"MS Sans Serif", "DejaVu Sans"}));
    f.setPixelSize(px);
    return f;
}

void SetColours(QWidget* w, const QColor& text, const QColor& background) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::ButtonText, text);
    if (background.isValid()) {
        p.setColor(QPalette::Window, background);
        p.setColor(QPalette::Base, background);
        p.setColor(QPalette::Button, background);
        w->setAutoFillBackground(true);
    }
    w->setPalette(p);
}

}  // namespace qx
