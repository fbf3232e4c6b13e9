#pragma once

#include <QApplication>

namespace lumbra::testing_app {

// Event loops, the network and dialogs need an application object; every test
// program has exactly one, made on first use and kept until the program ends.
inline void ensure_application()
{
    if (QCoreApplication::instance() != nullptr)
        return;
    static int argc = 1;
    static char name[] = "lumbra_scores_tests";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);  // deliberately never destroyed: it outlives every test
}

}  // namespace lumbra::testing_app

namespace lumbra::testing_app {

// A fixture's first member, so the application exists before the objects
// under test are made.
struct WithApplication {
    WithApplication() { ensure_application(); }
};

}  // namespace lumbra::testing_app
