// Every widget test of this program shares one application object, and none
// of them may read or write the player's own settings or replays: the config
// and data folders are a fresh temporary one for the whole run.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <memory>

namespace {

class CUiTestEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        configHome_ = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", configHome_->path().toLocal8Bit());
        qputenv("XDG_DATA_HOME", configHome_->path().toLocal8Bit());
        static int argc = 1;
        static char name[] = "torvane_ui_tests";
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
    ::testing::AddGlobalTestEnvironment(new CUiTestEnvironment);

}  // namespace
