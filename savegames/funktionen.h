// What the three slot dialogs (save, load, delete) share: the slot display
// with its group boxes and labels, and the slot preview.
#pragma once

#include "savegames/slotfile.h"

#include <QColor>
#include <QRect>
#include <QString>
#include <QTimer>
#include <array>
#include <optional>
#include <string>

class QGroupBox;
class QLabel;
class QPushButton;
class QWidget;

namespace quorvex {

// The three slots side by side. Entries [1] to [3] are used, so that the
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

// Builds group boxes 1 to 3 with their labels on the form, in its colours:
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

// The fill timer's tick: stop, then preview slots 1, 2 and 3 in this order
// with the dialog's own PreviewSlot.
template <class Dialog>
void PreviewAllSlots(Dialog& dialog) {
    dialog.Timer1->stop();
    for (int n = 1; n <= kSlotCount; ++n) PreviewSlot(dialog, n);
}

// The game type a slot's mode text "1", "2" or "3" stands for; nothing for
// any other text.
std::optional<QString> SlotGameType(const std::string& modeText);

}  // namespace quorvex
