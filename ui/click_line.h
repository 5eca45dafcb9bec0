#pragma once
// A single-line text box that reports a click (the result and error lines hide
// themselves when clicked).

#include <QLineEdit>

#include <functional>

class Click_line : public QLineEdit {
public:
    explicit Click_line(QWidget* parent) : QLineEdit(parent) { setReadOnly(true); }
    std::function<void()> on_click;

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        QLineEdit::mousePressEvent(event);
        if (on_click) on_click();
    }
};
