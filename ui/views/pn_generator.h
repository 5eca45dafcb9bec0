#pragma once
// A frame showing one PN generator as a shift-register picture; a click hides it.

#include <QWidget>

class Paint_box;
class TMain_screen;

class TPn_generator : public QWidget {
    Q_OBJECT
public:
    TPn_generator(QWidget* parent, TMain_screen& main);

    Paint_box* PaintBox = nullptr;

    void PaintBoxClick();

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    TMain_screen& main;
};
