#pragma once
// The About box: icon, name, version, logo, copyright and licence, with the
// licence's short notice and its full text a button away.

#include <QDialog>

class CAboutDlg : public QDialog {
    Q_OBJECT

  public:
    explicit CAboutDlg(QWidget* parent = nullptr);

    // The logo with its black pixels left transparent.
    static QPixmap Logo();

  private:
    void ShowLicence();
};
