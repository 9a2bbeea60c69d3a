#include "shell/app/statistics_route.h"

#include "history/history_writer.h"
#include "shell/frame/board_session.h"
#include "shell/frame/main_frame.h"
#include "shell/history/statistics_window.h"

CStatisticsRoute::CStatisticsRoute(CMainFrame& frame, QString historyPath, CHistoryWriter* writer)
    : QObject(&frame), frame_(frame), path_(std::move(historyPath)) {
    connect(&frame.Session(), &CBoardSession::StatisticsRequested, this, &CStatisticsRoute::Open);
    if (writer != nullptr) {
        connect(writer, &CHistoryWriter::Written, this, [this] {
            if (window_ != nullptr && window_->isVisible()) {
                window_->Reload();
            }
        });
    }
}

CStatisticsWindow* CStatisticsRoute::Window() const {
    return window_;
}

void CStatisticsRoute::Open() {
    if (window_ == nullptr) {
        window_ = new CStatisticsWindow(path_, &frame_);
        CBoardSession* session = &frame_.Session();
        connect(window_, &CStatisticsWindow::WatchRequested, session,
                &CBoardSession::WatchReplayFile);
    }
    window_->show();
    window_->raise();
    window_->activateWindow();
}
