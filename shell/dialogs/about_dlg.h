#pragma once
// The About box: icon, name, version and logo.

#include <QDialog>

class CAboutDlg : public QDialog {
    Q_OBJECT

  public:
    explicit CAboutDlg(QWidget* parent = nullptr);

    // The logo with its black pixels left transparent.
    static QPixmap Logo();
};
