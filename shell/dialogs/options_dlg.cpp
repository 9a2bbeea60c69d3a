#include "shell/dialogs/options_dlg.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

#include "shell/dialogs/customize_colors_dlg.h"

namespace {

void Check(QButtonGroup* group, int id) {
    // -1 leaves every button of the group clear.
    group->setExclusive(false);
    for (QAbstractButton* button : group->buttons()) {
        button->setChecked(group->id(button) == id);
    }
    group->setExclusive(true);
}

}  // namespace

COptionsDlg::COptionsDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Options"));

    auto* sound = new QGroupBox(tr("Sound effects"));
    soundOn_ = new QRadioButton(tr("On"));
    soundOff_ = new QRadioButton(tr("Off"));
    soundGroup_ = new QButtonGroup(this);
    soundGroup_->addButton(soundOn_, 0);
    soundGroup_->addButton(soundOff_, 1);
    auto* which = new QFrame;
    which->setFrameStyle(QFrame::Box | QFrame::Sunken);
    snapIn_ = new QCheckBox(tr("Snap in"));
    explode_ = new QCheckBox(tr("Explode"));
    auto* whichLayout = new QVBoxLayout(which);
    whichLayout->addWidget(snapIn_);
    whichLayout->addWidget(explode_);
    auto* soundLayout = new QGridLayout(sound);
    soundLayout->addWidget(soundOn_, 0, 0);
    soundLayout->addWidget(soundOff_, 1, 0);
    soundLayout->addWidget(which, 0, 1, 2, 1);
    connect(soundOn_, &QRadioButton::clicked, this, &COptionsDlg::OnSoundSwitch);
    connect(soundOff_, &QRadioButton::clicked, this, &COptionsDlg::OnSoundSwitch);

    auto* colors = new QGroupBox(tr("Colors"));
    customize_ = new QPushButton(tr("Customize colors..."));
    customize_->setAutoDefault(false);
    auto* colorsLayout = new QVBoxLayout(colors);
    colorsLayout->addWidget(customize_, 0, Qt::AlignCenter);
    connect(customize_, &QPushButton::clicked, this, &COptionsDlg::OnCustomizeColors);

    auto* wheel = new QGroupBox(tr("Mouse wheel"));
    clockwise_ = new QRadioButton(tr("Clockwise"));
    counterClockwise_ = new QRadioButton(tr("Counter-clockwise"));
    directionGroup_ = new QButtonGroup(this);
    directionGroup_->addButton(clockwise_, 0);
    directionGroup_->addButton(counterClockwise_, 1);
    slider_ = new QSlider(Qt::Horizontal);
    slider_->setTickPosition(QSlider::NoTicks);
    slider_->setMinimumWidth(190);
    auto* wheelLayout = new QGridLayout(wheel);
    wheelLayout->addWidget(clockwise_, 0, 0);
    wheelLayout->addWidget(counterClockwise_, 1, 0);
    wheelLayout->addWidget(new QLabel(tr("Speed")), 0, 1, Qt::AlignHCenter);
    wheelLayout->addWidget(slider_, 0, 2, 1, 2);
    wheelLayout->addWidget(new QLabel(tr("Slow")), 1, 2, Qt::AlignLeft | Qt::AlignTop);
    wheelLayout->addWidget(new QLabel(tr("Fast")), 1, 3, Qt::AlignRight | Qt::AlignTop);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &COptionsDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QGridLayout(this);
    layout->addWidget(sound, 0, 0);
    layout->addWidget(colors, 0, 1);
    layout->addWidget(wheel, 1, 0, 1, 2);
    layout->addWidget(buttons, 2, 0, 1, 2);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void COptionsDlg::showEvent(QShowEvent* event) {
    if (!filled_) {
        filled_ = true;
        FillControls();
    }
    QDialog::showEvent(event);
}

void COptionsDlg::FillControls() {
    Check(soundGroup_, soundOff);
    Check(directionGroup_, wheelDirection);
    snapIn_->setChecked(snapIn != 0);
    explode_->setChecked(explode != 0);
    // The range first, so that the speed is not clipped to a range not yet set.
    slider_->setRange(kSlowest, kFastest);
    slider_->setValue(speed);
    snapIn_->setEnabled(soundOff == 0);
    explode_->setEnabled(soundOff == 0);
}

void COptionsDlg::OnSoundSwitch() {
    soundOff = soundOn_->isChecked() ? 0 : 1;
    snapIn_->setEnabled(soundOff == 0);
    explode_->setEnabled(soundOff == 0);
}

void COptionsDlg::OnCustomizeColors() {
    CCustomizeColorsDlg dialog(this);
    dialog.colours = colours;
    if (dialog.exec() == QDialog::Accepted) {
        colours = dialog.colours;
    }
}

void COptionsDlg::accept() {
    // Disabled boxes keep their ticks, and those count as well.
    speed = slider_->value();
    wheelDirection = directionGroup_->checkedId();
    soundOff = soundGroup_->checkedId();
    snapIn = snapIn_->isChecked() ? 1 : 0;
    explode = explode_->isChecked() ? 1 : 0;
    QDialog::accept();
}
