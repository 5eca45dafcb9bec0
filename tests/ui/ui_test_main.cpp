// The window tests need one application object and, without a display, the offscreen
// platform; ctest also runs this binary to list the tests.
#include "tests/locale_environment.h"
#include "ui/windows/sim_application.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>

int main(int argc, char** argv)
{
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform == nullptr || *platform == '\0') setenv("QT_QPA_PLATFORM", "offscreen", 1);
    testing::InitGoogleTest(&argc, argv);
    Sim_application app(argc, argv);
    numeric_locale_after_start = std::setlocale(LC_NUMERIC, nullptr);
    std::setlocale(LC_NUMERIC, "");
    testing::AddGlobalTestEnvironment(new Locale_environment);
    return RUN_ALL_TESTS();
}
