#include "app/launch.h"

#include "engine/lesson_file.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {

// Every first word the command line knows, options included.
constexpr std::array<std::string_view, 11> command_words = {
    "run",      "dump",  "plot",   "trellis", "eye",      "constellation",
    "bandpass", "sweep", "--help", "-h",      "--version"};

bool is_command_word(std::string_view word)
{
    return std::find(command_words.begin(), command_words.end(), word) != command_words.end();
}

bool has_lesson_suffix(std::string_view word)
{
    const std::string suffix = std::string(".") + lesson_suffix;
    return word.size() > suffix.size() && word.ends_with(suffix);
}

bool is_lesson_word(const std::string& word, const std::function<bool(const std::string&)>& is_file)
{
    if (word.empty() || word.front() == '-' || is_command_word(word)) return false;
    return has_lesson_suffix(word) || is_file(word);
}

} // namespace

Launch launch_of(int argc, const char* const* argv,
                 const std::function<bool(const std::string&)>& is_file)
{
    Launch window;
    window.window = true;
    if (argc < 2) return window;
    const std::string first = argv[1];
    if (argc == 2 && first == "--echo-lines") {
        window.echo_lines = true;
    } else if (argc == 3 && first == "--params") {
        window.lesson_path = argv[2];
    } else if (argc == 2 && is_lesson_word(first, is_file)) {
        window.lesson_path = first;
    } else {
        return Launch{};
    }
    return window;
}
