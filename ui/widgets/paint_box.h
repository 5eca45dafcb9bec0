#pragma once
// A paint box: a widget that owns an image, is drawn into at any time through a
// Qt_canvas, and only copies the image when Qt paints it, so a covered and uncovered
// window shows what was drawn.

#include <QImage>
#include <QWidget>

#include <functional>

class Paint_box : public QWidget {
    Q_OBJECT
public:
    explicit Paint_box(QWidget* parent);

    QImage image;
    // Called after the box got a new size (the image is then white); while a job runs,
    // once it has ended (the image keeps the old picture meanwhile).
    std::function<void()> on_resize;
    // Called on a left click.
    std::function<void()> on_click;
    // Called when the mouse moves over the box (x, y in pixels) and when it leaves it;
    // setting on_move turns mouse tracking on.
    std::function<void(int x, int y)> on_move;
    std::function<void()> on_leave;
    void track_mouse(std::function<void(int x, int y)> moved, std::function<void()> left);

    // Fills the image white.
    void clear_image();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
};
