#pragma once
// Runs the real cdma_sim binary with shell words and checks what it printed.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>
#include <vector>

struct Sim_outcome {
    int status;
    std::string out, err;
};

inline std::string file_text(const std::string& path)
{
    std::ostringstream s;
    s << std::ifstream(path).rdbuf();
    return s.str();
}

// A fresh file, ending in suffix, that holds text.
inline std::string temp_path(const std::string& suffix, const std::string& text = "")
{
    std::string name = "/tmp/cdma_sim_XXXXXX" + suffix;
    close(mkstemps(name.data(), static_cast<int>(suffix.size())));
    std::ofstream(name) << text;
    return name;
}

// prefix: a command put before the binary, such as "env -u NAME". With ctrl_c, a Ctrl+C is
// already waiting: the shell and then the program start with SIGINT blocked and pending
// (exec keeps both), so it arrives once the program lets it in, whatever the timing.
inline Sim_outcome run_cdma_sim(const std::string& args, const std::string& prefix = "",
                                bool ctrl_c = false)
{
    const std::string out_path = temp_path(""), err_path = temp_path("");
    const std::string cmd = "exec " + prefix + " " + CDMA_SIM_PATH + " " + args;
    if (fork() == 0) {
        sigset_t interrupt;
        sigemptyset(&interrupt);
        sigaddset(&interrupt, SIGINT);
        if (ctrl_c) sigprocmask(SIG_BLOCK, &interrupt, nullptr), raise(SIGINT);
        if (freopen(out_path.c_str(), "w", stdout) && freopen(err_path.c_str(), "w", stderr))
            execl("/bin/sh", "sh", "-c", cmd.c_str(), nullptr);
        _exit(127);
    }
    int raw = 0;
    wait(&raw);
    const Sim_outcome o{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, file_text(out_path),
                        file_text(err_path)};
    std::remove(out_path.c_str());
    std::remove(err_path.c_str());
    return o;
}

// Width and height from a PNG file's header chunk (big-endian at bytes 16 and 20).
inline std::pair<unsigned, unsigned> png_file_size(const std::string& path)
{
    const std::string bytes = file_text(path);
    if (bytes.size() < 24 || bytes.compare(1, 3, "PNG") != 0) return {0, 0};
    auto word = [&](size_t at) {
        unsigned v = 0;
        for (size_t k = 0; k < 4; ++k) v = v << 8 | static_cast<unsigned char>(bytes[at + k]);
        return v;
    };
    return {word(16), word(20)};
}

// One command line and what it must give. PNG in args stands for a fresh picture path.
struct Cli_row {
    std::string args;
    int status;
    std::string err_has; // a refusal's single stderr line holds it; an accepted row prints none
    bool out_empty;
    std::string out_starts = {};
    unsigned png_width = 0, png_height = 0; // the picture's size, checked unless 0
};

// Runs every row without a desktop session, where Qt would otherwise warn about its runtime
// directory on stderr; with ctrl_c, a Ctrl+C is waiting. An accepted picture command writes
// a PNG, a refused or stopped one writes none.
inline void expect_rows(const std::vector<Cli_row>& rows, bool ctrl_c = false)
{
    const std::string png = temp_path(".png");
    for (const Cli_row& row : rows) {
        SCOPED_TRACE(row.args);
        std::remove(png.c_str());
        const std::string args = std::regex_replace(row.args, std::regex("PNG"), png);
        const Sim_outcome o = run_cdma_sim(args, "env -u XDG_RUNTIME_DIR", ctrl_c);
        EXPECT_EQ(o.status, row.status);
        EXPECT_EQ(o.out.empty(), row.out_empty) << o.out;
        EXPECT_THAT(o.out, testing::StartsWith(row.out_starts));
        if (row.status == 0) {
            EXPECT_EQ(o.err, "");
        } else {
            EXPECT_THAT(o.err, testing::AllOf(testing::StartsWith("cdma_sim: "),
                                              testing::HasSubstr(row.err_has)));
            EXPECT_EQ(o.err.find('\n'), o.err.size() - 1) << "not one line: " << o.err;
        }
        if (args != row.args) {
            EXPECT_EQ(std::ifstream(png).good(), row.status == 0) << "a picture file";
            EXPECT_EQ(png_file_size(png) != std::make_pair(0u, 0u), row.status == 0) << "a PNG";
        }
        if (row.png_width != 0) {
            EXPECT_EQ(png_file_size(png), std::make_pair(row.png_width, row.png_height));
        }
    }
    std::remove(png.c_str());
}
