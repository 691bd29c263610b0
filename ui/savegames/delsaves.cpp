#include "ui/savegames/delsaves.h"

#include "ui/platform/controls.h"
#include "ui/platform/dialogs.h"
#include "core/platform/files.h"
#include "ui/platform/look.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace quorvex {

namespace {
const SlotDialogLook kLook{"DelMenu", "Manage savegames", 185, qx::kFace, QColor(Qt::black), Qt::black, qx::kNavy,
                           "BitBtn", "delete", true, 150};
}  // namespace

TDelMenu::TDelMenu(QWidget* parent) : TSlotDialog(kLook, parent) {
    WireButtons<TDelMenu>({nullptr, &TDelMenu::BitBtn1Click, &TDelMenu::BitBtn2Click, &TDelMenu::BitBtn3Click, &TDelMenu::BitBtn4Click});
}

void TDelMenu::ShowOccupied(int n) { BitBtn[n]->setEnabled(true); }

void TDelMenu::DeleteSlot(int n) {
    const std::string slot = "Slot" + std::to_string(n);
    if (!qx::Confirm("Delete savegame in " + slot + "?", this)) return;
    if (!qx::RemoveFile(SlotPath(n))) {
        qx::ShowMessage("Could not delete file \"" + slot + ".save\". File not found or write protected", this);
        return;
    }
    qx::ShowMessage("Savegame in " + slot + " deleted!", this);
    GroupBox[n]->setTitle(QString::fromStdString(slot));
    geld[n]->setText(QStringLiteral("000"));
    vc[n]->setText(QStringLiteral("0"));
    dc[n]->setText(QStringLiteral("0"));
    PreviewSlot(n);
}

void TDelMenu::BitBtn1Click() { DeleteSlot(1); }
void TDelMenu::BitBtn2Click() { DeleteSlot(2); }
void TDelMenu::BitBtn3Click() { DeleteSlot(3); }
void TDelMenu::BitBtn4Click() { close(); }

}  // namespace quorvex
