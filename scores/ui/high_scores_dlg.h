#pragma once
// The list of the stored table: rank, name, score and date, best first. It
// reads the store afresh each time it opens, so it always shows what is
// stored, a score entered a moment ago included.

#include <QDialog>
#include <functional>
#include <optional>
#include <vector>

#include "scores/core/high_score_table.h"

class QPushButton;
class QTreeWidget;

class CHighScoresDlg : public QDialog {
    Q_OBJECT
  public:
    // With `hasReplay`, the list also offers "Watch" for the selected entry,
    // greyed when that entry's game was not kept.
    using HasReplay = std::function<bool(const std::vector<HighScoreEntry>&, std::size_t row)>;
    // With `statistics`, a "Statistics" button closes the dialog with kStatistics.
    explicit CHighScoresDlg(QWidget* parent = nullptr, HasReplay hasReplay = {},
                            bool statistics = false);

    // The result of a dialog closed by "Watch".
    static constexpr int kWatch = 2;
    static constexpr int kStatistics = 3;
    // The table as listed, and the row selected when "Watch" closed the dialog.
    const std::vector<HighScoreEntry>& Entries() const { return entries_; }
    const std::optional<std::size_t>& Chosen() const { return chosen_; }

  private:
    void FillList();
    void PlaceColumns();
    void SelectionChanged();

    QTreeWidget* list_;
    QPushButton* watch_ = nullptr;
    HasReplay hasReplay_;
    std::vector<HighScoreEntry> entries_;
    std::optional<std::size_t> chosen_;
};
