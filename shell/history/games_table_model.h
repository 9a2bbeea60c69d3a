#pragma once
// The history's games as the statistics window lists them: date, difficulty,
// score, time, rings and how the game ended. Qt::UserRole holds the value a
// column sorts and filters by (a date as milliseconds, a difficulty as its
// number or -1).

#include <QAbstractTableModel>
#include <vector>

#include "history/game_row.h"

class CGamesTableModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    enum Column { kDate, kDifficulty, kScore, kTime, kRings, kEnding, kColumns };

    using QAbstractTableModel::QAbstractTableModel;

    void SetRows(std::vector<GameRow> rows);
    const std::vector<GameRow>& Rows() const { return rows_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    static QString DifficultyName(std::optional<std::uint32_t> difficulty);
    // Game time as h:mm:ss, or m:ss under an hour.
    static QString Duration(std::int64_t ms);

  private:
    std::vector<GameRow> rows_;
};
