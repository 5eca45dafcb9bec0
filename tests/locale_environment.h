#pragma once
// The test programs run in the locale of their environment, as the simulator does once Qt
// has set it from there. ctest runs the suites that show, write or read numbers once more
// under a comma locale it builds at test time, and names that locale in
// CDMA_SIM_TEST_LOCALE; when it could not be built, those runs are skipped.

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <string>

class Locale_environment : public testing::Environment {
public:
    void SetUp() override
    {
        const char* wanted = std::getenv("CDMA_SIM_TEST_LOCALE");
        if (wanted == nullptr || *wanted == '\0') return;
        const char* numeric = std::setlocale(LC_NUMERIC, nullptr);
        if (numeric == nullptr || std::string(numeric) != wanted)
            GTEST_SKIP() << "locale " << wanted
                         << " is not available (localedef from the Debian package 'locales' "
                            "builds it): skipped the run under it";
    }
};

// The numeric locale the window tests' application object left; the window tests then take
// the environment's again, so that they show what the windows do without that pin.
inline std::string numeric_locale_after_start;
