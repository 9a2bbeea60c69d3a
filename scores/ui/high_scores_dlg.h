#pragma once
// The list of the stored table: rank, name, score and date, best first. It
// reads the store afresh each time it opens, so it always shows what is
// stored, a score entered a moment ago included.

#include <QDialog>

class QTreeWidget;

class CHighScoresDlg : public QDialog {
    Q_OBJECT
  public:
    explicit CHighScoresDlg(QWidget* parent = nullptr);

  private:
    void FillList();
    void PlaceColumns();

    QTreeWidget* list_;
};
