// The six pictures a cell of a field can show, held by every window with a
// field (the main window and the two network windows).
#pragma once

#include <QPixmap>
#include <QString>

namespace qx {
class PictureCell;
}

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

// Which field a cell belongs to, for what a screen reader says about it.
enum class FieldKind { Bomb, Own };

// Tells assistive tools the state of a cell that shows the named picture:
// "unmarked", "marked", "Victim", "Victim hit", "Dragon", "Dragon hit"; a cell
// of the own battlefield without a figure is "empty". A marked cell, hit or
// not, counts as checked.
void AnnounceCellState(qx::PictureCell* cell, const QString& pictureName, FieldKind kind);
// After a bombing: a cell of the bomb field that holds no figure is "empty",
// or "marked, empty" where it was marked.
void AnnounceEmptyCell(qx::PictureCell* cell, bool marked);

}  // namespace quorvex
