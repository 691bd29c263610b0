// The about box: the logo, two panels of credits that scroll endlessly through
// the band between logo and buttons, and buttons to the two web sites.
#pragma once

#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <array>

namespace quorvex {

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);
    ~TAboutBox() override;

    static constexpr int kLinesPerPanel = 18;
    static constexpr int kScroller1Top = 216;
    static constexpr int kScroller2Top = 568;

    // --- handlers (named after component and event) ---
    void FormCreate();
    void SpeedButton2Click();  // the maker group's site
    void SpeedButton1Click();  // the author's site
    void SpeedButton3Click();  // "close"
    void Timer1Timer();        // one pixel up per tick, wrapping to 440
    void scroller1Click();     // pause / resume (both panels)
    void StaticText1Click();   // pause / resume (every credit line)
    // Stops the scrolling and puts the panels back, so every opening starts at the top.
    bool FormCloseQuery();

    // Starts Timer1, as whoever opens the window does.
    void StartTimer1();

public slots:
    // Every way of closing (button, close box, Escape) ends here.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // --- controls (component names, which are also their object names) ---
    QFrame* scroller2;
    QFrame* scroller1;
    QFrame* Panel2;
    QLabel* Image1;
    QFrame* Panel3;
    QPushButton* SpeedButton3;
    QPushButton* SpeedButton2;
    QPushButton* SpeedButton1;
    QTimer* Timer1;
    // StaticText[1]..[18] on scroller1, [19]..[36] on scroller2.
    std::array<QLabel*, 2 * kLinesPerPanel + 1> StaticText{};

    void FillScroller(QFrame* panel, int firstNumber);
};

}  // namespace quorvex
