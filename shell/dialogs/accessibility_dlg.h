#pragma once
// Accessibility: symbols on the gems, pausing when the player leaves the
// game, smooth motion (off: gems move only when the rules move them), banners
// on a backing and a gamepad's vibration. The caller applies the switches
// only after OK.

#include <QDialog>

class QCheckBox;

class CAccessibilityDlg : public QDialog {
    Q_OBJECT

  public:
    CAccessibilityDlg(bool gemSymbols, bool pauseWhenInactive, bool smoothMotion,
                      bool bannerBacking, bool padVibration, QWidget* parent = nullptr);

    QCheckBox* GemSymbolsBox() const { return gemSymbols_; }
    QCheckBox* PauseWhenInactiveBox() const { return pauseWhenInactive_; }
    QCheckBox* SmoothMotionBox() const { return smoothMotion_; }
    QCheckBox* BannerBackingBox() const { return bannerBacking_; }
    QCheckBox* PadVibrationBox() const { return padVibration_; }

  private:
    QCheckBox* gemSymbols_;
    QCheckBox* pauseWhenInactive_;
    QCheckBox* smoothMotion_;
    QCheckBox* bannerBacking_;
    QCheckBox* padVibration_;
};
