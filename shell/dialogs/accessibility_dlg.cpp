#include "shell/dialogs/accessibility_dlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

CAccessibilityDlg::CAccessibilityDlg(bool gemSymbols, bool pauseWhenInactive, bool smoothMotion,
                                     bool bannerBacking, bool padVibration, QWidget* parent)
    : QDialog(parent),
      gemSymbols_(new QCheckBox(tr("Show symbols on gems"))),
      pauseWhenInactive_(new QCheckBox(tr("Pause when the game window is not active"))),
      smoothMotion_(new QCheckBox(tr("Smooth motion"))),
      bannerBacking_(new QCheckBox(tr("Banners on a backing"))),
      padVibration_(new QCheckBox(tr("Gamepad vibration"))) {
    setWindowTitle(tr("Accessibility"));
    gemSymbols_->setChecked(gemSymbols);
    pauseWhenInactive_->setChecked(pauseWhenInactive);
    smoothMotion_->setChecked(smoothMotion);
    bannerBacking_->setChecked(bannerBacking);
    padVibration_->setChecked(padVibration);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(gemSymbols_);
    layout->addWidget(pauseWhenInactive_);
    layout->addWidget(smoothMotion_);
    layout->addWidget(bannerBacking_);
    layout->addWidget(padVibration_);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
