#include "ui/savegames/save.h"

#include "core/game/playsession.h"
#include "ui/platform/access.h"
#include "ui/platform/controls.h"
#include "ui/platform/dialogs.h"
#include "core/platform/files.h"
#include "ui/platform/look.h"

#include <QLabel>
#include <QPushButton>

namespace quorvex {

namespace {

// The amount shows alone; a screen reader reads it with its caption. Orca
// reads a dialog's labels as it opens, each distinct name once: the caption
// takes the same name, so the price is read once, whole.
void SetPrice(QLabel* caption, QLabel* amount, std::int64_t price) {
    amount->setText(QString::number(price));
    amount->setAccessibleName(caption->text() + amount->text());
    caption->setAccessibleName(amount->accessibleName());
}

}  // namespace

namespace {
const SlotDialogLook kLook{"SpeicherMenu", QT_TRANSLATE_NOOP("quorvex::TSlotDialog", "Save game"), 188, Qt::black,
                           std::nullopt, Qt::white, qx::kLime, "SpeedButton", QT_TRANSLATE_NOOP("quorvex::TSlotDialog", "save"),
                           false, 152};
}  // namespace

TSpeicherMenu::TSpeicherMenu(SinglePlayerSession& session, PlayerNameSource playerName, QWidget* parent)
    : TSlotDialog(kLook, parent), session_(session), playerName_(std::move(playerName)) {
    Label1 = qx::MakeLabel(this, QStringLiteral("Label1"), tr("current price for saving: $"),
                           QRect(172, 155, 248, 20), qx::VerdanaPx(11, true), Qt::white,
                           Qt::AlignRight | Qt::AlignVCenter);
    Label2 = qx::MakeLabel(this, QStringLiteral("Label2"), QStringLiteral("0"), QRect(420, 155, 72, 20),
                           qx::VerdanaPx(11, true), qx::kLime, Qt::AlignLeft | Qt::AlignVCenter);
    WireButtons<TSpeicherMenu>({nullptr, &TSpeicherMenu::BitBtn1Click, &TSpeicherMenu::BitBtn2Click, &TSpeicherMenu::BitBtn3Click, &TSpeicherMenu::BitBtn4Click});
    // The amount is read with its caption, and reached by Tab.
    qx::MakeReadable(Label2);
    SetPrice(Label1, Label2, 0);
    // The label follows the price while the dialog is closed too.
    listener_ = session_.AddListener([this](const SessionView& view) {
        if (view.savePrice) SetPrice(Label1, Label2, view.price);
    });
}

TSpeicherMenu::~TSpeicherMenu() { session_.RemoveListener(listener_); }

void TSpeicherMenu::ShowPrice() { SetPrice(Label1, Label2, session_.SavePrice()); }

void TSpeicherMenu::showEvent(QShowEvent* event) {
    ShowPrice();
    TSlotDialog::showEvent(event);
}

void TSpeicherMenu::ShowOccupied(int n) { SpeedButton[n]->setText(tr("overwrite")); }

bool TSpeicherMenu::MayWrite(int n) {
    return !qx::FileExists(SlotPath(n)) || qx::ConfirmText(tr("Savegame already exists. Overwrite?"), this);
}

std::string TSpeicherMenu::PlayerName() const { return playerName_.read ? playerName_.read() : std::string(); }

bool TSpeicherMenu::WriteSlot(int n, std::int64_t money) {
    if (!MayWrite(n)) return false;
    session_.WriteSlot(n, PlayerName(), money);
    PreviewSlot(n);
    return true;
}

void TSpeicherMenu::SlotClick(int n) {
    // The slot holds the money after the price; it is taken only once the
    // file is written, so a declined or failed save costs nothing.
    if (!MayWrite(n)) return;
    const std::int64_t price = session_.SavePrice();
    session_.SaveToSlot(n, PlayerName());
    PreviewSlot(n);
    Timer1->start();
    ShowPrice();
    qx::Announce(this, tr("Saved to slot %1 for $%2").arg(n).arg(price));
}

void TSpeicherMenu::BitBtn1Click() { SlotClick(1); }
void TSpeicherMenu::BitBtn2Click() { SlotClick(2); }
void TSpeicherMenu::BitBtn3Click() { SlotClick(3); }
void TSpeicherMenu::BitBtn4Click() { close(); }

bool TSpeicherMenu::FormCloseQuery() {
    // The price the main window works out next is charged again.
    session_.EndFreeSave();
    return true;
}

void TSpeicherMenu::reject() {
    if (qx::CloseAllowed([this] { return FormCloseQuery(); })) QDialog::reject();
}

}  // namespace quorvex
