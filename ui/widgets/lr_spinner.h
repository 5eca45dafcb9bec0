#pragma once
// A left/right spinner: two arrow buttons and a position bounded to lo..hi, without
// wrap-around. A click moves the position by one and then calls on_click.

#include <QWidget>

#include <functional>

class QToolButton;

class Lr_spinner : public QWidget {
    Q_OBJECT
public:
    Lr_spinner(QWidget* parent, int lo, int hi);

    int position() const { return pos; }
    // Clamped to lo..hi; does not call on_click.
    void set_position(int p);
    void click_left();
    void click_right();

    std::function<void()> on_click;
    QToolButton* left = nullptr;
    QToolButton* right = nullptr;

private:
    int lo;
    int hi;
    int pos = 0;
    void step(int by);
};
