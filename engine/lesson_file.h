#pragma once
// Lesson files: the entered parameters as plain text a teacher can edit. One
// "name = value" line per row of par_rows, in the row's unit (MHz, %, ...), with "#"
// comments and blank lines. Written with the fewest digits that read back to the same
// stored float; read all or nothing.

#include "engine/analog_pars.h"
#include "engine/par_entry.h"

#include <optional>
#include <string>
#include <string_view>

// The suffix lesson files are saved with, without its dot; files without it load too.
constexpr char lesson_suffix[] = "cdmalesson";

// Why a lesson file cannot be loaded: the first bad line and what is wrong with it.
struct Lesson_error {
    int line; // counted from 1
    std::string reason;

    // "FILE, line N: reason".
    std::string message(std::string_view file) const;
};

// The file of every entered value: the two start values and the analog block p.
std::string lesson_text(const Analog_pars& p, int stages, int bytes);

// The text of a value of a row that is not a start row, as it is written: the fewest
// significant digits whose value stores back to exactly `stored`.
std::string lesson_value(int row, float stored);

// The largest lesson file read.
constexpr long max_lesson_bytes = 1L << 20;

// The text of a lesson file, or why the file is none: only a regular file of at most
// max_lesson_bytes, text without NUL bytes, is read (a device, a pipe or a directory
// would never end or is no text). `name` is how the messages call the file.
struct Lesson_read {
    std::optional<std::string> text;
    std::string refusal; // "cannot read 'NAME': ..." when text is empty
};
Lesson_read read_lesson_file(const std::string& path, std::string_view name);

// Reads a lesson file's text into entry, every named row typed as the menus type it.
// On the first bad line (no "=", unknown name, not a number, out of range, a name given
// twice) returns why, and entry is left as it was.
std::optional<Lesson_error> read_lesson(std::string_view text, Par_entry& entry);

// The entry without its start rows: what can still change once the chain is set up.
// start_changed tells whether a start row of the lesson differs from stages or bytes,
// the start values in use.
Par_entry without_start(const Par_entry& entry, int stages, int bytes, bool& start_changed);
