#pragma once
// The board's two fonts. "Arial" and "Times New Roman" resolve differently
// from one machine to the next, so the board uses their metric twins,
// Liberation Sans and Liberation Serif, and the text lands on the same pixels
// everywhere.

#include <QFont>
#include <QString>

inline constexpr int kScoreCellHeight = 38;
inline constexpr int kBannerCellHeight = 50;

// A regular-weight font of `family` whose character cell (ascent plus
// descent) is `cellHeight` logical pixels tall.
QFont FontForCellHeight(const QString& family, int cellHeight);

// The score panel's font: Liberation Sans, cell 38.
QFont ScoreFont();
// The banner font: Liberation Serif, cell 50.
QFont BannerFont();
