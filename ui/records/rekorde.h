// The records window: the ten best games of each mode in a table of its own,
// and the player's figures over every run. It follows the session's games
// (core/records keeps and ranks them) and opens by itself on a new record,
// the row highlighted and its name ready to edit.
#pragma once

#include "core/game/playsession.h"
#include "core/records/records.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QGroupBox;
namespace qx {
class News;
}

namespace quorvex {

class TRecords : public QDialog {
    Q_OBJECT
public:
    // Follows the games of `session`; a new entry is named `playerName()`
    // (the settings' player name) until the player types another.
    TRecords(SinglePlayerSession& session, std::function<std::string()> playerName, QWidget* parent = nullptr);
    ~TRecords() override;

    // --- handlers (named after component and event) ---
    void FormCreate();
    void FormShow();
    void ClearBtnClick();
    void CloseBtnClick();
    // A name typed into a table's new row and kept with Enter.
    void TablesItemChanged(QTableWidgetItem* item);

    // The menu's opening: the tables as the file holds them, the first shown.
    void ShowTables();
    // Where a new entry's date comes from: today's, or a test's fixed one.
    void SetDateSource(std::function<std::string()> today) { today_ = std::move(today); }
    // The row just taken, if any: its table and rank.
    std::optional<TakenRecord> FreshRecord() const { return fresh_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    // --- controls (component names, which are also their object names) ---
    QTabWidget* PageControl1;
    QTableWidget* Table100;
    QTableWidget* Table200;
    QTableWidget* TableEndless;
    QGroupBox* GroupBox1;  // the figures over every run
    std::vector<std::pair<QLabel*, QLabel*>> figures_;  // caption, number
    QPushButton* ClearBtn;
    QPushButton* CloseBtn;
    qx::News* news_ = nullptr;

    QTableWidget* TableOf(RecordTable table) const;
    QTableWidget* MakeTable(const QString& name, bool withDragons);
    void BuildFigures();
    // Reads the file and fills every control; a problem with it is told once.
    void Fill();
    void FillTable(RecordTable table, const RecordList& list);
    void FillFigures(const LifetimeFigures& f);
    void TellProblem();
    // One view of the session: its figures and finished game to the file.
    void TakeNews(const SessionView& view);
    // Opens on a new record: highlighted, announced, its name in an editor.
    void OpenOnFresh();

    SinglePlayerSession& session_;
    int listener_ = 0;
    std::function<std::string()> playerName_;
    std::function<std::string()> today_ = TodayText;
    RecordsKeeper keeper_;
    std::optional<TakenRecord> fresh_;
    bool filling_ = false;
};

}  // namespace quorvex
