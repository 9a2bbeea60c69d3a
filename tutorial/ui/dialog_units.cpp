#include "tutorial/ui/dialog_units.h"

#include <QFontMetrics>
#include <algorithm>
#include <cmath>

CDialogUnits::CDialogUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const double average = metrics.horizontalAdvance(letters) / 52.0;
    baseX_ = std::max(1, static_cast<int>(std::lround(average)));
    baseY_ = std::max(1, metrics.height());
}

int CDialogUnits::X(int units) const {
    return static_cast<int>(std::lround(units * baseX_ / 4.0));
}

int CDialogUnits::Y(int units) const {
    return static_cast<int>(std::lround(units * baseY_ / 8.0));
}

QRect CDialogUnits::Rect(int x, int y, int width, int height) const {
    return QRect(X(x), Y(y), X(width), Y(height));
}
