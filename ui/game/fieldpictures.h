// The six pictures a cell of a field can show, held by every window with a
// field (the main window and the two network windows), and the one builder
// of a 5 by 5 field.
#pragma once

#include "core/game/celllook.h"

#include <QPixmap>
#include <QString>
#include <array>
#include <functional>

class QWidget;

namespace qx {
class PictureCell;
}

namespace quorvex {

// Which field a cell belongs to, for what a screen reader says about it.
enum class FieldKind { Bomb, Own };

struct FieldPictures {
    QPixmap SmileImage;      // unmarked, not revealed
    QPixmap MarkImage;       // marked, or marked and found empty
    QPixmap VictimImage;     // a Victim not hit
    QPixmap VictimHitImage;  // a Victim hit
    QPixmap DragonImage;     // a Dragon not hit
    QPixmap DragonHitImage;  // a Dragon hit

    // Loads the six pictures from the compiled-in resources.
    void LoadFieldPictures();
    // The picture of a look.
    const QPixmap& PictureOf(CellLook look) const;
    // Shows the look on the cell and tells assistive tools its state.
    void ShowLook(qx::PictureCell* cell, CellLook look, FieldKind kind) const;
    // The 25 cells of a field in box, numbered first..first+24 row by row and
    // named "Image<number>", all smiling; a click hands onClick the number.
    std::array<qx::PictureCell*, 25> BuildField(QWidget* box, int first, FieldKind kind,
                                                 std::function<void(int)> onClick) const;
};

// The picture name a look is shown under ("SmileImage", "MarkImage", ...).
QString PictureName(CellLook look);

// Tells assistive tools the state of a cell with that look: "unmarked",
// "marked", "Victim", "Victim hit", "Dragon", "Dragon hit"; a cell of the own
// battlefield without a figure is "empty". A marked cell, hit or not, counts
// as checked.
void AnnounceCellState(qx::PictureCell* cell, CellLook look, FieldKind kind);
// After a bombing: a cell of the bomb field that holds no figure is "empty",
// or "marked, empty" where it was marked.
void AnnounceEmptyCell(qx::PictureCell* cell, bool marked);

}  // namespace quorvex
