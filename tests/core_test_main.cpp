// The core tests take the locale of their environment, as the simulator's library does in
// the window program, where Qt sets it.
#include "tests/locale_environment.h"

#include <gtest/gtest.h>

#include <clocale>

int main(int argc, char** argv)
{
    std::setlocale(LC_ALL, "");
    testing::InitGoogleTest(&argc, argv);
    testing::AddGlobalTestEnvironment(new Locale_environment);
    return RUN_ALL_TESTS();
}
