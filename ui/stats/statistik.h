// The statistics window: eleven figures of the current run, filled in by a
// one-shot timer just after the window is shown.
#pragma once

#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QTimer>
#include <array>
#include <cstdint>

#include "core/stats/statistics.h"

namespace quorvex {

class Tstat : public QDialog {
    Q_OBJECT
public:
    // Shows the figures of this run's record.
    explicit Tstat(const PlayerStatistics& figures, QWidget* parent = nullptr);
    ~Tstat() override;

    // --- handlers (named after component and event) ---
    void Timer1Timer();
    void FormCreate();
    void FormClose();

    // Starts Timer1, as whoever opens the window does.
    void StartTimer1();

private:
    // --- controls (component names, which are also their object names) ---
    QFrame* Bevel1;
    QFrame* Bevel2;
    QFrame* Bevel3;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label12;
    QLabel* Label10;
    QLabel* Label11;
    QLabel* Label6;
    QLabel* Label7;
    QLabel* Label8;
    QLabel* Label9;
    QLabel* DKillsL;
    QLabel* TKillsL;
    QLabel* MKillsL;
    QLabel* UKillsL;
    QLabel* BombedL;
    QLabel* HitsL;
    QLabel* MissesL;
    QLabel* VictimsL;
    QLabel* DragonsL;
    QLabel* WonL;
    QLabel* LostL;
    QTimer* Timer1;  // one-shot fill, 100 ms; the opener enables it

    // The captions, then the numbers, each in reading order.
    void BuildLabels();

    // A number label keeps its right edge when its text changes.
    struct NumberRow {
        QLabel* label;
        int right;
        std::int32_t PlayerStatistics::*figure;
        QLabel* caption;
    };
    std::array<NumberRow, 11> rows_{};
    const PlayerStatistics& figures_;
};

}  // namespace quorvex
