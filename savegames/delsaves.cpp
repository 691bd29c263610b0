#include "savegames/delsaves.h"

#include "game/application.h"
#include "platform/controls.h"
#include "platform/desktop.h"
#include "platform/dialogs.h"
#include "platform/files.h"

#include <QGroupBox>
#include <QLabel>
#include <QTimer>

namespace quorvex {

TDelMenu::TDelMenu(QWidget* parent) : QDialog(parent) {
    qx::SetupToolWindow(this, QStringLiteral("DelMenu"), QStringLiteral("Manage savegames"), 500, 185, qx::kFace);
    qx::SetColours(this, Qt::black, qx::kFace);
    BuildSlotDisplay(this, *this, Qt::black, qx::kNavy);

    for (int n = 1; n <= kSlotCount; ++n) {
        BitBtn[n] = qx::MakeButton(GroupBox[n], QStringLiteral("BitBtn%1").arg(n), QStringLiteral("delete"),
                                   SlotButtonRect(), false);
        FaceButton(BitBtn[n]);
        BitBtn[n]->setEnabled(false);
    }
    BitBtn[4] = qx::MakeButton(this, QStringLiteral("BitBtn4"), QStringLiteral("close"), QRect(8, 150, 100, 26), false);
    FaceButton(BitBtn[4]);
    qx::ConnectHandler(BitBtn[1], &QPushButton::clicked, this, &TDelMenu::BitBtn1Click);
    qx::ConnectHandler(BitBtn[2], &QPushButton::clicked, this, &TDelMenu::BitBtn2Click);
    qx::ConnectHandler(BitBtn[3], &QPushButton::clicked, this, &TDelMenu::BitBtn3Click);
    qx::ConnectHandler(BitBtn[4], &QPushButton::clicked, this, &TDelMenu::BitBtn4Click);

    // The 1 ms fill timer, stopped: whoever opens the dialog starts it.
    Timer1 = qx::MakeTimer(this, QStringLiteral("Timer1"), 1, &TDelMenu::Timer1Timer);

    FormCreate();
}

void TDelMenu::FormCreate() { qx::CentreOnScreen(this); }

void TDelMenu::Timer1Timer() {
    PreviewAllSlots(*this);
}

void PreviewSlot(TDelMenu& dialog, int n) {
    if (PreviewSlotLabels(dialog, n)) dialog.BitBtn[n]->setEnabled(true);
}

void DeleteSlot(int n) {
    const std::string slot = "Slot" + std::to_string(n);
    if (!qx::Confirm("Delete savegame in " + slot + "?", DelMenu)) return;
    if (!qx::RemoveFile(SlotPath(n))) {
        qx::ShowMessage("Could not delete file \"" + slot + ".save\". File not found or write protected", DelMenu);
        return;
    }
    qx::ShowMessage("Savegame in " + slot + " deleted!", DelMenu);
    if (!DelMenu) return;
    TDelMenu& d = *DelMenu;
    d.GroupBox[n]->setTitle(QString::fromStdString(slot));
    d.geld[n]->setText(QStringLiteral("000"));
    d.vc[n]->setText(QStringLiteral("0"));
    d.dc[n]->setText(QStringLiteral("0"));
    PreviewSlot(d, n);
}

void TDelMenu::BitBtn1Click() { DeleteSlot(1); }
void TDelMenu::BitBtn2Click() { DeleteSlot(2); }
void TDelMenu::BitBtn3Click() { DeleteSlot(3); }
void TDelMenu::BitBtn4Click() { close(); }

}  // namespace quorvex
