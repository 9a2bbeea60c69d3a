#include "tutorial/ui/tutorial_placement.h"

#include <QGuiApplication>
#include <algorithm>
#include <cstdlib>
#include <limits>
#include <tuple>

namespace {

long long Area(const QRect& r) {
    return r.isEmpty() ? 0 : static_cast<long long>(r.width()) * r.height();
}

int Clamp(int at, int size, int low, int extent) {
    return std::max(std::min(at, low + extent - size), low);
}

}  // namespace

bool WindowsArePlaceable() {
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

QPoint PlaceTutorial(QSize outer, const TutorialScene& scene) {
    const QRect& a = scene.available;
    // Flush against every edge that matters, across and down.
    QList<int> xs{a.left(), a.left() + a.width() - outer.width(), scene.lowerLeft.x()};
    QList<int> ys{a.top(), a.top() + a.height() - outer.height(),
                  scene.lowerLeft.y() - outer.height()};
    QList<QRect> edges{scene.mainWindow, scene.board};
    edges << scene.subject;
    for (const QRect& r : edges) {
        xs << r.left() - outer.width() << r.left() + r.width() << r.left();
        ys << r.top() - outer.height() << r.top() + r.height() << r.top()
           << r.top() + r.height() - outer.height();
    }
    using Cost = std::tuple<bool, long long, long long, long long, long long>;
    Cost best{true, std::numeric_limits<long long>::max(), 0, 0, 0};
    QPoint bestAt(a.topLeft());
    const QPoint home(scene.lowerLeft.x(), scene.lowerLeft.y() - outer.height());
    for (const int x : xs) {
        for (const int y : ys) {
            const QRect r(Clamp(x, outer.width(), a.left(), a.width()),
                          Clamp(y, outer.height(), a.top(), a.height()), outer.width(),
                          outer.height());
            long long hidden = 0;
            for (const QRect& s : scene.subject) {
                hidden += Area(r & s);
            }
            const long long board = Area(r & scene.board);
            const Cost cost{board > 0, hidden, board, Area(r & scene.mainWindow),
                            (r.topLeft() - home).manhattanLength()};
            if (cost < best) {
                best = cost;
                bestAt = r.topLeft();
            }
        }
    }
    return bestAt;
}
