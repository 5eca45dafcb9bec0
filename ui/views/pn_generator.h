#pragma once
// A frame showing one PN generator as a shift-register picture; a click hides it.

#include <QWidget>

class Paint_box;
class View_host;

class TPn_generator : public QWidget {
    Q_OBJECT
public:
    TPn_generator(QWidget* parent, View_host& host);

    Paint_box* PaintBox = nullptr;

    void PaintBoxClick();

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    View_host& host;
};
