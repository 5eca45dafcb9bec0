#pragma once
// The "Save ..." dialogs of the plot windows: a file name suggested from the stage code,
// the suffix added when the chosen name has none, and a message box when the file could
// not be written.

#include <QString>

#include <functional>

class QWidget;

class Save_dialog {
public:
    // Asks for a file, suggesting `name` (which ends in .suffix), writes it through
    // `write` and tells the user when that failed. Nothing happens when the user cancels.
    static void save(QWidget* parent, const QString& title, const QString& name,
                     const QString& suffix, const std::function<bool(const QString&)>& write);

    // The file dialog; tests replace it. Returns the chosen path, "" when cancelled.
    static std::function<QString(QWidget* parent, const QString& title, const QString& name,
                                 const QString& filter)>
        choose;
    // Tells the user that a file was not written; tests replace it.
    static std::function<void(QWidget* parent, const QString& text)> failed;
};

// The path with ".suffix" added when its file name has no suffix of its own.
QString with_suffix(const QString& path, const QString& suffix);
