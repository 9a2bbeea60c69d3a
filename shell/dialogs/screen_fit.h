#pragma once
// The game's own windows beside the main one (help, licence) open wholly on
// the screen they open on: frame and all inside its free area, shrunk where
// they would not fit, centred over the window they belong to.

#include <QMargins>
#include <QRect>
#include <QSize>

class QWidget;

// A typical title bar and border, for as long as the window system has not
// said how it decorates a window.
inline constexpr QMargins kTypicalFrame(4, 30, 4, 4);

// The window's place (its frame's top-left corner, as move() takes it) and
// size (without the frame): `wanted` shrunk to fit `available` with `frame`
// round it, centred on `centre`, moved wholly inside `available`.
QRect FitWithin(QSize wanted, const QMargins& frame, QPoint centre, const QRect& available);

// Gives `window` its size and place by FitWithin, over `owner`'s window on
// the screen that shows it, with the frame the window system gives (or a
// typical one before it has said). Centred across the owner, and `down` of
// the way down it (a half: centred).
void PlaceOnOwnersScreen(QWidget* window, QSize wanted, const QWidget* owner, double down = 0.5);
