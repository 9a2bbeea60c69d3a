#include "shell/history/games_table_model.h"

#include <QLocale>

void CGamesTableModel::SetRows(std::vector<GameRow> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

int CGamesTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int CGamesTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QString CGamesTableModel::DifficultyName(std::optional<std::uint32_t> difficulty) {
    static const char* const names[] = {QT_TR_NOOP("Easy"), QT_TR_NOOP("Medium"),
                                        QT_TR_NOOP("Hard")};
    if (!difficulty || *difficulty >= std::size(names)) {
        return tr("Unknown");
    }
    return tr(names[*difficulty]);
}

QString CGamesTableModel::Duration(std::int64_t ms) {
    const std::int64_t seconds = ms / 1000;
    const auto two = [](std::int64_t n) {
        return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
    };
    if (seconds >= 3600) {
        return QStringLiteral("%1:%2:%3")
            .arg(seconds / 3600)
            .arg(two(seconds / 60 % 60))
            .arg(two(seconds % 60));
    }
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(two(seconds % 60));
}

QVariant CGamesTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const GameRow& row = rows_[static_cast<std::size_t>(index.row())];
    const GameFigures& f = row.figures;
    if (role == Qt::UserRole) {
        switch (index.column()) {
            case kDate:
                return row.ended.toMSecsSinceEpoch();
            case kDifficulty:
                return f.difficultyStart ? int(*f.difficultyStart) : -1;
            case kScore:
                return f.score;
            case kTime:
                return qint64(f.playedMs);
            case kRings:
                return f.rings;
            case kEnding:
                return row.ending;
        }
    }
    if (role == Qt::TextAlignmentRole && index.column() != kDifficulty &&
        index.column() != kEnding) {
        return int(Qt::AlignRight | Qt::AlignVCenter);
    }
    if (role != Qt::DisplayRole) {
        return {};
    }
    switch (index.column()) {
        case kDate:
            return QLocale().toString(row.ended.toLocalTime(), QLocale::ShortFormat);
        case kDifficulty:
            return DifficultyName(f.difficultyStart);
        case kScore:
            return QLocale().toString(f.score);
        case kTime:
            return Duration(f.playedMs);
        case kRings:
            return QLocale().toString(f.rings);
        case kEnding:
            if (row.ending == QLatin1String(GameEnding::kLost)) {
                return tr("Lost");
            }
            if (row.ending == QLatin1String(GameEnding::kEnded)) {
                return tr("Ended");
            }
            return tr("Played before the history");
    }
    return {};
}

QVariant CGamesTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    switch (section) {
        case kDate:
            return tr("Date");
        case kDifficulty:
            return tr("Difficulty");
        case kScore:
            return tr("Score");
        case kTime:
            return tr("Time");
        case kRings:
            return tr("Rings");
        case kEnding:
            return tr("How it ended");
    }
    return {};
}
