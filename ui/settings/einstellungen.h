// The settings dialog. Its three text fields are the live values of the three
// names for the whole run: other windows read and set them through the
// accessors below, and only a commit writes them to "setup.ini".
#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <string>

namespace quorvex {

class MainDisplay;

class TSetup : public QDialog {
    Q_OBJECT
public:
    // A commit shows the player's name on the display, when there is one.
    explicit TSetup(MainDisplay* display = nullptr, QWidget* parent = nullptr);
    ~TSetup() override;

    // --- handlers (named after component and event) ---
    void FormCreate();
    void SpeedButton3Click();  // "default"
    void SpeedButton2Click();  // "cancel"
    void SpeedButton1Click();  // "close": validate, write, close

    // --- the live names, as 8-bit texts ---
    std::string PlayerName() const;
    void SetPlayerName(const std::string& name);
    std::string MultiName() const;
    std::string ServerName() const;
    void SetServerName(const std::string& name);

    // Presses the commit button as a user would: down, a short wait that keeps
    // the windows responsive, up. The release runs the commit.
    void PressCommit();

private:
    // --- controls (component names, which are also their object names) ---
    QLabel* SpielernameLabel;
    QLineEdit* Spielername;
    QLabel* Label2;
    QLineEdit* Multiname;
    QLabel* Label1;
    QLineEdit* Servername;
    QCheckBox* CheckBox1;  // "Splash"
    QCheckBox* CheckBox2;  // "Fade"
    QPushButton* SpeedButton1;
    QPushButton* SpeedButton2;
    QPushButton* SpeedButton3;

    MainDisplay* display_;
};

}  // namespace quorvex
