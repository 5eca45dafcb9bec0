#pragma once
// A single-line text box that reports a click (the result and error lines hide
// themselves when clicked). A text too long for its width wraps at its blanks and the box
// grows downwards, keeping its place and width, so that no part of the text is out of
// view; the full text is also its tooltip.

#include <QLineEdit>

#include <functional>

class Click_line : public QLineEdit {
public:
    explicit Click_line(QWidget* parent) : QLineEdit(parent) { setReadOnly(true); }
    std::function<void()> on_click;

    // Shows text whole, in as many lines as the box's width needs.
    void show_text(const QString& text);
    // Whether the text is shown in more than one line.
    bool wrapped() const { return wrapped_text; }

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        QLineEdit::mousePressEvent(event);
        if (on_click) on_click();
    }
    void paintEvent(QPaintEvent* event) override;

private:
    int single_line_px = 0; // the box's height for one line, taken at the first text
    bool wrapped_text = false;
    // Where the text is drawn inside the frame.
    QRect text_area() const;
};
