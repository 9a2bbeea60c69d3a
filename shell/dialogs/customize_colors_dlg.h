#pragma once
// Customize colors: the three player gem colours as swatches, each with a
// "Change" button, and a way back to the defaults.

#include <QColor>
#include <QDialog>
#include <functional>
#include <optional>

#include "render/board_renderer.h"

class QPushButton;

class CCustomizeColorsDlg : public QDialog {
    Q_OBJECT

  public:
    explicit CCustomizeColorsDlg(QWidget* parent = nullptr);

    // The whole palette; only the three player slots change here.
    GemPalette colours{};

    // The colour picker: the platform's, unless a test puts its own.
    std::function<std::optional<QColor>(const QColor& start, QWidget* parent)> pickColour;

    void OnChange(int slot);
    void OnRestoreDefaults();
    QPushButton* ChangeButton(int slot) const { return change_[slot]; }
    QPushButton* RestoreButton() const { return restore_; }

  private:
    QPushButton* change_[3] = {};
    QPushButton* restore_ = nullptr;
};
