#pragma once
// "save parameters..." and "load parameters...": the entered values to and from a lesson
// file. In the start menu all four sets; once the chain is set up the start values of a
// loaded file are ignored, with a note saying so.

#include <QString>
#include <QWidget>

#include <functional>

class QPushButton;
class Menu_host;

class TLesson_btns : public QWidget {
    Q_OBJECT
public:
    // vertical: the buttons one above the other, else side by side.
    TLesson_btns(QWidget* parent, Menu_host& host, bool vertical);

    QPushButton* save_pars = nullptr;
    QPushButton* load_pars = nullptr;

    void save_parsClick();
    void load_parsClick();
    // Loads the lesson file at path as "load parameters..." does once a file is chosen:
    // a refused file stores nothing and is told with its name and line.
    void load(const QString& path);

    // The lesson file to load, "" when cancelled; a file dialog unless replaced (tests).
    static std::function<QString(QWidget* parent)> ask_open_path;
    // A refusal or a note; a modal message box unless replaced (tests).
    static std::function<void(QWidget* parent, const QString& title, const QString& text)> tell;

private:
    Menu_host& host;
    void store(const class Par_entry& entry);
};
