// Torvane: hexagonal gems fall toward a white central gem on a turning wheel.
#include <QApplication>

#include "shell/main_frame.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    CMainFrame frame;
    frame.show();
    return app.exec();
}
