#pragma once
// What the engine tells the main screen. The window implements it; the command line
// has Headless_screen.

#include <string>

class Screen_port {
public:
    virtual ~Screen_port() = default;
    // Makes the error line visible with this text.
    virtual void show_error(const std::string& text) = 0;
    virtual void hide_error() = 0;
    // Sets the text of the result line.
    virtual void set_result(const std::string& text) = 0;
    // Replaces the start menu by the run-time menu.
    virtual void open_run_menu() = 0;
    // Offers the stage markers of the chain in use.
    virtual void show_buttons() = 0;
};
