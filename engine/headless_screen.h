#pragma once
// The screen of the command line: remembers what a window would show (also used by tests).

#include "engine/screen_port.h"

#include <string>

// Remembers what a window would show, for the command line and for tests.
class Headless_screen : public Screen_port {
public:
    std::string error;
    bool error_visible = false;
    std::string result;
    int run_menus_opened = 0;
    int buttons_shown = 0;

    void show_error(const std::string& text) override
    {
        error = text;
        error_visible = true;
    }
    void hide_error() override { error_visible = false; }
    void set_result(const std::string& text) override { result = text; }
    void open_run_menu() override { ++run_menus_opened; }
    void show_buttons() override { ++buttons_shown; }
};
