#pragma once
// The question asked once, at the first start: would the player like to see
// the tutorial?

#include <QDialog>

class QPushButton;

class CWelcomeDlg : public QDialog {
  public:
    explicit CWelcomeDlg(QWidget* parent);

    QPushButton* yesButton() const { return yes_; }
    QPushButton* noButton() const { return no_; }

  private:
    QPushButton* yes_;
    QPushButton* no_;
};
