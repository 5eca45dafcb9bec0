// The window tests need one application object and, without a display, the offscreen
// platform; ctest also runs this binary to list the tests.
#include "ui/sim_application.h"

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform == nullptr || *platform == '\0') setenv("QT_QPA_PLATFORM", "offscreen", 1);
    testing::InitGoogleTest(&argc, argv);
    Sim_application app(argc, argv);
    return RUN_ALL_TESTS();
}
