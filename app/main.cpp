#include "app/cli.h"
#include "app/launch.h"
#include "ui/windows/main_screen.h"
#include "ui/windows/sim_application.h"

#include <QFile>
#include <QMessageBox>

#include <exception>
#include <filesystem>
#include <iostream>
#include <string>

namespace {

// The window: the main screen, then the start menu as its child with the lesson file
// loaded into it, then the message loop.
int run_window(int argc, char** argv, const Launch& launch)
{
    Sim_application app(argc, argv);
    try {
        TMain_screen main_screen;
        main_screen.set_echo_lines(launch.echo_lines);
        main_screen.show();
        main_screen.open_start_menu();
        if (launch.lesson_path)
            main_screen.open_lesson(QFile::decodeName(launch.lesson_path->c_str()));
        Sim_application::exec();
    } catch (const std::exception& e) {
        QMessageBox::critical(nullptr, "Error", QString::fromStdString(e.what()));
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const Launch launch = launch_of(argc, argv, [](const std::string& path) {
        std::error_code unreadable;
        return std::filesystem::is_regular_file(path, unreadable);
    });
    if (!launch.window) return run_cli(argc, argv, std::cout, std::cerr);
    return run_window(argc, argv, launch);
}
