#include "shell/dialogs/customize_colors_dlg.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/dialogs/gem_colours.h"

namespace {

// A black-framed rectangle filled with one slot's colour.
class CColourSwatch : public QWidget {
  public:
    CColourSwatch(const GemPalette& palette, int slot, QWidget* parent)
        : QWidget(parent), palette_(palette), slot_(slot) {
        setFixedSize(78, 37);
    }

  protected:
    void paintEvent(QPaintEvent* event) override {
        (void)event;
        QPainter painter(this);
        painter.fillRect(rect(), Qt::black);
        painter.fillRect(rect().adjusted(1, 1, -1, -1), ToQColor(SlotColour(palette_, slot_)));
    }

  private:
    const GemPalette& palette_;
    int slot_;
};

}  // namespace

CCustomizeColorsDlg::CCustomizeColorsDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Customize colors"));
    pickColour = [](const QColor& start, QWidget* owner) -> std::optional<QColor> {
        const QColor picked = QColorDialog::getColor(start, owner);
        if (!picked.isValid()) {
            return std::nullopt;
        }
        return picked;
    };

    auto* gems = new QGroupBox(tr("Gem colors"));
    auto* grid = new QGridLayout(gems);
    for (int slot = 0; slot < kPlayerColourSlots; ++slot) {
        grid->addWidget(new CColourSwatch(colours, slot, gems), 0, slot, Qt::AlignCenter);
        change_[slot] = new QPushButton(tr("Change"));
        change_[slot]->setAutoDefault(false);
        grid->addWidget(change_[slot], 1, slot, Qt::AlignCenter);
        connect(change_[slot], &QPushButton::clicked, this, [this, slot] { OnChange(slot); });
    }

    restore_ = new QPushButton(tr("Restore default colors"));
    restore_->setAutoDefault(false);
    connect(restore_, &QPushButton::clicked, this, &CCustomizeColorsDlg::OnRestoreDefaults);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(gems);
    auto* restoreRow = new QHBoxLayout;
    restoreRow->addStretch();
    restoreRow->addWidget(restore_);
    restoreRow->addStretch();
    layout->addLayout(restoreRow);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CCustomizeColorsDlg::OnChange(int slot) {
    if (const auto picked = pickColour(ToQColor(SlotColour(colours, slot)), this)) {
        SetSlotColour(colours, slot, FromQColor(*picked));
    }
    update();
}

void CCustomizeColorsDlg::OnRestoreDefaults() {
    RestoreDefaultGemColours(colours);
    update();
}
