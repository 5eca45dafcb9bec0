#include "engine/lesson_file.h"

#include "tests/engine/chain_fixture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

using testing::ElementsAreArray;

namespace {

// The start values are globals; each test leaves them as it found them.
class Lesson_file_test : public testing::Test {
protected:
    void TearDown() override { apply_start_pars(saved_stages, saved_bytes); }
    int saved_stages = nr_stages;
    int saved_bytes = data_bytes;
};

// Loads text, with a byte-order mark, spaces, tabs, comments, blank lines and CRLF line ends
// added, into a block whose every value differs from the written one.
void load_into_other(const std::string& text, Analog_pars& q)
{
    apply_entry(q, entry({{"roll_off", 0.77f},
                          {"bp_width2", 3.3f},
                          {"if_freq", 55.5f},
                          {"noise_to_signal", 9.0f}}));
    apply_start_pars(1, 9);
    std::string marked = "\xEF\xBB\xBF";
    for (char c : text) marked += c == '\n' ? std::string("\t# noted\r\n\n  ") : std::string(1, c);
    Par_entry e;
    ASSERT_FALSE(read_lesson(marked, e).has_value());
    apply_entry(q, e);
}

} // namespace

// Block 0 holds the program-start values, block 1 switches and tiny or long values, the others
// random values in every interval row (a carrier above the IF floor of 3 chip rates), the filter
// centres typed in even blocks and following the carriers in odd ones.
TEST_F(Lesson_file_test, EveryStoredValueReadsBackToTheSameBits)
{
    std::mt19937 random(11);
    std::uniform_real_distribution<float> share(0.0f, 1.0f);
    for (int k = 0; k < 300; ++k) {
        Analog_pars p;
        Par_entry typed = k != 1 ? Par_entry()
                                 : entry({{"iq_branches", 1},
                                          {"bp_on2", 1},
                                          {"bp_center2", 3.14159265f},
                                          {"bp_width4", 0.0001234f},
                                          {"if_detune_pct", -1.0e-7f},
                                          {"rf_phase_pct", 98765.4321f}});
        for (int r = 0; r < par_row_count && k > 1; ++r) {
            const Par_row& pr = par_rows[static_cast<size_t>(r)];
            if (pr.range != Par_range::interval || (k % 2 && pr.name.starts_with("bp_center")))
                continue;
            const float lo = pr.unit == Par_unit::mhz ? 4.0f : std::max(pr.lo, 0.0f);
            const float hi = std::min(pr.hi, 3000.0f);
            typed.type(r, lo + share(random) * (hi - lo));
        }
        if (k > 0) apply_entry(p, typed);
        Analog_pars q;
        const std::string text = lesson_text(p, 6, k == 0 ? 36 : 3);
        load_into_other(text, q);
        ASSERT_THAT(stored_bits(q), ElementsAreArray(stored_bits(p))) << text;
    }
    EXPECT_EQ(nr_stages, 6);
    EXPECT_EQ(data_bytes, 3);
}

// Each kind of refusal once: what the numbers and the ranges refuse is tested with them.
TEST_F(Lesson_file_test, EachKindOfBadLineIsRefusedWithItsLineAndNothingTyped)
{
    const struct {
        std::string text;
        int line;
        std::string reason;
    } bad[] = {
        {"roll_off = 0.5\nfoo = 1\n", 2, "unknown parameter 'foo'"},
        {"roll_off = 0.5\n\nif_freq = 8O\n", 3,
         "if_freq: '8O' is not a number; allowed are -1e+07 to 3e+06 MHz"},
        {"noise_to_signal = 1e39\n", 1,
         "noise_to_signal = inf is out of range: allowed are -1e+06 to 1e+06"},
        {"# x\nroll_off = 0.1\nroll_off = 0.2\n", 3, "roll_off is given twice (first on line 2)"},
        {"roll_off 0.5\n", 1, "expected 'name = value', got 'roll_off 0.5'"},
        {"data_bytes = 3.5\n", 1,
         "data_bytes: '3.5' is not a whole number; allowed are whole numbers from -2147483648 to "
         "2147483647"},
        // A refused line is echoed short, its control characters escaped.
        {"roll_off 0.5\x1b[2J\r\n", 1, "expected 'name = value', got 'roll_off 0.5\\x1b[2J'"},
    };
    for (const auto& b : bad) {
        SCOPED_TRACE(b.text);
        Par_entry e = entry({{"if_mod", 0}});
        const auto error = read_lesson(b.text, e);
        ASSERT_TRUE(error.has_value());
        EXPECT_EQ(error->line, b.line);
        EXPECT_EQ(error->reason, b.reason);
        EXPECT_FALSE(e.typed(row("roll_off")).has_value());
        EXPECT_EQ(e.typed(row("if_mod")), 0.0);
    }
    EXPECT_EQ((Lesson_error{4, "unknown parameter 'x'"}.message("a.txt")),
              "a.txt, line 4: unknown parameter 'x'");
}

TEST(Lesson_file_read, OnlyRegularTextFilesOfAtMostOneMegabyteAreRead)
{
    const std::filesystem::path dir = std::filesystem::path(testing::TempDir()) / "lesson_read";
    std::filesystem::create_directories(dir);
    const auto file = [&dir](const char* name, const std::string& bytes) {
        std::ofstream(dir / name, std::ios::binary) << bytes;
        return (dir / name).string();
    };
    const std::string lesson = "roll_off = 0.5\n";
    const struct {
        std::string path;
        const char* refusal; // "" when read
    } cases[] = {
        {file("ok.txt", lesson), ""},
        {file("full.txt", std::string(static_cast<size_t>(max_lesson_bytes), '#')), ""},
        {file("big.txt", std::string(static_cast<size_t>(max_lesson_bytes) + 1, '#')),
         "it is larger than 1 MB"},
        {file("nul.txt", lesson + std::string(1, '\0')),
         "it holds NUL bytes (a lesson file is a text file)"},
        {(dir / "missing.txt").string(), "there is no such file"},
        {"/dev/zero", "it is no regular file (a lesson file is a text file)"},
    };
    for (const auto& c : cases) {
        const Lesson_read read = read_lesson_file(c.path, "L");
        EXPECT_EQ(read.refusal, *c.refusal ? std::string("cannot read 'L': ") + c.refusal : "")
            << c.path;
        EXPECT_EQ(read.text.has_value(), !*c.refusal) << c.path;
    }
    EXPECT_EQ(read_lesson_file(dir / "ok.txt", "L").text, lesson);
}
