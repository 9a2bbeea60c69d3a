#include "shell/view/board_accessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QPointer>
#include <array>

#include "render/board_renderer.h"
#include "shell/model/board_model.h"
#include "shell/view/torvane_view.h"

namespace {

// The board's name carries what its banners say, since a screen reader on
// Linux hears of a name's change but drops a value's on an object that has no
// value to set.
QString BoardName(const CTorvaneView& view) {
    const BoardBanners banners = BannersFor(view.Model().Game(), view.Model().ShowsWatchingBanner(),
                                            view.Model().ShowsPausedBanner());
    QString name = QCoreApplication::translate("CBoardAccessible", "Game board");
    for (const Banner* banner : {&banners.replay, &banners.centre}) {
        if (banner->shown) {
            name = QCoreApplication::translate("CBoardAccessible", "%1, %2",
                                               "the board's name, then what a banner says")
                       .arg(name, banner->text);
        }
    }
    return name;
}

QString PartName(const CGame& game, int part) {
    return part == kScorePart
               ? QCoreApplication::translate("CBoardAccessible", "Score %1").arg(game.score)
               : QCoreApplication::translate("CBoardAccessible", "Bombs %1").arg(game.bombs);
}

// A painted part of the board: no widget of its own.
class CBoardPartAccessible : public QAccessibleInterface {
  public:
    CBoardPartAccessible(CTorvaneView* view, int part) : view_(view), part_(part) {}

    bool isValid() const override { return view_ != nullptr; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        return view_ != nullptr ? view_->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(view_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.readOnly = true;
        return state;
    }
    void setText(QAccessible::Text, const QString&) override {}

    QString text(QAccessible::Text t) const override {
        if (view_ == nullptr) {
            return {};
        }
        const CGame& game = view_->Model().Game();
        switch (t) {
            case QAccessible::Name:
                return PartName(game, part_);
            case QAccessible::Value:
                return part_ == kScorePart ? QString::number(game.score)
                                           : QString::number(game.bombs);
            default:
                return {};
        }
    }

    QRect rect() const override {
        if (view_ == nullptr || !view_->Initialised()) {
            return {};
        }
        const ClientRect r = part_ == kScorePart ? ScorePanelRect(kBoardClient) : BombBoxRect;
        // Board pixels to the view's, then to the screen's.
        const BoardMapping mapping = view_->Mapping();
        const QPointF topLeft =
            mapping.WidgetRect().topLeft() + QPointF(r.left, r.top) * mapping.Scale();
        const QSizeF size = QSizeF(r.right - r.left, r.bottom - r.top) * mapping.Scale();
        return QRect(view_->mapToGlobal(topLeft.toPoint()), size.toSize());
    }

  private:
    QPointer<CTorvaneView> view_;
    int part_;
};

class CBoardAccessible : public QAccessibleWidget {
  public:
    explicit CBoardAccessible(CTorvaneView* view) : QAccessibleWidget(view, QAccessible::Canvas) {
        // The parts are registered, so the cache owns them until the board goes.
        for (int part = 0; part < kBoardParts; ++part) {
            partIds_[part] =
                QAccessible::registerAccessibleInterface(new CBoardPartAccessible(view, part));
        }
    }
    ~CBoardAccessible() override {
        for (const QAccessible::Id id : partIds_) {
            QAccessible::deleteAccessibleInterface(id);
        }
    }

    QString text(QAccessible::Text t) const override {
        switch (t) {
            case QAccessible::Name:
                return BoardName(View());
            case QAccessible::Description:
                return QCoreApplication::translate(
                    "CBoardAccessible",
                    "Left and Right arrows turn the wheel, Shift for small steps; Space drops a "
                    "bomb.");
            default:
                return QAccessibleWidget::text(t);
        }
    }

    int childCount() const override { return kBoardParts; }
    QAccessibleInterface* child(int index) const override {
        return index >= 0 && index < kBoardParts ? QAccessible::accessibleInterface(partIds_[index])
                                                 : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int part = 0; part < kBoardParts; ++part) {
            if (QAccessible::accessibleInterface(partIds_[part]) == child) {
                return part;
            }
        }
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (int part = 0; part < kBoardParts; ++part) {
            QAccessibleInterface* c = child(part);
            if (c != nullptr && c->rect().contains(x, y)) {
                return c;
            }
        }
        return nullptr;
    }

  private:
    const CTorvaneView& View() const { return *static_cast<CTorvaneView*>(widget()); }

    std::array<QAccessible::Id, kBoardParts> partIds_{};
};

QAccessibleInterface* BoardFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("CTorvaneView")) {
        if (auto* view = qobject_cast<CTorvaneView*>(object)) {
            return new CBoardAccessible(view);
        }
    }
    return nullptr;
}

}  // namespace

CBoardAccessibility::CBoardAccessibility(CTorvaneView* view)
    : QObject(view), view_(view), last_(Read(*view)) {
    static const bool installed = (QAccessible::installFactory(&BoardFactory), true);
    (void)installed;
    connect(&view->Model(), &CBoardModel::StateChanged, this, &CBoardAccessibility::Announce);
}

CBoardAccessibility::Shown CBoardAccessibility::Read(const CTorvaneView& view) {
    return {view.Model().Game().score, view.Model().Game().bombs, BoardName(view)};
}

void CBoardAccessibility::Announce() {
    const Shown now = Read(*view_);
    if (now == last_) {
        return;
    }
    const Shown was = last_;
    last_ = now;
    // Nobody listens: no interface need be made.
    if (!QAccessible::isActive()) {
        return;
    }
    QAccessibleInterface* board = QAccessible::queryAccessibleInterface(view_);
    if (board == nullptr) {
        return;
    }
    const bool changed[kBoardParts] = {now.score != was.score, now.bombs != was.bombs};
    for (int part = 0; part < kBoardParts; ++part) {
        if (changed[part] && board->child(part) != nullptr) {
            QAccessibleEvent event(board->child(part), QAccessible::NameChanged);
            QAccessible::updateAccessibility(&event);
        }
    }
    if (now.name != was.name) {
        QAccessibleEvent event(view_, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}
