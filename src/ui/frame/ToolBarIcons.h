#pragma once
// The tool bar's icons, drawn like the tree's so that they share its look
// and turn light at night with it.
#include <QIcon>

namespace marigold {

// The icon of a tool-bar command (16, 24 and 32 pixels); a null icon for a
// command the tool bar does not hold.
QIcon ToolBarIcon(int commandId);

}  // namespace marigold
