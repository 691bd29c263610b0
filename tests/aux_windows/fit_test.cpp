// Every text of every window whole inside its control, in every shipped
// language and in English, at scale 1 and 2: the windows keep their layout
// tables' fixed sizes, so a longer translation must still fit them. Windows
// word their texts as they are made: each language gets windows of its own.
// With QUORVEX_FIT_REPORT set the test prints, per language and scale, the
// texts that do not fit (scripts/translations.sh shows that list).
#include "support/forms.h"
#include "support/tempdir.h"
#include "ui/platform/controls.h"
#include "ui/platform/dialogs.h"
#include "ui/platform/language.h"
#include "ui/platform/look.h"
#include "core/platform/files.h"
#include "ui/game/main.h"
#include "ui/net/multiclient.h"
#include "ui/net/multihost.h"
#include "ui/records/rekorde.h"
#include "ui/savegames/delsaves.h"
#include "ui/savegames/load.h"
#include "ui/savegames/save.h"
#include "ui/settings/einstellungen.h"
#include "ui/stats/statistik.h"
#include "ui/windows/about.h"
#include "ui/windows/hilfe.h"
#include "ui/windows/splash.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QProcess>
#include <QPushButton>
#include <QStatusBar>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <set>
#include <sstream>

namespace {

// What one control shows and where: the rectangle its text takes and the room
// the control gives it, both in the control's own coordinates.
struct TextPlace {
    QString text;
    QRect drawn;
    QRect room;
    QRect ink = drawn;  // what is painted of it, where neighbours must stay off
};

// Labels draw their text in the contents rectangle less the margin, wrapped
// there when they wrap words; buttons, check boxes and group boxes where the
// style puts their label. Pictures, empty texts and the fields a player types
// into have nothing to measure.
std::optional<TextPlace> Place(QWidget* w) {
    if (auto* l = qobject_cast<QLabel*>(w)) {
        if (l->text().isEmpty() || !l->pixmap().isNull()) return std::nullopt;
        const int m = l->margin();
        const QRect room = l->contentsRect().adjusted(m, m, -m, -m);
        const int flags = int(l->alignment()) | (l->wordWrap() ? int(Qt::TextWordWrap) : 0);
        const QFontMetrics fm = l->fontMetrics();
        const QRect drawn = fm.boundingRect(room, flags, l->text());
        if (l->wordWrap() || l->text().contains(QLatin1Char('\n'))) return TextPlace{l->text(), drawn, room, drawn};
        // One line: its glyphs, without the line's leading above and below.
        return TextPlace{l->text(), drawn, room,
                         fm.tightBoundingRect(l->text()).translated(drawn.left(), drawn.top() + fm.ascent())};
    }
    const QFontMetrics fm = w->fontMetrics();
    if (auto* b = qobject_cast<QAbstractButton*>(w); b && b->text().isEmpty()) return std::nullopt;
    if (auto* b = qobject_cast<QPushButton*>(w)) {
        QStyleOptionButton o;
        o.initFrom(b);
        o.text = b->text();
        o.icon = b->icon();
        o.iconSize = b->iconSize();
        if (b->isFlat()) o.features |= QStyleOptionButton::Flat;
        const QRect room = b->style()->subElementRect(QStyle::SE_PushButtonContents, &o, b);
        // The style draws the picture and the caption side by side, 4 pixels apart.
        QSize need = fm.size(Qt::TextShowMnemonic, b->text());
        if (!b->icon().isNull()) need = QSize(need.width() + b->iconSize().width() + 4,
                                               std::max(need.height(), b->iconSize().height()));
        return TextPlace{b->text(), QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, need, room), room};
    }
    if (auto* c = qobject_cast<QCheckBox*>(w)) {
        QStyleOptionButton o;
        o.initFrom(c);
        o.text = c->text();
        const QRect room = c->style()->subElementRect(QStyle::SE_CheckBoxContents, &o, c);
        const QSize need = fm.size(Qt::TextShowMnemonic, c->text());
        return TextPlace{c->text(), QStyle::alignedRect(Qt::LeftToRight, Qt::AlignLeft | Qt::AlignVCenter, need, room),
                         room};
    }
    if (auto* b = qobject_cast<QAbstractButton*>(w))  // any other button: its own wish against its size
        return TextPlace{b->text(), QRect(QPoint(), b->sizeHint()), b->rect()};
    if (auto* g = qobject_cast<QGroupBox*>(w)) {
        if (g->title().isEmpty()) return std::nullopt;
        // The title's least room, as the group box itself asks for it.
        return TextPlace{g->title(), QRect(QPoint(), QSize(g->minimumSizeHint().width(), fm.height())), g->rect()};
    }
    return std::nullopt;
}

struct Control {
    QString window;
    QWidget* widget;
    TextPlace place;
};

// The controls with a text of one window; other windows made with it as their
// parent are left to their own entry.
void Collect(const QString& window, QWidget* parent, std::vector<Control>& out) {
    for (QObject* child : parent->children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (!w || (w->isWindow() && w->windowType() != Qt::Popup)) continue;
        if (auto p = Place(w)) out.push_back(Control{window, w, *p});
        Collect(window, w, out);
    }
}

// A text that does not fit: where, what, and the pixels it needs and has.
struct Misfit {
    std::string window, control, text, what;
    int need, room;
    std::string Key() const { return window + " " + control + " " + what; }
    std::string Line() const {
        return window + " " + control + " \"" + text + "\" " + what + ": needs " + std::to_string(need) + " px, has " +
               std::to_string(room);
    }
};

bool Related(const QWidget* a, const QWidget* b) { return a == b || a->isAncestorOf(b) || b->isAncestorOf(a); }

std::vector<Misfit> Measure(const std::vector<std::pair<QString, QWidget*>>& windows) {
    std::vector<Misfit> out;
    for (const auto& [name, window] : windows) {
        // Laid out as when shown: the status bar's panels get their places.
        window->ensurePolished();
        if (QLayout* l = window->layout()) l->setGeometry(window->rect());
        for (QWidget* w : window->findChildren<QWidget*>())
            if (QLayout* l = w->layout()) l->setGeometry(w->rect());
        std::vector<Control> controls;
        Collect(name, window, controls);
        for (const Control& c : controls) {
            const QWidget* w = c.widget;
            const auto misfit = [&](const std::string& what, int need, int has) {
                out.push_back({c.window.toStdString(), w->objectName().toStdString(), c.place.text.toStdString(), what,
                               need, has});
            };
            const QRect& drawn = c.place.drawn;
            const QRect& room = c.place.room;
            if (drawn.width() > room.width()) misfit("wide", drawn.width(), room.width());
            if (drawn.height() > room.height()) misfit("high", drawn.height(), room.height());
            // Cut by a panel it sits in: the part the control shows must lie
            // inside every control around it, up to the window, from side to
            // side (panels that scroll their lines, as the about box's do,
            // move them out at the top and bottom by design).
            const QRect shown = drawn & w->rect();
            for (const QWidget* up = w; up != window; up = up->parentWidget()) {
                const QWidget* around = up->parentWidget();
                const QRect inside = QRect(w->mapTo(around, shown.topLeft()), shown.size());
                if (inside.left() < 0 || inside.right() >= around->width())
                    misfit("cut by " + around->objectName().toStdString(), inside.right() + 1, around->width());
            }
            // Over or under a neighbour: no other text the player sees in
            // the same window may touch this one.
            if (!w->isVisibleTo(window)) continue;
            const QRect painted = c.place.ink & w->rect();
            const QRect onWindow(w->mapTo(window, painted.topLeft()), painted.size());
            for (const Control& n : controls) {
                const QWidget* o = n.widget;
                if (Related(w, o) || !o->isVisibleTo(window)) continue;
                const QRect theirs = n.place.ink & o->rect();
                const QRect other(o->mapTo(window, theirs.topLeft()), theirs.size());
                if (const QRect both = onWindow & other; !both.isEmpty())
                    misfit("over " + o->objectName().toStdString(), both.width(), 0);
            }
        }
    }
    return out;
}

// One set of windows, made as the program makes them, in a fresh folder.
struct WindowSet {
    WindowSet() {
        qx::SetProgramFolder(dir.Folder());
        std::filesystem::current_path(dir.Folder());
        std::ofstream(dir.File("setup.ini"), std::ios::binary) << "[Einstellungen]\r\nName=A\r\nSplash=nein\r\nFade=nein\r\n";
        qxtest::CreateForms();
    }
    ~WindowSet() {
        qxtest::DestroyForms();
        std::filesystem::current_path(saved);
    }
    static std::vector<std::pair<QString, QWidget*>> Windows() {
        const quorvex::Forms& f = qxtest::Windows();
        return {{"Haupt", f.Haupt},         {"Setup", f.Setup},     {"AboutBox", f.AboutBox},
                {"SplashScr", f.SplashScr}, {"SpeicherMenu", f.SpeicherMenu},
                {"LadenMenu", f.LadenMenu}, {"stat", f.stat},       {"DelMenu", f.DelMenu},
                {"qx_host", f.qx_host},     {"qx_client", f.qx_client}, {"Help", f.Help},
                {"Records", f.Records}};
    }
    std::filesystem::path saved = std::filesystem::current_path();
    qxtest::TempDir dir;
    qx::DialogScript script;
};

std::vector<Misfit> MeasureIn(const std::string& language, const QString& folder) {
    const std::string lang = language + ".UTF-8";
    const QString chosen = qx::InstallLanguage(
        [&](const char* name) { return !language.empty() && std::string(name) == "LANG" ? lang.c_str() : nullptr; },
        folder);
    EXPECT_EQ(chosen.toStdString(), language) << "its catalogue does not load";
    WindowSet set;
    return Measure(set.Windows());
}

}  // namespace

TEST(Fit, EveryTextIsWholeInItsControlInEveryLanguageAtScale1And2) {
    const int scale = int(qApp->devicePixelRatio());
    const bool report = std::getenv("QUORVEX_FIT_REPORT") != nullptr;
    const auto lines = [](const std::vector<Misfit>& misfits) {
        std::string all;
        for (const Misfit& m : misfits) all += "\n  " + m.Line();
        return all;
    };
    // The program's own English as the layout tables place it is the
    // measure: what it needs there (a caption over its picture, a pixel the
    // fallback font takes more than the table's) a translation may need too,
    // and no more.
    std::map<std::string, int> english;
    for (const Misfit& m : MeasureIn("", QStringLiteral(":/i18n"))) english[m.Key()] = m.need;
    const std::string at = " scale " + std::to_string(scale);

    struct Row {
        std::string language;
        QString folder;
        std::set<std::string> expected;  // the texts reported: none but in the test's own language
    };
    std::vector<Row> rows;
    std::istringstream shipped(QUORVEX_FIT_LANGUAGES);
    for (std::string code; shipped >> code;) rows.push_back({code, QStringLiteral(":/i18n"), {}});
    // Expects overflow: the bomb button's caption made too long, in both network windows.
    rows.push_back({"xx", QStringLiteral(":/fit"), {"qx_host BombIt wide", "qx_client BombIt wide"}});
    for (const Row& row : rows) {
        std::set<std::string> found;
        std::vector<Misfit> worse;
        for (const Misfit& m : MeasureIn(row.language, row.folder)) {
            if (const auto it = english.find(m.Key()); it != english.end() && m.need <= it->second) continue;
            found.insert(m.Key());
            worse.push_back(m);
        }
        EXPECT_EQ(found, row.expected) << row.language << at << ":" << lines(worse);
        if (report && row.expected.empty())
            std::cout << row.language << at << ": "
                      << (worse.empty() ? "every text fits" : "no longer fits:" + lines(worse)) << "\n";
    }
    qx::InstallLanguage([](const char*) { return nullptr; });

    // The same at scale 2, measured by this program started again on a screen
    // scaled by 2 (the scale is fixed when the application starts).
    if (scale == 1) {
        QProcess again;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("2"));
        again.setProcessEnvironment(env);
        again.setProcessChannelMode(QProcess::MergedChannels);
        again.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--gtest_filter=Fit.EveryTextIsWholeInItsControlInEveryLanguageAtScale1And2"),
                     QStringLiteral("--gtest_brief=1")});
        ASSERT_TRUE(again.waitForFinished(-1));
        const std::string output = again.readAll().toStdString();
        if (report) std::cout << output;
        EXPECT_EQ(again.exitCode(), 0) << output;
    }
}

// A label sized to its text comes out as the toolkit's own adjustSize makes
// it; labels out of the simple case (a margin, a focus stop) are sized by it.
TEST(Fit, ALabelSizedToItsTextHasTheToolkitsOwnSize) {
    QWidget parent;
    const struct {
        const char* text;
        Qt::Alignment align;
        int margin = 0;
        Qt::FocusPolicy focus = Qt::NoFocus;
    } cases[] = {
        {"Double kills:", Qt::AlignLeft | Qt::AlignVCenter},
        {"1000000", Qt::AlignRight | Qt::AlignVCenter},
        {"two\nlines", Qt::AlignCenter},
        {"a\ttab", Qt::AlignLeft | Qt::AlignTop},
        {"margin", Qt::AlignLeft, 3},
        {"a\ttab stop", Qt::AlignLeft, 0, Qt::TabFocus},
    };
    for (const auto& c : cases) {
        QLabel* made[2];
        for (QLabel*& l : made) {
            l = qx::MakeLabel(&parent, QString(), QString::fromLatin1(c.text), QRect(), qx::VerdanaPt(8, true),
                              Qt::white, c.align);
            l->setMargin(c.margin);
            l->setFocusPolicy(c.focus);
        }
        made[0]->adjustSize();
        qx::FitText(made[1]);
        EXPECT_EQ(made[1]->size(), made[0]->size()) << c.text;
    }
}
