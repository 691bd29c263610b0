// The help viewer: shows "help.txt" from the folder the game was started in.
#pragma once

#include <QDialog>
#include <QPlainTextEdit>
#include <QPushButton>

namespace quorvex {

class THelp : public QDialog {
    Q_OBJECT
public:
    explicit THelp(QWidget* parent = nullptr);
    ~THelp() override;

    // --- handlers (named after component and event) ---
    // Centres the window and loads "help.txt" once; later changes to the file are not seen.
    void FormCreate();
    void SpeedButton1Click();  // "close"

private:
    // --- controls (component names, which are also their object names) ---
    QPlainTextEdit* Memo1;
    QPushButton* SpeedButton1;
};

}  // namespace quorvex
