#include "shell/history/daily_result_flow.h"

#include <utility>

#include "history/history_writer.h"
#include "shell/dialogs/screen_fit.h"

namespace {

bool Matches(const DailyReport& report, const DailyEnd& ended) {
    return report.date == ended.date && report.score == ended.score;
}

}  // namespace

CDailyResultFlow::CDailyResultFlow(CHistoryWriter& writer, QWidget* window)
    : QObject(window), window_(window) {
    connect(&writer, &CHistoryWriter::Reported, this, &CDailyResultFlow::OnReported);
}

void CDailyResultFlow::DailyGameEnded(const QString& date, std::uint32_t score,
                                      const std::string& replay) {
    const DailyEnd ended{date, score, replay};
    if (report_ && Matches(*report_, ended)) {
        Show(ended, *std::exchange(report_, std::nullopt));
    } else {
        ended_ = ended;
    }
}

void CDailyResultFlow::OnReported(const DailyReport& report) {
    if (!ended_) {
        report_ = report;
    } else if (Matches(report, *ended_)) {
        Show(*std::exchange(ended_, std::nullopt), report);
    } else if (report.date.isEmpty() && report.score == ended_->score) {
        // Its replay did not play back as a daily game: only the score is sure.
        DailyReport unknown;
        unknown.score = report.score;
        Show(*std::exchange(ended_, std::nullopt), unknown);
    } else {
        report_ = report;
    }
}

void CDailyResultFlow::Show(DailyEnd ended, const DailyReport& report) {
    if (panel_) {
        panel_->close();
    }
    panel_ = new CDailyPanel(window_, std::move(ended), report);
    // Low on the window, so that "Game Over" and the score in the centre of
    // the board read on beside the result.
    PlaceOnOwnersScreen(panel_, panel_->sizeHint(), window_, 0.8);
    panel_->show();
}
