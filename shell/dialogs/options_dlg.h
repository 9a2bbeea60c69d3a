#pragma once
// Options: the sound switches, the mouse-wheel direction and speed, and the
// gem colours (through Customize colors). The fields are copies; the caller
// fills them before showing and reads them after OK.

#include <QDialog>

#include "render/board_renderer.h"

class QButtonGroup;
class QCheckBox;
class QPushButton;
class QRadioButton;
class QSlider;
class CCustomizeColorsDlg;

class COptionsDlg : public QDialog {
    Q_OBJECT

  public:
    explicit COptionsDlg(QWidget* parent = nullptr);

    static constexpr int kSlowest = 20;
    static constexpr int kFastest = 4000;

    int speed = 0;
    int wheelDirection = -1;  // 0 "Clockwise", 1 "Counter-clockwise", -1 neither
    int explode = 0;
    int snapIn = 0;
    int soundOff = -1;  // 0 "On", 1 "Off", -1 neither
    GemPalette colours{};

    void accept() override;

    // Customize colors is opened through this, so tests can reach the dialog.
    void OnCustomizeColors();

    QSlider* SpeedSlider() const { return slider_; }
    QCheckBox* SnapInBox() const { return snapIn_; }
    QCheckBox* ExplodeBox() const { return explode_; }
    QRadioButton* SoundOnButton() const { return soundOn_; }
    QRadioButton* SoundOffButton() const { return soundOff_; }
    QRadioButton* ClockwiseButton() const { return clockwise_; }
    QRadioButton* CounterClockwiseButton() const { return counterClockwise_; }
    QPushButton* CustomizeButton() const { return customize_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void FillControls();
    void OnSoundSwitch();

    bool filled_ = false;
    QRadioButton* soundOn_ = nullptr;
    QRadioButton* soundOff_ = nullptr;
    QButtonGroup* soundGroup_ = nullptr;
    QCheckBox* snapIn_ = nullptr;
    QCheckBox* explode_ = nullptr;
    QPushButton* customize_ = nullptr;
    QRadioButton* clockwise_ = nullptr;
    QRadioButton* counterClockwise_ = nullptr;
    QButtonGroup* directionGroup_ = nullptr;
    QSlider* slider_ = nullptr;
};
