// What the layer offers a screen reader beyond Qt's own accessible interfaces:
// - a key pressed through the accessibility interface clicks once the screen reader has
//   had its answer, even when its handler opens a modal window;
// - a window's client area offers only the controls that lie wholly inside it, so that keys
//   below the lower edge of a short window are not read out until the window grows;
// - a panel with an accessible name from its layout reads as that name and its caption
//   ("память: Пусто"), so that its state is heard with what it is;
// - a button whose caption changes at run time takes the spoken name for each caption from
//   its layout property AccessibleNames: a list of captions each followed by its name.
#pragma once

class QAbstractButton;
class QWidget;

namespace accessibility {

// Once, before any window exists.
void InstallInterfaces();

// Tells a screen reader of controls that come into or go out of the client area when the
// window changes its height.
void WatchClientArea(QWidget& clientArea);

// Sets the button's accessible name for its current caption, when its layout names one.
void NameForCaption(QAbstractButton& button);

// The panel's caption or hint changed: a screen reader hears it.
void AnnounceNameChange(QWidget& control);
void AnnounceDescriptionChange(QWidget& control);

} // namespace accessibility
