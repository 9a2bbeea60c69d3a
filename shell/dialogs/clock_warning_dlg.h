#pragma once
// Asked at start-up when the high-resolution clock is unusable.

#include <QDialog>

class QCheckBox;

class CClockWarningDlg : public QDialog {
    Q_OBJECT

  public:
    enum Answer { kClosed, kYes, kNo };

    explicit CClockWarningDlg(QWidget* parent = nullptr);

    // Shows the question and waits for the answer.
    Answer Ask();

    // The check box as it stood when Yes was pressed; No never reads it.
    bool neverAskAgain = false;

  private:
    QCheckBox* neverAsk_ = nullptr;
    Answer answer_ = kClosed;
};
