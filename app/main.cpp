#include "app/cli.h"

#include <iostream>

int main(int argc, char** argv)
{
    if (argc > 1) return run_cli(argc, argv, std::cout, std::cerr);
    std::cout << "cdma_sim: the simulator window is not part of this build yet; "
                 "use 'cdma_sim run' or 'cdma_sim dump' (see 'cdma_sim --help').\n";
    return 0;
}
