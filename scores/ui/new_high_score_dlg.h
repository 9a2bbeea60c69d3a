#pragma once
// Asks for the name of a score that has made the table. The name field leaves
// out what a record cannot hold and stops at the length limit, whether the
// text is typed or pasted.

#include <QDialog>
#include <cstdint>
#include <string>

class QLineEdit;

class CNewHighScoreDlg : public QDialog {
    Q_OBJECT
  public:
    CNewHighScoreDlg(std::uint32_t score, QWidget* parent = nullptr);

    // The name as the record will store it (UTF-8).
    std::string Name() const;
    std::uint32_t Score() const { return score_; }
    // Starts the field with this name, selected: OK keeps it, typing replaces it.
    void SuggestName(const QString& name);

  private:
    std::uint32_t score_;
    QLineEdit* nameEdit_;
};
