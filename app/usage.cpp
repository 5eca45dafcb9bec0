#include "app/usage.h"

#include "engine/par_rows.h"

#include <string_view>
#include <vector>

namespace {

const char* const usage_head =
    R"(usage:
  cdma_sim                                   opens the simulator window (the default)
  cdma_sim [--params] FILE                   opens the window with the lesson file FILE
                                             (*.cdmalesson) loaded, start values included,
                                             as "load parameters..." does
  cdma_sim run  [OPTIONS]                    sets up, runs once, prints the result line
  cdma_sim dump [OPTIONS] --all              sets up, runs once, prints every stage buffer
  cdma_sim dump [OPTIONS] --code C [--t0 US] [--dt US] [--count N]
  cdma_sim plot [OPTIONS] --code C [--start US] [--window US] [--width PX] [--height PX]
                [--caption] --png FILE       sets up, runs once, draws the plot window of
                                             code C over that time window into a PNG and
                                             prints the window caption (defaults: start 0,
                                             window 250 or the block length, 750 x 128);
                                             --caption also writes the caption above the
                                             drawing, as the window's "Save picture..." does
  cdma_sim trellis [OPTIONS] --steps S [--png FILE]
                                             sets up, runs once, clicks the Viterbi decoder
                                             view S times and prints its data table (org,
                                             dec, in0, in1, dsq 0..3), one row a line; needs
                                             --stages 2 or more
  cdma_sim eye  [OPTIONS] [--side xmit|rcve] [--branch I|Q] [--sum] [--width PX] [--height PX]
                --png FILE                   sets up, runs once, draws the eye pattern as its
                                             "start" button does (receive side, I, running
                                             unless said otherwise; 176 x 215) into a PNG and
                                             prints its caption and range
  cdma_sim constellation [OPTIONS] [--side xmit|rcve] [--size PX] [--csv FILE] --png FILE
                                             sets up, runs once, draws every chip of both
                                             branches as an I/Q point (receive side: the
                                             ADC's soft chips; xmit: the DAC's chips) into
                                             a square PNG of PX pixels (100 to 2000, default
                                             400) and prints its caption; --csv also writes
                                             i,q per chip: its distance from each decision
                                             line, one line each
  cdma_sim bandpass [--center MHZ] [--width MHZ] [--fft MHZ] [--low MHZ] [--high MHZ]
                [--type N] --png FILE        draws the band-pass explorer's four plots as its
                                             "show" button does (defaults: 10, 0.1, 30, 5, 15,
                                             type 1 chirp, 2 tone comb) into a PNG and prints
                                             their captions
  cdma_sim sweep [OPTIONS] --vary NAME --from A --to B [--points N] [--log] [--png FILE]
                                             runs once per value of NAME (N values from A to
                                             B, 2 to 200, default 11, for a switch or
                                             iq_branches its 2 values; --log: evenly on a log
                                             scale) and prints CSV: NAME,step1_wrong,
                                             step1_total,... one line per value; --png also
                                             draws the sweep plot
  cdma_sim --echo-lines                      opens the window and also prints every text its
                                             result and error lines show to stdout, one line
                                             each ("result: ...", "error: ..."), for scripts
  cdma_sim --help | --version
EXIT STATUS
  0 done, 1 the chain could not be set up or the picture not written, 2 a refused command or
  value, 130 stopped by Ctrl+C (nothing printed or written). On a terminal, a job that runs
  longer than a second shows how far it has come on one line of stderr.
OPTIONS
  --stages N          nr_stages, as typed into the start-parameter menu (clamped at setup)
  --bytes B           data_bytes, as typed into the start-parameter menu
  --params FILE       a lesson file: 'NAME = VALUE' lines with the names below and nr_stages,
                      data_bytes; '#' comments. --set, --stages and --bytes override it
  --set NAME=VALUE    one analog, band-pass or noise parameter, in the units of the parameter
                      menu (frequencies in MHz); repeatable. NAME is one of:
)";

// A name without its trailing line number: "bp_on" for "bp_on3".
std::string_view stem(std::string_view name)
{
    return name.substr(0, name.find_last_not_of("0123456789") + 1);
}

// The names --set takes, in table order; a numbered name stands once for all its
// numbers, as first..last ("bp_on1..bp_on4").
std::vector<std::string> set_name_words()
{
    std::vector<std::string> words;
    for (const Par_row& row : par_rows) {
        if (row.set == Par_set::start) continue;
        const std::string_view s = stem(row.name);
        if (s == row.name) {
            words.emplace_back(row.name);
            continue;
        }
        std::string_view first, last;
        for (const Par_row& other : par_rows) {
            if (stem(other.name) != s) continue;
            if (first.empty()) first = other.name;
            last = other.name;
        }
        if (first == row.name) words.push_back(std::string(first) + ".." + std::string(last));
    }
    return words;
}

} // namespace

std::string usage_text()
{
    constexpr size_t indent = 22;
    constexpr size_t width = 98;
    std::string text = usage_head;
    std::string line;
    for (const std::string& word : set_name_words()) {
        if (!line.empty() && indent + line.size() + 1 + word.size() > width) {
            text += std::string(indent, ' ') + line + '\n';
            line.clear();
        }
        line += (line.empty() ? "" : " ") + word;
    }
    return text + std::string(indent, ' ') + line + '\n';
}
