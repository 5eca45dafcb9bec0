#pragma once
// Runs the real cdma_sim binary with shell words and collects what it printed.

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>
#include <vector>

struct Sim_outcome {
    int status = -1;
    std::string out;
    std::string err;
};

inline std::string file_text(const std::string& path)
{
    std::ifstream f(path);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

// prefix: a command put before the binary, such as "env -u NAME".
inline Sim_outcome run_cdma_sim(const std::string& args, const std::string& prefix = "")
{
    char out_path[] = "/tmp/cdma_sim_out_XXXXXX";
    char err_path[] = "/tmp/cdma_sim_err_XXXXXX";
    close(mkstemp(out_path));
    close(mkstemp(err_path));
    const std::string cmd =
        prefix + " " + CDMA_SIM_PATH + " " + args + " >" + out_path + " 2>" + err_path;
    const int raw = std::system(cmd.c_str());
    Sim_outcome o;
    o.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    o.out = file_text(out_path);
    o.err = file_text(err_path);
    std::remove(out_path);
    std::remove(err_path);
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
