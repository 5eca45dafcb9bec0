#pragma once
// What the commands share: the refusal of a command or value, number parsing, and the
// parameter options --stages, --bytes, --set and --params.

#include "engine/par_entry.h"

#include <optional>
#include <stdexcept>
#include <string>

// A refused command or value: the message goes to stderr, the exit status is 2.
struct Refused : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The largest picture side a command draws, in pixels.
constexpr long max_picture_px = 4000;

// A whole number typed after option, refused unless lo <= value <= hi.
long parse_integer(const std::string& option, const std::string& text, long lo, long hi);
// A number typed after option, refused unless lo <= value <= hi; allowed says so in words
// ("0 to 1e9 microseconds").
double parse_number_in(const std::string& option, const std::string& text, double lo, double hi,
                       const char* allowed);

// The parameter values a command line gives, checked together once it is read: a
// lesson file (--params) first, then --set overriding single values, then --stages and
// --bytes.
class Cli_entries {
public:
    std::optional<int> stages, bytes;

    // Takes argv[k] (and its value) when it is a parameter option; false otherwise.
    bool take(int& k, int argc, const char* const* argv);
    void check() const;
    // Stores the given sets in the order a user confirms the menus.
    void confirm() const;

private:
    Par_entry given;
    Par_entry lesson;
    bool lesson_read = false;

    void set(const std::string& assignment);
    void load(const std::string& path);
    Par_entry merged() const;
};

// The refusal of an option the command (its verb) does not take.
std::string unknown_option(const std::string& option, const std::string& verb);

// The value after option argv[k]; k moves onto it.
std::string value_of(int& k, int argc, const char* const* argv);
// The file name after option argv[k], refused when empty; k moves onto it.
std::string file_name_of(int& k, int argc, const char* const* argv);
// Why the file name given to option is none ("" is), or nothing.
std::optional<std::string> file_name_refusal(const std::string& option, const std::string& name);
// Refuses an empty file name given to option.
void check_file_name(const std::string& option, const std::string& name);
