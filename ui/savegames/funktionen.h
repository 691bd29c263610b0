// What the slot dialogs (save, load, delete) share: the dialog with one
// group box, its labels and its button per slot, a close button, and the
// slot preview. Every part loops over kSlotCount.
#pragma once

#include "core/savegames/slotfile.h"

#include <QColor>
#include <QDialog>
#include <QRect>
#include <QString>
#include <QTimer>
#include <array>
#include <functional>
#include <optional>
#include <string>

class QGroupBox;
class QLabel;
class QPushButton;
class QWidget;

namespace quorvex {

// The slots side by side. Entries [1] to [kSlotCount] are used, so that the
// index is the slot number.
struct SlotDisplay {
    std::array<QGroupBox*, kSlotCount + 1> GroupBox{};
    std::array<QLabel*, kSlotCount + 1> mode{};
    std::array<QLabel*, kSlotCount + 1> dollar{};  // the fixed "$" before the money
    std::array<QLabel*, kSlotCount + 1> geld{};
    std::array<QLabel*, kSlotCount + 1> victimPicture{};
    std::array<QLabel*, kSlotCount + 1> vc{};
    std::array<QLabel*, kSlotCount + 1> dragonPicture{};
    std::array<QLabel*, kSlotCount + 1> dc{};
};

// Builds group boxes 1 to kSlotCount with their labels on the form, in its colours:
// text is the colour of captions and labels, money the colour of geld<N>.
void BuildSlotDisplay(QWidget* form, SlotDisplay& display, const QColor& text, const QColor& money);
// Where the slot button lies inside its group box.
QRect SlotButtonRect();
// Gives a button the desktop's face colour, whatever the form's colours.
void FaceButton(QPushButton* button);

// Shows slot n's labels; false for an empty slot. A missing file only sets
// mode<n> to "No data present"; a file that cannot be read throws before any
// label of the slot changes. Each dialog's PreviewSlot adds its button, and
// a preview never resets a caption or disables a button.
bool PreviewSlotLabels(SlotDisplay& display, int n);

// The player's name as the settings hold it: read for a save, replaced by a load.
struct PlayerNameSource {
    std::function<std::string()> read;
    std::function<void(const std::string&)> write;
};

// How a slot dialog looks; everything else is the same for all of them.
struct SlotDialogLook {
    const char* objectName;
    const char* caption;               // marked with QT_TRANSLATE_NOOP("quorvex::TSlotDialog", ...)
    int height;
    QColor background;
    std::optional<QColor> windowText;  // the form's own text colour, when it sets one
    QColor text;                       // captions and labels
    QColor money;                      // geld<N>
    const char* buttonName;            // the slot buttons are <buttonName>1, 2, ...
    const char* buttonCaption;         // the same
    bool buttonsStartDisabled;
    int closeTop;
};

class TSlotDialog : public QDialog, protected SlotDisplay {
public:
    // [1]..[kSlotCount] the slots, [kClose] "close"
    static constexpr int kClose = kSlotCount + 1;

    // The fill timer's tick: stop, then preview the slots in order.
    void Timer1Timer();
    // Shows slot n's labels and, for an occupied slot, the dialog's button state.
    void PreviewSlot(int n);
    // Starts Timer1, as whoever opens the dialog does.
    void StartTimer1();

protected:
    TSlotDialog(const SlotDialogLook& look, QWidget* parent);

    // --- controls (their object names: <buttonName>1, 2, ... and Timer1) ---
    std::array<QPushButton*, kSlotCount + 2> buttons{};  // the slots, then "close"
    QTimer* Timer1;                                      // fills the slots just after opening

    // Connects each button to the dialog's named handler: [1]..[kSlotCount]
    // the slots' buttons, [kClose] "close" ([0] unused). A slot more means a
    // handler more, or this does not compile.
    template <class Dialog>
    void WireButtons(const std::array<void (Dialog::*)(), kSlotCount + 2>& handlers) {
        for (int n = 1; n <= kClose; ++n) {
            void (Dialog::*handler)() = handlers[static_cast<std::size_t>(n)];
            ConnectButton(n, [this, handler] { (static_cast<Dialog*>(this)->*handler)(); });
        }
    }

    // A slot's button was clicked.
    virtual void SlotClick(int n) = 0;
    // What an occupied slot's button shows.
    virtual void ShowOccupied(int n) = 0;

private:
    void ConnectButton(int n, std::function<void()> handler);
};

// The game type a slot's mode text "1", "2" or "3" stands for; nothing for
// any other text.
std::optional<QString> SlotGameType(const std::string& modeText);

// ReadSlot, with a damaged slot's report worded for the player (qx::ShownError).
SlotTexts ReadSlotShown(int n, BlankRule rule);

// Slot n's file name without ".save" ("Slot1"), as the messages name it.
QString SlotName(int n);

}  // namespace quorvex
