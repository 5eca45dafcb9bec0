#include "engine/refusal.h"

#include "engine/par_rows.h"

namespace {

constexpr unsigned char delete_char = 0x7f;
constexpr unsigned char last_c1_control = 0x9f;

// Tab, line feed and carriage return as C writes them, other bytes as \xNN.
std::string escaped(unsigned char byte)
{
    switch (byte) {
    case '\t': return "\\t";
    case '\n': return "\\n";
    case '\r': return "\\r";
    default: break;
    }
    constexpr const char* hex = "0123456789abcdef";
    return {'\\', 'x', hex[byte >> 4], hex[byte & 0x0f]};
}

// The length of the UTF-8 sequence at s[i], 1 for a plain ASCII byte, 0 when the bytes
// there are no well-formed sequence (a stray continuation byte, a cut or overlong one).
size_t utf8_length(std::string_view s, size_t i)
{
    const auto lead = static_cast<unsigned char>(s[i]);
    size_t n = 0;
    if (lead < 0x80) return 1;
    if (lead >= 0xc2 && lead <= 0xdf)
        n = 2;
    else if (lead >= 0xe0 && lead <= 0xef)
        n = 3;
    else if (lead >= 0xf0 && lead <= 0xf4)
        n = 4;
    if (n == 0 || i + n > s.size()) return 0;
    for (size_t k = 1; k < n; ++k)
        if ((static_cast<unsigned char>(s[i + k]) & 0xc0) != 0x80) return 0;
    const auto second = static_cast<unsigned char>(s[i + 1]);
    if ((lead == 0xe0 && second < 0xa0) || (lead == 0xf0 && second < 0x90) ||
        (lead == 0xf4 && second > 0x8f) || (lead == 0xed && second > 0x9f))
        return 0;
    return n;
}

// A control character of the second (C1) block, U+0080 to U+009F, as UTF-8.
bool is_c1_control(std::string_view s, size_t i, size_t n)
{
    return n == 2 && static_cast<unsigned char>(s[i]) == 0xc2 &&
           static_cast<unsigned char>(s[i + 1]) <= last_c1_control;
}

} // namespace

std::string Refusal::message() const
{
    return std::string(par_rows[static_cast<size_t>(row)].name) + " = " + problem;
}

std::string echo_text(std::string_view typed)
{
    std::string shown;
    size_t chars = 0;
    size_t i = 0;
    for (; i < typed.size() && chars < max_echo_chars; ++chars) {
        const auto byte = static_cast<unsigned char>(typed[i]);
        const size_t n = utf8_length(typed, i);
        if (n == 0 || byte < 0x20 || byte == delete_char || is_c1_control(typed, i, n)) {
            for (size_t k = 0; k < (n == 0 ? 1 : n); ++k)
                shown += escaped(static_cast<unsigned char>(typed[i + k]));
            i += n == 0 ? 1 : n;
        } else {
            shown += typed.substr(i, n);
            i += n;
        }
    }
    return i < typed.size() ? shown + "..." : shown;
}

std::string unread_text(std::string_view typed, Number_refusal why, const std::string& allowed)
{
    std::string text(1, '\'');
    text += echo_text(typed);
    text += "' " + refusal_text(why) + "; " + allowed;
    return text;
}

std::string out_of_range_text(std::string_view typed, const std::string& allowed)
{
    return echo_text(typed) + " is out of range: " + allowed;
}
