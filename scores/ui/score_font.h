#pragma once
// The large face of the high-score dialogs: the name and score fields and the
// list. Liberation Sans has Arial's metrics, so names take the room the
// columns were planned for.

#include <QFont>

inline QFont HighScoreFont() {
    QFont font(QStringLiteral("Liberation Sans"), 14);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

// Dialog layouts were planned in dialog units of an 8-point face; these turn
// them into pixels closely enough for minimum sizes.
inline int DialogUnitsX(int units) {
    return units * 3 / 2;
}
inline int DialogUnitsY(int units) {
    return units * 13 / 8;
}
