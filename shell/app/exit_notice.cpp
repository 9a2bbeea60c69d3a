#include "shell/app/exit_notice.h"

#include <QMessageBox>
#include <cstdio>

void TellOnTheWayOut(const QString& message, bool stopSignal) {
    if (stopSignal) {
        std::fprintf(stderr, "torvane: %s\n", qUtf8Printable(message));
        std::fflush(stderr);
        return;
    }
    QMessageBox::warning(nullptr, QStringLiteral("Torvane"), message);
}
