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
const SlotDialogLook kLook{"DelMenu", QT_TRANSLATE_NOOP("quorvex::TSlotDialog", "Manage savegames"), 185, qx::kFace,
                           QColor(Qt::black), Qt::black, qx::kNavy, "BitBtn", QT_TRANSLATE_NOOP("quorvex::TSlotDialog", "delete"),
                           true, 150};
}  // namespace

TDelMenu::TDelMenu(QWidget* parent) : TSlotDialog(kLook, parent) {
    WireButtons<TDelMenu>({nullptr, &TDelMenu::BitBtn1Click, &TDelMenu::BitBtn2Click, &TDelMenu::BitBtn3Click, &TDelMenu::BitBtn4Click});
}

void TDelMenu::ShowOccupied(int n) { BitBtn[n]->setEnabled(true); }

void TDelMenu::DeleteSlot(int n) {
    // The slot's file name without ".save": a name, never translated.
    const QString slot = SlotName(n);
    if (!qx::ConfirmText(tr("Delete savegame in %1?").arg(slot), this)) return;
    if (!qx::RemoveFile(SlotPath(n))) {
        qx::ShowMessageText(tr("Could not delete file \"%1.save\". File not found or write protected").arg(slot), this);
        return;
    }
    qx::ShowMessageText(tr("Savegame in %1 deleted!").arg(slot), this);
    GroupBox[n]->setTitle(slot);
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
