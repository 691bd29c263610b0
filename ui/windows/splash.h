// The splash screen: the logo for about a second at start-up, then the main
// window fades in (or appears at once) by the fade switch.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QTimer>
#include <functional>

namespace quorvex {

class TSplashScr : public QDialog {
    Q_OBJECT
public:
    // onEnd runs as the screen hands over (the main window appears).
    explicit TSplashScr(std::function<void()> onEnd = {}, QWidget* parent = nullptr);
    ~TSplashScr() override;

    // --- handlers (named after component and event) ---
    // Hands over to the main window and closes.
    void Timer1Timer();
    void FormCreate();

    // Starts Timer1, as whoever opens the window does.
    void StartTimer1();

private:
    // --- controls (component names, which are also their object names) ---
    QLabel* Image1;
    QTimer* Timer1;  // 1000 ms, started by the opener

    std::function<void()> onEnd_;
};

}  // namespace quorvex
