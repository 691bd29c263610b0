#include "ui/game/fieldpictures.h"

#include "ui/platform/controls.h"
#include "ui/platform/pictures.h"

namespace quorvex {

void FieldPictures::LoadFieldPictures() {
    SmileImage = qx::Picture(QStringLiteral(":/assets/smile.png"));
    MarkImage = qx::Picture(QStringLiteral(":/assets/mark.png"));
    VictimImage = qx::Picture(QStringLiteral(":/assets/victim.png"));
    VictimHitImage = qx::Picture(QStringLiteral(":/assets/victimhit.png"));
    DragonImage = qx::Picture(QStringLiteral(":/assets/dragon.png"));
    DragonHitImage = qx::Picture(QStringLiteral(":/assets/dragonhit.png"));
}

void AnnounceCellState(qx::PictureCell* cell, const QString& pictureName, FieldKind kind) {
    QString state;
    if (pictureName == QLatin1String("MarkImage"))
        state = QStringLiteral("marked");
    else if (pictureName == QLatin1String("VictimImage"))
        state = QStringLiteral("Victim");
    else if (pictureName == QLatin1String("VictimHitImage"))
        state = QStringLiteral("Victim hit");
    else if (pictureName == QLatin1String("DragonImage"))
        state = QStringLiteral("Dragon");
    else if (pictureName == QLatin1String("DragonHitImage"))
        state = QStringLiteral("Dragon hit");
    else
        state = kind == FieldKind::Own ? QStringLiteral("empty") : QStringLiteral("unmarked");
    cell->SetChecked(pictureName == QLatin1String("MarkImage") || pictureName == QLatin1String("VictimHitImage") ||
                     pictureName == QLatin1String("DragonHitImage"));
    cell->SetStateText(state);
}

void AnnounceEmptyCell(qx::PictureCell* cell, bool marked) {
    cell->SetStateText(marked ? QStringLiteral("marked, empty") : QStringLiteral("empty"));
}

}  // namespace quorvex
