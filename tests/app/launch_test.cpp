// Which arguments open the window, with which lesson file, and which go to the command
// line, decided without opening a window or touching the disk.

#include "app/launch.h"

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>
#include <vector>

namespace {

struct Launch_row {
    std::vector<std::string> args; // after the program name
    bool window;
    std::optional<std::string> lesson; // the file the window loads
    bool echo_lines = false;
};

// The files that exist, as the row arguments name them.
const std::set<std::string> files = {"notes.txt", "/home/t/week3.cdmalesson", "run", "-x.txt",
                                     "constellation"};

Launch launch_for(const std::vector<std::string>& args)
{
    std::vector<const char*> argv = {"cdma_sim"};
    for (const std::string& a : args) argv.push_back(a.c_str());
    return launch_of(static_cast<int>(argv.size()), argv.data(),
                     [](const std::string& path) { return files.contains(path); });
}

} // namespace

TEST(Launch_test, ArgumentsOpenTheWindowWithALessonOrGoToTheCommandLine)
{
    const std::vector<Launch_row> rows = {
        {{}, true, std::nullopt},
        {{"--echo-lines"}, true, std::nullopt, true},
        // A lone file: with the suffix or without it, there or gone.
        {{"/home/t/week3.cdmalesson"}, true, "/home/t/week3.cdmalesson"},
        {{"notes.txt"}, true, "notes.txt"},
        {{"gone.cdmalesson"}, true, "gone.cdmalesson"},
        // --params: the window tells about a missing or unnamed file itself.
        {{"--params", "notes.txt"}, true, "notes.txt"},
        {{"--params", "missing"}, true, "missing"},
        {{"--params", ""}, true, ""},
        // Commands and options win over files of their name.
        {{"run"}, false, std::nullopt},
        {{"-x.txt"}, false, std::nullopt},
        {{"--help"}, false, std::nullopt},
        {{"-h"}, false, std::nullopt},
        {{"--version"}, false, std::nullopt},
        {{"bandpass"}, false, std::nullopt},
        {{"sweep"}, false, std::nullopt},
        {{"constellation"}, false, std::nullopt},
        // An unknown word that is no file, and the suffix alone, stay unknown commands.
        {{"fly"}, false, std::nullopt},
        {{".cdmalesson"}, false, std::nullopt},
        {{""}, false, std::nullopt},
        // More words than a lone file or --params FILE.
        {{"notes.txt", "extra"}, false, std::nullopt},
        {{"--params", "notes.txt", "run"}, false, std::nullopt},
        {{"--params"}, false, std::nullopt},
        {{"--echo-lines", "notes.txt"}, false, std::nullopt},
        {{"run", "--params", "notes.txt"}, false, std::nullopt},
    };
    for (const Launch_row& row : rows) {
        std::string words;
        for (const std::string& a : row.args) words += "'" + a + "' ";
        SCOPED_TRACE(words);
        const Launch launch = launch_for(row.args);
        EXPECT_EQ(launch.window, row.window);
        EXPECT_EQ(launch.lesson_path, row.lesson);
        EXPECT_EQ(launch.echo_lines, row.echo_lines);
    }
}
