#pragma once
// The eleven icons of the navigation tree and the list rows, drawn here
// rather than shipped as bitmaps. Index 10 marks the selected tree item.
#include <QIcon>
#include <QPixmap>

class QPainter;

namespace marigold {

// Draws one icon on a 32 by 32 grid with the outline pen already set.
using CIconDrawing = void (*)(QPainter&);

// A drawing as a pixmap `size` pixels square, outlined for day or night as
// SetNightIcons last said; the tree's and the tool bar's icons share it.
QPixmap DrawnPixmap(CIconDrawing draw, int size);

// One icon, `size` pixels square (drawn on a 32 by 32 grid); an empty
// pixmap for an index outside 0 to 10.
QPixmap TreeIconPixmap(int index, int size = 32);

// A tree item's icon: `image` while not selected, the selected image while
// selected.
QIcon TreeItemIcon(int image);

// The program's icon (a track through three waypoints) for every window.
QIcon ProgramIcon();

// Icons drawn from now on have light outlines for dark grounds (night) or
// navy ones (day).
void SetNightIcons(bool night);

}  // namespace marigold
