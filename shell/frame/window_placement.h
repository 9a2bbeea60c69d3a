#pragma once
// Where the main window opens: where the player left it, if that is still on
// a screen; otherwise at the board's base size, or smaller and centred when
// the base size does not fit the screen. What is remembered lives in its own
// "Window" key, next to the settings.

#include <QList>
#include <QMargins>
#include <QRect>
#include <QSize>

inline constexpr const char* kWindowKey = "Window";

struct WindowPlacement {
    // The top-left corner of the window's frame, where the window system
    // places it, and the size of the window within the frame; null when none
    // is known.
    QRect geometry;
    bool maximised = false;
    bool fullScreen = false;
};

// The remembered placement; a stored width or height of 0 (or none) leaves
// the geometry null.
WindowPlacement ReadWindowPlacement();
// Remembers a placement; a null geometry keeps the one stored before.
void WriteWindowPlacement(const WindowPlacement& placement);

// The window, without its frame, for a board of `board` pixels shown at
// `scale` inside `chrome` (menu bar, toolbar and status bar around the view).
QSize WindowSizeFor(QSize board, QSize chrome, double scale);

// The opening placement (as WindowPlacement::geometry) on a screen whose free
// area is `available`: the base size when the window fits there with its
// `frame`, otherwise the board at the largest scale that fits (never below
// half), centred in that area.
QRect FitOnScreen(QSize board, QSize chrome, const QMargins& frame, const QRect& available);

// Where a remembered placement opens on today's screens (their free areas):
// wholly inside the screen that shows most of it, moved and if need be shrunk
// (a window saved on a larger monitor must not hang off a laptop's screen);
// centred in `fallback`, keeping what of its size fits there, when no screen
// shows enough of it to take hold of.
QRect PlaceOnScreens(QRect placement, const QMargins& frame, const QList<QRect>& screens,
                     const QRect& fallback);
