#pragma once
// What the program's arguments ask for: the window, perhaps with a lesson file loaded, or
// a headless command.

#include <functional>
#include <optional>
#include <string>

struct Launch {
    bool window = false;                    // else the headless command line takes the arguments
    bool echo_lines = false;                // the window prints its result and error lines too
    std::optional<std::string> lesson_path; // the lesson file the window opens with
};

// The window opens for no arguments, "--echo-lines", "--params FILE" and a lone FILE. A
// lone word is a lesson file when it is neither a command nor an option and either
// is_file says it is one or it ends in the lesson suffix (so that a lesson file gone
// since it was double-clicked is still told about in the window). Anything else, an
// unknown word among it, goes to the command line, which refuses what it does not know.
Launch launch_of(int argc, const char* const* argv,
                 const std::function<bool(const std::string&)>& is_file);
