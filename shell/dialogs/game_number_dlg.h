#pragma once
// Play game number: asks for a game's number and its difficulty, and refuses
// a number that names no game, saying which ones do.

#include <QDialog>
#include <cstdint>

class QComboBox;
class QLabel;
class QLineEdit;

class CGameNumberDlg : public QDialog {
    Q_OBJECT

  public:
    CGameNumberDlg(std::uint32_t difficulty, QWidget* parent = nullptr);

    void accept() override;

  signals:
    void Chosen(std::uint32_t number, std::uint32_t difficulty);

  private:
    QLineEdit* number_;
    QComboBox* difficulty_;
    QLabel* problem_;
};
