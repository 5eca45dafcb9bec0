#pragma once
// A parameter button: opens the parameter menu for its set (1 start, 2 analog
// modulation, 3 band-pass filters, 4 noise and distortions).

#include <QWidget>

class QPushButton;
class Menu_host;

class TParameter_btn : public QWidget {
    Q_OBJECT
public:
    TParameter_btn(QWidget* parent, Menu_host& host, int tag);

    QPushButton* button = nullptr;
    QWidget* PaintBox1 = nullptr;
    int tag() const;

    void buttonClick();

private:
    Menu_host& host;
};

// The caption of the button of a set.
const char* parameter_set_name(int tag);
