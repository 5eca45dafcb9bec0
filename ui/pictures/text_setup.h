#pragma once
// How every window and every picture writes its text and numbers.

// The faces the windows ask for are mapped to the metric-compatible Liberation faces.
void install_font_substitutes();

// Sets the C library's number conventions (LC_NUMERIC) and Qt's default locale back to
// "C" after an application object has set them from the environment. The program formats and reads
// its numbers without the C library's locale; this also keeps any library it calls from writing or
// reading a decimal comma.
void pin_c_numbers();
