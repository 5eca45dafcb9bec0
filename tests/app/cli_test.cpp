// The command line as a user drives it: the real binary, its output and exit status. The
// rules behind the refusals are tested in the engine; here each family is wired once.

#include "tests/app/run_cdma_sim.h"

#include <gtest/gtest.h>

#include <algorithm>

TEST(Cli, HelpVersionAndUnknownCommands)
{
    expect_rows({
        {"--help", 0, "", false, "usage:\n  cdma_sim "},
        {"--version", 0, "", false, "cdma_sim "},
        {"--help extra", 2, "unknown option 'extra' for '--help' (see cdma_sim --help)", true},
        {"fly", 2, "unknown command 'fly'", true},
    });
}

TEST(Cli, RunPrintsTheResultLineOrRefuses)
{
    const std::string clean = ", rcve step 1: 0 wrong out of ";
    expect_rows({
        {"run --bytes 36", 0, "", false, clean + "288 signals; t = "},
        {"run --stages 0", 0, "", false, "\n"},
        // The stage count is clamped, and an odd byte count falls back to three.
        {"run --stages 9 --bytes 10", 0, "", false, clean + "24 signals; t = "},
        // Numbers are read as the menus read them: blanks around them are dropped.
        {"run --bytes ' 9' --set 'roll_off=0.5 '", 0, "", false, clean + "72 signals; t = "},
        {"run --set roll_off=5", 2, "roll_off = 5 is out of range: allowed are 0 to 1", true},
        {"run --set roll_off=abc", 2, "roll_off: 'abc' is not a number; allowed are 0 to 1", true},
        {"run --stages two", 2, "--stages: 'two' is not a whole number", true},
        {"run --set roll_off", 2, "--set: expected NAME=VALUE, got 'roll_off'", true},
        // The start values have options of their own.
        {"run --set nr_stages=3", 2, "--set: unknown parameter 'nr_stages' (see cdma_sim", true},
        {"run --frobnicate", 2, "unknown option '--frobnicate' for 'run' (see cdma_sim", true},
        {"run --params ''", 2, "--params: '' is no file name", true},
        {"run --params /no/x", 2, "--params: cannot read '/no/x': there is no such file", true},
    });
}

TEST(Cli, DumpPrintsOneValueALineOrRefuses)
{
    expect_rows({
        // stage, buffer, index, value; buffer 0 of stage 0 holds 's' = 0111 0011, MSB first
        {"dump --stages 2 --all", 0, "", false, "0 0 0 0\n0 0 1 1\n0 0 2 1\n0 0 3 1\n0 0 4 0\n"},
        // conv. encoded 's' from a zero register: 00 11 01 10
        {"dump --stages 1 --code 1", 0, "", false, "0 0\n1 0\n2 1\n3 1\n4 0\n5 1\n6 1\n7 0\n"},
        {"dump --all --code 1", 2, "dump needs exactly one of --all and --code C", true},
        {"dump --all --count 3", 2, "--t0, --dt and --count go with --code", true},
        {"dump --code 1 --count 3", 2,
         "--t0, --dt and --count go with an analog code (106 206 107 207 7 8 9 10 11 -10 -9 "
         "-108 -208 -107 -207 -306 -406); --code 1 is a stored buffer, dumped whole",
         true},
        {"dump --code 1 --t0 1e300", 2, "--t0 = 1e300 is out of range: allowed are -1e9", true},
        {"dump --code 12", 2,
         "--code 12 names no signal: the signals are 0 1 2 3 4 105 205 106 206 107 207 7 8 9 10 "
         "11 -10 -9 -108 -208 -107 -207 -306 -406 -106 -206 -105 -205 -104 -204 -3 -2 -1\n",
         true},
        {"dump --stages 5 --code 106", 2, "--code 106 is an analog signal: it needs nr_", true},
    });
}

TEST(Cli, DumpAnalogCodeGivesEachInstantATimeOfItsOwn)
{
    const std::string whole = run_cdma_sim("dump --code -10").out;
    EXPECT_EQ(std::count(whole.begin(), whole.end(), '\n'), 200);
    // Instants closer than a float can tell apart keep times of their own.
    const std::string fine = run_cdma_sim("dump --code -10 --t0 1000 --dt 1e-5 --count 3").out;
    EXPECT_THAT(fine, testing::ContainsRegex("\n1000\\.00001 .*\n1000\\.00002 "));
}

TEST(Cli, PlotDrawsTheWindowAndPrintsItsCaptionOrRefuses)
{
    expect_rows({
        {"plot --stages 1 --code 1 --png PNG", 0, "", false,
         "1. step; 0 - 7. conv. encoded signals, f= 0.029 MHz, y: -1.000 to 1.000\n", 750, 128},
        {"plot --code -105 --start 500 --window 125 --width 300 --height 90 --png PNG", 0, "",
         false, "-5. step; 614 - 767. PN-I despread  signals, f= ", 300, 90},
        // The finest step the band-pass filters stand is 1e-5 microseconds a pixel.
        {"plot --code 1 --window 0.0075 --png PNG", 0, "", false},
        {"plot --code 1 --window 0.0074 --png PNG", 2,
         "--window = 0.0074 is out of range for --width 750: allowed are 0.0075 to 1e6", true},
        {"plot --code 1", 2, "plot needs --png FILE", true},
        {"plot --png PNG", 2, "plot needs --code C", true},
        {"plot --code 1 --width 1 --png PNG", 2, "--width = 1 is out of range: allowed", true},
        {"plot --stages 3 --code 7 --png PNG", 2, "--code 7 needs nr_stages of at least 6", true},
        {"plot --code 1 --all --png PNG", 2, "unknown option '--all' for 'plot'", true},
        {"plot --code 7 --png /dev/full", 1, "cannot write the picture '/dev/full'\n", true},
    });
}

TEST(Cli, SweepPrintsOneCsvLineAPointOrRefuses)
{
    expect_rows({
        // A switch steps through its two values unless told otherwise.
        {"sweep --stages 1 --vary if_mod --from 1 --to 0", 0, "", false,
         "if_mod,step1_wrong,step1_total\n1,0,24\n0,0,24\n"},
        {"sweep --stages 1 --vary roll_off --from 0.1 --to 0.7 --points 3", 0, "", false,
         "roll_off,step1_wrong,step1_total\n0.1,0,24\n0.4,0,24\n0.7,0,24\n"},
        {"sweep --stages 3 --vary roll_off --from 0.1 --to 1 --points 3 --log --png PNG", 0, "",
         false, "roll_off,"},
        {"sweep --vary roll_off --from 0 --to 2 --points 5", 2, "point 5: roll_off = 2 is", true},
        {"sweep --vary roll_off --from x --to 1", 2, "--from: 'x' is not a number; allowed", true},
        {"sweep --vary roll_off --from 0", 2, "sweep needs --vary NAME --from A --to B", true},
        {"sweep --vary data_bytes --from 3 --to 9", 2, "--vary: unknown parameter 'data_", true},
        {"sweep --vary roll_off --from 0 --to 1 --set roll_off=7", 2, "roll_off = 7 is", true},
        {"sweep --vary roll_off --from 0 --to 1 --png ''", 2, "--png: '' is no file name", true},
        // The counts are printed before the picture fails.
        {"sweep --stages 1 --vary if_mod --from 0 --to 1 --png /no/x.png", 1, "cannot write the",
         false, "if_mod,"},
    });
}

// Ctrl+C stops a job, the sweep on a path of its own: nothing on stdout, no picture.
TEST(Cli, CtrlCStopsAJobWithoutOutput)
{
    const std::string stopped = "stopped by Ctrl+C; nothing was printed or written\n";
    expect_rows({{"plot --code 1 --png PNG", 130, stopped, true},
                 {"sweep --vary roll_off --from 0 --to 1 --png PNG", 130, stopped, true}},
                true);
}

// The --set names come from the parameter table, grouped and wrapped as always printed.
TEST(Cli, HelpListsEverySetNameAsBefore)
{
    EXPECT_THAT(run_cdma_sim("--help").out, testing::EndsWith(R"(NAME is one of:
                      nyquist_pulses roll_off samples_per_chip iq_branches if_freq if_mod if_demod
                      rf_freq rf_mod rf_demod bp_on1..bp_on4 bp_center1..bp_center4
                      bp_width1..bp_width4 noise_to_signal if_detune_pct if_phase_pct
                      rf_detune_pct rf_phase_pct
)"));
}

// The file's values reach the chain, --bytes and --set override them; a bad line is named.
TEST(Cli, ParamsFileGivesTheRunOfItsValuesWithOptionsOverriding)
{
    const std::string file = temp_path(".txt", "data_bytes=36\nnoise_to_signal=50\nroll_off=0.5\n");
    const std::string noisy = "dump --code -10 --bytes 9 --set noise_to_signal=0.8";
    const Sim_outcome from_file = run_cdma_sim(noisy + " --params " + file);
    const Sim_outcome from_set = run_cdma_sim(noisy + " --set roll_off=0.5");
    EXPECT_EQ(from_file.err, "");
    EXPECT_EQ(from_file.out, from_set.out);
    EXPECT_NE(from_set.out, run_cdma_sim(noisy).out) << "roll_off changes nothing here";
    EXPECT_EQ(run_cdma_sim("run --params " + file + " --params " + file).err,
              "cdma_sim: --params: only one lesson file can be given\n");
    std::remove(file.c_str());
    const std::string bad = temp_path(".txt", "roll_off = 0.5\n\nfoo = 1\n");
    EXPECT_EQ(run_cdma_sim("run --params " + bad).err,
              "cdma_sim: --params: " + bad + ", line 3: unknown parameter 'foo'\n");
    std::remove(bad.c_str());
}

// Qt sets the locale from the environment when a picture command starts it: on a German
// desktop the numbers printed, drawn and read must still be those of the C locale.
TEST(Cli, OutputIsTheSameUnderACommaLocale)
{
    const std::string dir = CDMA_SIM_LOCALE_DIR;
    if (!std::ifstream(dir + "/" CDMA_SIM_COMMA_LOCALE "/LC_NUMERIC"))
        GTEST_SKIP() << "locale " CDMA_SIM_COMMA_LOCALE " is not available (see build_locale)";
    const std::string comma = "env LOCPATH=" + dir + " LC_ALL=" CDMA_SIM_COMMA_LOCALE;
    ASSERT_EQ(std::system((comma + " printf %.1f 1.5 | grep -qx 1,5").c_str()), 0)
        << "the locale writes no decimal comma";
    const std::string lesson = temp_path(
        ".txt", "data_bytes = 9\nroll_off = 0.35\nif_freq = 70.5\nnoise_to_signal = 1.5\n");
    const std::string png = temp_path(".png");
    for (std::string args :
         {"plot --code 1 --png PNG", "plot --params LESSON --code 106 --png PNG",
          "dump --params LESSON --code -10", "eye --params LESSON --png PNG",
          "constellation --params LESSON --png PNG",
          "sweep --params LESSON --vary roll_off --from 0.1 --to 0.9 --points 3 --png PNG",
          "bandpass --center 7.5 --width 0.25 --png PNG"}) {
        SCOPED_TRACE(args);
        std::remove(png.c_str());
        args = std::regex_replace(args, std::regex("LESSON"), lesson);
        args = std::regex_replace(args, std::regex("PNG"), png);
        const Sim_outcome in_c = run_cdma_sim(args, "env LC_ALL=C");
        const std::string c_png = file_text(png);
        std::remove(png.c_str());
        const Sim_outcome in_de = run_cdma_sim(args, comma);
        EXPECT_EQ(std::make_pair(in_c.status, in_de.status), std::make_pair(0, 0)) << in_de.err;
        EXPECT_EQ(in_de.out, in_c.out);
        EXPECT_TRUE(file_text(png) == c_png) << "the pictures differ";
    }
    std::remove(png.c_str());
    std::remove(lesson.c_str());
}
