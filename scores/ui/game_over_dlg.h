#pragma once
// "Would you like to play another game?" Yes accepts; No, Escape and the close
// box all reject.

#include <QDialog>

class CGameOverDlg : public QDialog {
    Q_OBJECT
  public:
    explicit CGameOverDlg(QWidget* parent = nullptr);
};
