#pragma once
// Where everything sits on the board, in board pixels: the one table the
// renderer draws from and the view maps the pointer through. The board is the
// game view's client area at the window's original size; a larger or smaller
// window shows the same board scaled, so none of these numbers ever change.

#include <QPoint>
#include <QRgb>

#include "game/game.h"

// The board's own size. The wheel centre is half of it.
inline constexpr int kBoardWidth = 724;
inline constexpr int kBoardHeight = 698;
inline constexpr ClientRect kBoardClient{0, 0, kBoardWidth, kBoardHeight};

// The wheel centre of a client area: half its width and height.
constexpr QPoint CentreOf(const ClientRect& client) {
    return QPoint((client.right - client.left) / 2, (client.bottom - client.top) / 2);
}
inline constexpr QPoint kBoardCentre = CentreOf(kBoardClient);

// The wheel around the centre, and the outer part of each of its spokes.
inline constexpr int kWheelRadius = 310;
inline constexpr int kSpokeInnerRadius = 260;
inline constexpr int kSpokes = 12;
inline constexpr QRgb kWheelGreen = 0xFF008000u;
inline constexpr int kWheelPenWidth = 3;

// The two panels along the top edge share their height. The bomb box is
// BombBoxRect (the rules test double-clicks against it); the score panel
// keeps the same distance from the right edge as the bomb box from the left.
inline constexpr int kScorePanelWidth = 174;
inline constexpr int kScorePanelRightGap = 8;
// The score stands this far inside its panel's edges.
inline constexpr int kScoreInset = 4;

// The bombs in hand: the first one's screen point, and the step to the next.
inline constexpr int kFirstBombX = 27;
inline constexpr int kBombY = 27;
inline constexpr int kBombSpacing = 33;

// Banners across the wheel centre, one per state of a game that is not
// running.
inline constexpr int kBannerHeight = 48;
inline constexpr int kGameOverBannerWidth = 260;
inline constexpr int kPausedBannerWidth = 180;
inline constexpr int kPressPlayBannerWidth = 400;
// While a replay is watched, a banner says so in the strip between the two
// panels, where it hides the least of the game.
inline constexpr int kReplayBannerWidth = 180;
