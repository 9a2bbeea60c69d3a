#pragma once
// Dialog units: a layout measure that follows the dialog's font, a quarter of
// the average character width across and an eighth of the line height down.

#include <QFont>
#include <QRect>

class CDialogUnits {
  public:
    explicit CDialogUnits(const QFont& font);
    int X(int units) const;
    int Y(int units) const;
    QRect Rect(int x, int y, int width, int height) const;

  private:
    int baseX_;
    int baseY_;
};
