// The layout properties that Qt Designer has no field for, stored as dynamic properties
// of the form and its controls and applied when the form is set up:
//   FontHeight  the character height in pixels (em height, as the desktop's font height)
//   FontColor   the text colour, "#RRGGBB"
//   Color       the background colour, "#RRGGBB"
//   Transparent true: the control paints no background, what lies below shows through
#pragma once

class QWidget;

namespace layout_properties {

// Applies them to the window and all its controls, parents before children.
void ApplyFonts(QWidget& window);

} // namespace layout_properties
