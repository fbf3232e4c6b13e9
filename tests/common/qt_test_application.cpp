// Every Qt test program gets one application object for all its tests,
// named as the game names itself, so per-user folders match the program's.

#include <QApplication>

#include <gtest/gtest.h>

#include <memory>

namespace {

class QtApplicationEnvironment : public testing::Environment {
public:
    void SetUp() override
    {
        application_ = std::make_unique<QApplication>(argc_, argv_);
        QCoreApplication::setOrganizationName(QStringLiteral("Hollowick"));
        QCoreApplication::setApplicationName(QStringLiteral("lumbra"));
    }

    void TearDown() override { application_.reset(); }

private:
    int argc_ = 1;
    char program_name_[16] = "lumbra_tests";
    char* argv_[2] = {program_name_, nullptr};
    std::unique_ptr<QApplication> application_;
};

[[maybe_unused]] testing::Environment* const environment =
    testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

}  // namespace
