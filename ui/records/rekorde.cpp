#include "ui/records/rekorde.h"

#include "ui/platform/access.h"
#include "ui/platform/ansi.h"
#include "ui/platform/controls.h"
#include "ui/platform/desktop.h"
#include "ui/platform/dialogs.h"
#include "ui/platform/look.h"
#include "ui/platform/session.h"
#include "core/platform/text.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QShowEvent>
#include <QStyledItemDelegate>
#include <QTimer>

namespace quorvex {

namespace {

const QFont& Face() {
    static const QFont f = qx::VerdanaPt(8, true);
    return f;
}

const QColor kFreshRow{0, 96, 0};

// A name is typed on one line and kept within the file's bound.
class NameDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor)) {
            line->setObjectName(QStringLiteral("NameEdit"));
            line->setMaxLength(static_cast<int>(kRecordNameBytes));
            line->setValidator(new qx::SingleLineValidator(line));
            line->setAccessibleName(TRecords::tr("Your name for the new record"));
        }
        return editor;
    }
};

enum Column { kRank, kName, kMoney, kTurns, kDragons, kDate, kLoaded };

QTableWidgetItem* Cell(const QString& text, Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setTextAlignment(align);
    return item;
}

QString NewRecordNews(int rank) {
    //: A new row in a records table as a screen reader tells it; %1 is the place (1 to 10), %2 the money.
    return TRecords::tr("New record: place %1, $%2").arg(rank);
}

}  // namespace

TRecords::TRecords(SinglePlayerSession& session, std::function<std::string()> playerName, QWidget* parent)
    : QDialog(parent), session_(session), playerName_(std::move(playerName)), keeper_(RecordsStore::DefaultPath()) {
    qx::SetupToolWindow(this, QStringLiteral("Records"), tr("Records"), 560, 392, Qt::black);
    setFont(Face());

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(8, 8, 544, 226);
    Table100 = MakeTable(QStringLiteral("Table100"), true);
    Table200 = MakeTable(QStringLiteral("Table200"), true);
    TableEndless = MakeTable(QStringLiteral("TableEndless"), false);
    //: The tabs of the records window, one per game mode.
    PageControl1->addTab(Table100, tr("100 Victims"));
    PageControl1->addTab(Table200, tr("200 Victims"));
    PageControl1->addTab(TableEndless, tr("Endless"));
    // A screen reader names each table as its tab.
    for (int i = 0; i < PageControl1->count(); ++i) PageControl1->widget(i)->setAccessibleName(PageControl1->tabText(i));

    GroupBox1 = qx::MakeGroupBox(this, QStringLiteral("GroupBox1"), tr(" Over every run "), QRect(8, 240, 544, 112));
    BuildFigures();

    ClearBtn = qx::MakeButton(this, QStringLiteral("ClearBtn"), tr("Clear"), QRect(8, 360, 100, 24), false);
    CloseBtn = qx::MakeButton(this, QStringLiteral("CloseBtn"), tr("Close"), QRect(452, 360, 100, 24), false);
    qx::ConnectHandler(ClearBtn, &QPushButton::clicked, this, &TRecords::ClearBtnClick);
    qx::ConnectHandler(CloseBtn, &QPushButton::clicked, this, &TRecords::CloseBtnClick);
    for (QTableWidget* t : {Table100, Table200, TableEndless})
        connect(t, &QTableWidget::itemChanged, this,
                [this](QTableWidgetItem* item) { qx::Guard([&] { TablesItemChanged(item); }); });

    // The window's opening is a flood of events for a screen reader: the new
    // row is told once that has passed.
    news_ = new qx::News(this);
    listener_ = session_.AddListener([this](const SessionView& v) { TakeNews(v); });
    qx::Guard([this] { FormCreate(); });
}

TRecords::~TRecords() { session_.RemoveListener(listener_); }

QTableWidget* TRecords::MakeTable(const QString& name, bool withDragons) {
    QStringList heads{tr("#"), tr("Name"), tr("Money"), tr("Turns"), tr("Dragons"), tr("Date"), tr("Loaded")};
    auto* t = new QTableWidget(0, static_cast<int>(heads.size()), PageControl1);
    t->setObjectName(name);
    t->setHorizontalHeaderLabels(heads);
    t->verticalHeader()->hide();
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    // Only a new row's name is editable: F2 or a double click opens it again.
    t->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::DoubleClicked);
    t->setTabKeyNavigation(false);
    t->setWordWrap(false);
    t->setItemDelegateForColumn(kName, new NameDelegate(t));
    t->verticalHeader()->setDefaultSectionSize(18);
    t->horizontalHeader()->setHighlightSections(false);
    t->horizontalHeader()->setStretchLastSection(true);
    const std::array<int, 7> widths{26, 150, 92, 52, 62, 84, 56};
    for (int c = 0; c < static_cast<int>(widths.size()); ++c) t->setColumnWidth(c, widths[static_cast<std::size_t>(c)]);
    // The endless game is not won: its Dragons are no part of its record.
    if (!withDragons) t->setColumnHidden(kDragons, true);
    QPalette p = t->palette();
    p.setColor(QPalette::Base, Qt::black);
    p.setColor(QPalette::Text, qx::kLime);
    p.setColor(QPalette::Highlight, qx::kNavy);
    p.setColor(QPalette::HighlightedText, Qt::white);
    t->setPalette(p);
    return t;
}

void TRecords::BuildFigures() {
    const QStringList captions{tr("Endless games started:"), tr("Games of 100 started:"), tr("Games of 100 won:"),
                               tr("Games of 200 started:"),  tr("Games of 200 won:"),     tr("Turns:"),
                               tr("Killed Victims:"),        tr("Killed Dragons:"),       tr("Best kill streak:"),
                               tr("Money won:"),             tr("Money lost:")};
    for (int i = 0; i < captions.size(); ++i) {
        const int column = i < 6 ? 0 : 1;
        const int row = i < 6 ? i : i - 6;
        const int x = 8 + column * 268;
        const int y = 18 + row * 15;
        const QString n = QString::number(i + 1);
        QLabel* caption = qx::MakeLabel(GroupBox1, QStringLiteral("Caption") + n, captions[i], QRect(x, y, 196, 15),
                                        Face(), qx::kLime, Qt::AlignLeft | Qt::AlignVCenter);
        QLabel* number = qx::MakeLabel(GroupBox1, QStringLiteral("Figure") + n, QStringLiteral("0"),
                                       QRect(x + 196, y, 60, 15), Face(), qx::kLime, Qt::AlignRight | Qt::AlignVCenter);
        qx::MakeReadable(number);
        figures_.emplace_back(caption, number);
    }
}

void TRecords::FormCreate() { qx::CentreOnScreen(this); }

void TRecords::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    qx::Guard([this] { FormShow(); });
}

void TRecords::FormShow() {
    if (fresh_) QTimer::singleShot(0, this, [this] { qx::Guard([this] { OpenOnFresh(); }); });
}

QTableWidget* TRecords::TableOf(RecordTable table) const {
    switch (table) {
        case RecordTable::Victims100: return Table100;
        case RecordTable::Victims200: return Table200;
        case RecordTable::Endless: return TableEndless;
    }
    return Table100;
}

void TRecords::ShowTables() {
    fresh_.reset();
    Fill();
    PageControl1->setCurrentIndex(0);
    PageControl1->setFocus();
}

void TRecords::Fill() {
    const Records r = keeper_.Store().Load();
    TellProblem();
    filling_ = true;
    for (int t = 0; t < kRecordTables; ++t) FillTable(static_cast<RecordTable>(t), r.Table(static_cast<RecordTable>(t)));
    filling_ = false;
    FillFigures(r.lifetime);
}

void TRecords::FillTable(RecordTable table, const RecordList& list) {
    QTableWidget* t = TableOf(table);
    t->clearContents();
    t->setRowCount(static_cast<int>(list.size()));
    const auto right = Qt::AlignRight | Qt::AlignVCenter;
    for (int row = 0; row < t->rowCount(); ++row) {
        const RecordEntry& e = list[static_cast<std::size_t>(row)];
        const bool fresh = fresh_ && fresh_->table == table && fresh_->stamp == e.stamp;
        t->setItem(row, kRank, Cell(QString::number(row + 1), right));
        // The player's own name as typed; any other as the game shows texts from elsewhere.
        QTableWidgetItem* name = Cell(fresh ? qx::FromAnsi(e.name) : qx::ShownText(e.name));
        t->setItem(row, kName, name);
        t->setItem(row, kMoney, Cell(QStringLiteral("$") + QString::number(e.money), right));
        t->setItem(row, kTurns, Cell(QString::number(e.turns), right));
        t->setItem(row, kDragons, Cell(QString::number(e.dragons), right));
        t->setItem(row, kDate, Cell(QString::fromLatin1(e.date)));
        //: Marks an entry of a game taken up from a savegame slot.
        t->setItem(row, kLoaded, Cell(e.continued ? tr("yes") : QString()));
        if (!fresh) continue;
        name->setFlags(name->flags() | Qt::ItemIsEditable);
        for (int c = 0; c < t->columnCount(); ++c) {
            t->item(row, c)->setBackground(kFreshRow);
            t->item(row, c)->setForeground(Qt::white);
        }
    }
}

void TRecords::FillFigures(const LifetimeFigures& f) {
    const std::array<std::int64_t, 11> values{f.started[1], f.started[2], f.won[2], f.started[3], f.won[3], f.turns,
                                              f.victims,    f.dragons,    f.bestStreak, f.moneyWon, f.moneyLost};
    for (std::size_t i = 0; i < values.size(); ++i) {
        const auto& [caption, number] = figures_[i];
        number->setText(QString::number(values[i]));
        number->setAccessibleName(caption->text() + QLatin1Char(' ') + number->text());
    }
}

void TRecords::TellProblem() {
    const auto problem = keeper_.Store().TakeProblem();
    if (!problem) return;
    const QString kept = qx::FromSystem(qx::SystemText(problem->keptAs));
    if (problem->kind == RecordsProblemKind::Broken)
        //: %1 is the path the damaged file now has.
        qx::ShowMessageText(tr("The records file was damaged. It is kept as \"%1\", and a new one is started.").arg(kept), this);
    else
        //: %1 is the path the unknown file now has.
        qx::ShowMessageText(
            tr("The records file was not made by this version of the game. It is kept as \"%1\", and a new one is started.")
                .arg(kept),
            this);
}

void TRecords::TakeNews(const SessionView& view) {
    if (!view.records) return;
    try {
        const auto taken = keeper_.Take(*view.records, playerName_ ? playerName_() : std::string(), today_());
        TellProblem();
        if (!taken) return;
        fresh_ = taken;
    } catch (const qx::SystemError& e) {
        // The game goes on; the player learns that these figures are not kept.
        //: %1 is the system's cause, a sentence of its own.
        qx::ShowMessageText(tr("The records could not be saved.\n%1").arg(qx::FromSystem(qx::ErrorReportText(e.Text()))),
                            this);
        return;
    }
    // At the end of a session nothing waits for the player: the entry keeps its default name.
    if (view.records->quiet || qx::SessionEndRequested()) return;
    Fill();
    qx::ShowModal(this);
}

void TRecords::OpenOnFresh() {
    if (!fresh_) return;
    QTableWidget* t = TableOf(fresh_->table);
    PageControl1->setCurrentWidget(t);
    t->setFocus();
    t->selectRow(fresh_->rank);
    QTableWidgetItem* name = t->item(fresh_->rank, kName);
    if (!name) return;
    t->setCurrentItem(name);
    t->scrollToItem(name);
    news_->Add(NewRecordNews(fresh_->rank + 1).arg(t->item(fresh_->rank, kMoney)->text().mid(1)));
    t->editItem(name);
}

void TRecords::TablesItemChanged(QTableWidgetItem* item) {
    if (filling_ || !fresh_ || item->column() != kName) return;
    keeper_.Store().Rename(fresh_->stamp, qx::ToAnsi(item->text()));
    TellProblem();
}

void TRecords::ClearBtnClick() {
    if (!qx::ConfirmText(tr("Clear every record and the figures over every run?"), this)) return;
    keeper_.Store().Clear();
    fresh_.reset();
    Fill();
}

void TRecords::CloseBtnClick() { close(); }

}  // namespace quorvex
