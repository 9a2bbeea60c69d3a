#include "render_test_support.h"

#include <QGuiApplication>
#include <memory>

namespace {

// Text needs a QGuiApplication; the rendering tests share one for the whole
// run.
class QtEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        static int argc = 1;
        static char name[] = "torvane_render_tests";
        static char* argv[] = {name, nullptr};
        app_ = std::make_unique<QGuiApplication>(argc, argv);
    }
    void TearDown() override { app_.reset(); }

  private:
    std::unique_ptr<QGuiApplication> app_;
};

[[maybe_unused]] ::testing::Environment* const kQtEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace

void ClearBoard(CGame& game) {
    for (CGemList* list : {&game.lattice, &game.falling, &game.exploding}) {
        while (!list->IsEmpty()) {
            CGem* gem = list->Head();
            CGemList::Unlink(gem);
            game.DiscardGem(gem);
        }
    }
    game.centre = nullptr;
}

CGem* AddLatticeGem(CGame& game, Cell cell, std::int32_t colour) {
    CGem* gem = new CGem;
    gem->colour = colour;
    game.PlaceGem(gem, cell);
    game.lattice.Append(gem);
    return gem;
}

CGem* AddFallingGem(CGame& game, double x, double y, std::int32_t colour, double orientation) {
    CGem* gem = new CGem;
    gem->x = x;
    gem->y = y;
    gem->colour = colour;
    gem->orientation = orientation;
    game.falling.Append(gem);
    return gem;
}

CGem* AddExplodingGem(CGame& game, Cell cell, std::int32_t colour, std::int64_t explodedAt) {
    CGem* gem = new CGem;
    gem->colour = colour;
    const CellPoint c = CellCentre(cell);
    gem->x = c.x;
    gem->y = c.y;
    gem->exploding = 1;
    gem->explodedAt = explodedAt;
    game.exploding.Append(gem);
    return gem;
}
