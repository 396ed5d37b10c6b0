#pragma once
// Night colours for the bridge at night: dark backgrounds and dim red text
// on every window and dialog of the program, and the drawn icons in a light
// variant so that they stay visible.
#include <QPalette>

namespace marigold {

// The palette of the night: near-black grounds, dim red text, amber marks.
QPalette NightPalette();

// Puts the whole program (every open and later window, dialogs and menus
// included) in night or day colours.
void ApplyNightColours(bool night);

}  // namespace marigold
