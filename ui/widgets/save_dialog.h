#pragma once
// Every "Save ..." of the program goes through here: a file name suggested, the suffix
// added by the dialog itself (so that its question whether to replace an existing file is
// about the file that is then written), and one message when the file could not be
// written.

#include <QString>

#include <functional>

class QWidget;

class Save_dialog {
public:
    // Asks for a file, suggesting `name` (which ends in .suffix), writes it through
    // `write` and tells the user when that failed. Nothing happens when the user cancels.
    static void save(QWidget* parent, const QString& title, const QString& name,
                     const QString& suffix, const std::function<bool(const QString&)>& write);

    // The file dialog; tests replace it. Returns the chosen path with its suffix, "" when
    // cancelled.
    static std::function<QString(QWidget* parent, const QString& title, const QString& name,
                                 const QString& suffix)>
        choose;
    // Tells the user that a file was not written; tests replace it.
    static std::function<void(QWidget* parent, const QString& text)> failed;
};

// The file type offered for a suffix ("PNG picture (*.png)").
QString file_filter(const QString& suffix);
