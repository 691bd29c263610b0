#include "ui/game/fieldpictures.h"

#include "ui/platform/controls.h"
#include "ui/platform/dialogs.h"
#include "ui/platform/pictures.h"

#include <QCoreApplication>

namespace quorvex {

void FieldPictures::LoadFieldPictures() {
    SmileImage = qx::Picture(QStringLiteral(":/assets/smile.png"));
    MarkImage = qx::Picture(QStringLiteral(":/assets/mark.png"));
    VictimImage = qx::Picture(QStringLiteral(":/assets/victim.png"));
    VictimHitImage = qx::Picture(QStringLiteral(":/assets/victimhit.png"));
    DragonImage = qx::Picture(QStringLiteral(":/assets/dragon.png"));
    DragonHitImage = qx::Picture(QStringLiteral(":/assets/dragonhit.png"));
}

const QPixmap& FieldPictures::PictureOf(CellLook look) const {
    switch (look) {
        case CellLook::Mark: return MarkImage;
        case CellLook::Victim: return VictimImage;
        case CellLook::VictimHit: return VictimHitImage;
        case CellLook::Dragon: return DragonImage;
        case CellLook::DragonHit: return DragonHitImage;
        case CellLook::Smile: break;
    }
    return SmileImage;
}

void FieldPictures::ShowLook(qx::PictureCell* cell, CellLook look, FieldKind kind) const {
    cell->SetPicture(PictureOf(look), PictureName(look));
    AnnounceCellState(cell, look, kind);
}

std::array<qx::PictureCell*, 25> FieldPictures::BuildField(QWidget* box, int first, FieldKind kind,
                                                            std::function<void(int)> onClick) const {
    std::array<qx::PictureCell*, 25> cells{};
    for (int k = 0; k < 25; ++k) {
        auto* cell = new qx::PictureCell(box, QStringLiteral("Image%1").arg(first + k), first + k);
        cell->move(8 + 24 * (k % 5), 16 + 24 * (k / 5));
        ShowLook(cell, CellLook::Smile, kind);
        QObject::connect(cell, &qx::PictureCell::clicked, box, [onClick](int n) { qx::Guard([&] { onClick(n); }); });
        cells[static_cast<std::size_t>(k)] = cell;
    }
    return cells;
}

QString PictureName(CellLook look) {
    switch (look) {
        case CellLook::Mark: return QStringLiteral("MarkImage");
        case CellLook::Victim: return QStringLiteral("VictimImage");
        case CellLook::VictimHit: return QStringLiteral("VictimHitImage");
        case CellLook::Dragon: return QStringLiteral("DragonImage");
        case CellLook::DragonHit: return QStringLiteral("DragonHitImage");
        case CellLook::Smile: break;
    }
    return QStringLiteral("SmileImage");
}

// A cell's state is told by a screen reader after the cell's name.
void AnnounceCellState(qx::PictureCell* cell, CellLook look, FieldKind kind) {
    QString state;
    switch (look) {
        case CellLook::Mark: state = QCoreApplication::translate("FieldPictures", "marked"); break;
        case CellLook::Victim: state = QCoreApplication::translate("FieldPictures", "Victim"); break;
        case CellLook::VictimHit: state = QCoreApplication::translate("FieldPictures", "Victim hit"); break;
        case CellLook::Dragon: state = QCoreApplication::translate("FieldPictures", "Dragon"); break;
        case CellLook::DragonHit: state = QCoreApplication::translate("FieldPictures", "Dragon hit"); break;
        case CellLook::Smile:
            state = kind == FieldKind::Own ? QCoreApplication::translate("FieldPictures", "empty")
                                           : QCoreApplication::translate("FieldPictures", "unmarked");
            break;
    }
    cell->SetChecked(IsMarked(look));
    cell->SetStateText(state);
}

void AnnounceEmptyCell(qx::PictureCell* cell, bool marked) {
    cell->SetStateText(marked ? QCoreApplication::translate("FieldPictures", "marked, empty")
                              : QCoreApplication::translate("FieldPictures", "empty"));
}

}  // namespace quorvex
