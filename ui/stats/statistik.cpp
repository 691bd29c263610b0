#include "ui/stats/statistik.h"

#include "ui/platform/access.h"
#include "ui/platform/controls.h"
#include "ui/platform/desktop.h"
#include "ui/platform/dialogs.h"
#include "ui/platform/look.h"

namespace quorvex {

namespace {

const QFont& Face() {
    static const QFont f = qx::VerdanaPt(8, true);
    return f;
}

QFrame* SunkenFrame(QWidget* parent, const char* name, QRect rect) {
    auto* f = new QFrame(parent);
    f->setObjectName(QString::fromLatin1(name));
    f->setGeometry(rect);
    f->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    f->setLineWidth(1);
    // The standard sunken edge: shadow top left, highlight bottom right.
    QPalette p = f->palette();
    p.setColor(QPalette::Dark, QColor(128, 128, 128));
    p.setColor(QPalette::Light, Qt::white);
    f->setPalette(p);
    return f;
}

QLabel* Caption(QWidget* parent, const char* name, const QString& text, int x, int y) {
    return qx::MakeLabel(parent, QString::fromLatin1(name), text, x, y, Face(), qx::kLime);
}

void ShowRightAligned(QLabel* label, const QString& text, int right) {
    label->setText(text);
    qx::FitText(label);
    label->move(right - label->width(), label->y());
}

// A number is announced with its caption ("Double kills: 3"), and the pairs
// come in reading order, each caption just before its number.
void AnnounceWithCaption(QLabel* caption, QLabel* number) {
    number->setAccessibleName(caption->text() + QLatin1Char(' ') + number->text());
}

// Until the first fill a number label shows its own component name.
QLabel* Number(QWidget* parent, const char* name, int right, int y) {
    QLabel* l = Caption(parent, name, QString::fromLatin1(name), 0, y);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    ShowRightAligned(l, l->text(), right);
    return l;
}

constexpr int kLeftEdge = 168;   // right edge of the numbers in the left frame
constexpr int kRightEdge = 374;  // and in the other two

}  // namespace

Tstat::Tstat(const PlayerStatistics& figures, QWidget* parent) : QDialog(parent), figures_(figures) {
    qx::SetupToolWindow(this, QStringLiteral("stat"), tr("Game statistic"), 395, 170, Qt::black);

    // The frames first, so every text is drawn over them.
    Bevel1 = SunkenFrame(this, "Bevel1", QRect(8, 8, 169, 97));
    Bevel2 = SunkenFrame(this, "Bevel2", QRect(184, 8, 201, 97));
    Bevel3 = SunkenFrame(this, "Bevel3", QRect(8, 112, 377, 49));

    BuildLabels();

    // The order in which the timer fills them.
    rows_ = {{{DKillsL, kLeftEdge, &PlayerStatistics::doubleKills, Label2},
              {TKillsL, kLeftEdge, &PlayerStatistics::tripleKills, Label3},
              {MKillsL, kLeftEdge, &PlayerStatistics::masterKills, Label4},
              {UKillsL, kLeftEdge, &PlayerStatistics::ultraKills, Label5},
              {BombedL, kRightEdge, &PlayerStatistics::bombed, Label12},
              {HitsL, kRightEdge, &PlayerStatistics::hits, Label10},
              {MissesL, kRightEdge, &PlayerStatistics::misses, Label11},
              {VictimsL, kRightEdge, &PlayerStatistics::victims, Label6},
              {DragonsL, kRightEdge, &PlayerStatistics::dragons, Label7},
              {WonL, kRightEdge, &PlayerStatistics::moneyWon, Label8},
              {LostL, kRightEdge, &PlayerStatistics::moneyLost, Label9}}};
    for (const NumberRow& row : rows_) {
        // The name carries the caption already: no label relation, or it is read twice.
        AnnounceWithCaption(row.caption, row.label);
        // Each figure is a stop of Tab, so a screen reader reads them one by one.
        qx::MakeReadable(row.label, QString(), row.caption);
        // Raising moves a label to the end of the reading order; the texts
        // do not overlap, so nothing drawn changes.
        row.caption->raise();
        row.label->raise();
    }

    Timer1 = qx::MakeTimer(this, QStringLiteral("Timer1"), 100, &Tstat::Timer1Timer);
    Timer1->setSingleShot(true);
    qx::ConnectHandler(this, &QDialog::finished, this, &Tstat::FormClose);

    qx::Guard([this] { FormCreate(); });
}

void Tstat::BuildLabels() {
    Label2 = Caption(this, "Label2", tr("Double kills:"), 16, 16);
    Label3 = Caption(this, "Label3", tr("Triple kills:"), 16, 32);
    Label4 = Caption(this, "Label4", tr("Master kills:"), 16, 48);
    Label5 = Caption(this, "Label5", tr("Ultra kills:"), 16, 64);
    Label12 = Caption(this, "Label12", tr("# of games:"), 192, 16);
    Label10 = Caption(this, "Label10", tr("Total hits:"), 192, 32);
    Label11 = Caption(this, "Label11", tr("Total misses:"), 192, 48);
    Label6 = Caption(this, "Label6", tr("Killed Victims:"), 192, 64);
    Label7 = Caption(this, "Label7", tr("Killed Dragons:"), 192, 80);
    Label8 = Caption(this, "Label8", tr("Money won:"), 16, 120);
    Label9 = Caption(this, "Label9", tr("Money lost:"), 16, 136);

    DKillsL = Number(this, "DKillsL", kLeftEdge, 16);
    TKillsL = Number(this, "TKillsL", kLeftEdge, 32);
    MKillsL = Number(this, "MKillsL", kLeftEdge, 48);
    UKillsL = Number(this, "UKillsL", kLeftEdge, 64);
    BombedL = Number(this, "BombedL", kRightEdge, 16);
    HitsL = Number(this, "HitsL", kRightEdge, 32);
    MissesL = Number(this, "MissesL", kRightEdge, 48);
    VictimsL = Number(this, "VictimsL", kRightEdge, 64);
    DragonsL = Number(this, "DragonsL", kRightEdge, 80);
    WonL = Number(this, "WonL", kRightEdge, 120);
    LostL = Number(this, "LostL", kRightEdge, 136);
}

Tstat::~Tstat() = default;

void Tstat::StartTimer1() { Timer1->start(); }

void Tstat::Timer1Timer() {
    Timer1->stop();
    const PlayerStatistics& s = figures_;
    for (const NumberRow& row : rows_) {
        ShowRightAligned(row.label, QString::number(s.*row.figure), row.right);
        AnnounceWithCaption(row.caption, row.label);
    }
}

void Tstat::FormCreate() { qx::CentreOnScreen(this); }

void Tstat::FormClose() {
    // Only hidden: the numbers stay until the next opening's timer replaces them.
}

}  // namespace quorvex
