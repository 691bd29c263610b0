#include "game/fieldpictures.h"

#include "platform/desktop.h"

namespace quorvex {

void FieldPictures::LoadFieldPictures() {
    SmileImage = qx::Picture(QStringLiteral(":/assets/smile.png"));
    MarkImage = qx::Picture(QStringLiteral(":/assets/mark.png"));
    VictimImage = qx::Picture(QStringLiteral(":/assets/victim.png"));
    VictimHitImage = qx::Picture(QStringLiteral(":/assets/victimhit.png"));
    DragonImage = qx::Picture(QStringLiteral(":/assets/dragon.png"));
    DragonHitImage = qx::Picture(QStringLiteral(":/assets/dragonhit.png"));
}

}  // namespace quorvex
