// Pictures need a QGuiApplication; gmock's main does not make one, so a
// global environment does, before the first test runs.
#include <gtest/gtest.h>

#include <QGuiApplication>

#include <memory>

namespace {

class GuiApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override { application_ = std::make_unique<QGuiApplication>(argc_, argv_); }
    void TearDown() override { application_.reset(); }

private:
    int argc_ = 1;
    char name_[20] = "lumbra_board_tests";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QGuiApplication> application_;
};

[[maybe_unused]] const auto* const environment = ::testing::AddGlobalTestEnvironment(new GuiApplicationEnvironment);

}  // namespace
