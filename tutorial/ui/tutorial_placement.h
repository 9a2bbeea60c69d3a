#pragma once
// Where the tutorial window goes. With room on the screen beside the main
// window, it covers nothing of the board (nor, where it can help it, of the
// main window); without, it covers as little as it can of what its page
// shows, then of the rest of the board. Among equal places, the nearest to
// the view's lower left corner, where the tutorial first stood.

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

struct TutorialScene {
    QRect available;       // the free area of the main window's screen
    QRect mainWindow;      // its frame
    QRect board;           // where the board is drawn
    QList<QRect> subject;  // what the page shows
    QPoint lowerLeft;      // the view's lower left corner
};

// Whether the window system lets a program place its own windows (Wayland
// does not; its compositor puts them where it likes).
bool WindowsArePlaceable();

// The top-left corner for a window whose frame is `outer` in size, all on
// the screen (its top-left on it where nothing else fits).
QPoint PlaceTutorial(QSize outer, const TutorialScene& scene);
