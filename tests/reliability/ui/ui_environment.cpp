// One application object for every test of this program, and a fresh
// temporary config folder so that nothing here touches the player's files.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <memory>

namespace {

class CReliabilityUiEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        configHome_ = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", configHome_->path().toLocal8Bit());
        static int argc = 1;
        static char name[] = "torvane_reliability_ui_tests";
        static char* argv[] = {name, nullptr};
        app_ = std::make_unique<QApplication>(argc, argv);
    }

    void TearDown() override {
        app_.reset();
        configHome_.reset();
    }

  private:
    std::unique_ptr<QTemporaryDir> configHome_;
    std::unique_ptr<QApplication> app_;
};

[[maybe_unused]] ::testing::Environment* const environment =
    ::testing::AddGlobalTestEnvironment(new CReliabilityUiEnvironment);

}  // namespace
