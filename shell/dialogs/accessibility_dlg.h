#pragma once
// Accessibility: symbols on the gems, and pausing when the player leaves the
// game. The caller applies the switches only after OK.

#include <QDialog>

class QCheckBox;

class CAccessibilityDlg : public QDialog {
    Q_OBJECT

  public:
    CAccessibilityDlg(bool gemSymbols, bool pauseWhenInactive, QWidget* parent = nullptr);

    QCheckBox* GemSymbolsBox() const { return gemSymbols_; }
    QCheckBox* PauseWhenInactiveBox() const { return pauseWhenInactive_; }

  private:
    QCheckBox* gemSymbols_;
    QCheckBox* pauseWhenInactive_;
};
