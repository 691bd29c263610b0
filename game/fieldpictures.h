// The six pictures a cell of a field can show, held by every window with a
// field (the main window and the two network windows).
#pragma once

#include <QPixmap>

namespace quorvex {

struct FieldPictures {
    QPixmap SmileImage;      // unmarked, not revealed
    QPixmap MarkImage;       // marked, or marked and found empty
    QPixmap VictimImage;     // a Victim not hit
    QPixmap VictimHitImage;  // a Victim hit
    QPixmap DragonImage;     // a Dragon not hit
    QPixmap DragonHitImage;  // a Dragon hit

    // Loads the six pictures from the compiled-in resources.
    void LoadFieldPictures();
};

}  // namespace quorvex
