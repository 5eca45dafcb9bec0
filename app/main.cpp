#include "app/cli.h"
#include "ui/windows/main_screen.h"
#include "ui/windows/sim_application.h"

#include <QMessageBox>

#include <exception>
#include <iostream>
#include <string_view>

namespace {

// The window: the main screen, then the start menu as its child, then the message loop.
int run_window(int argc, char** argv, bool echo_lines)
{
    Sim_application app(argc, argv);
    try {
        TMain_screen main_screen;
        main_screen.set_echo_lines(echo_lines);
        main_screen.show();
        main_screen.open_start_menu();
        Sim_application::exec();
    } catch (const std::exception& e) {
        QMessageBox::critical(nullptr, "Error", QString::fromStdString(e.what()));
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && std::string_view(argv[1]) == "--echo-lines")
        return run_window(argc, argv, true);
    if (argc > 1) return run_cli(argc, argv, std::cout, std::cerr);
    return run_window(argc, argv, false);
}
