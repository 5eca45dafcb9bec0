#pragma once
// One line of the parameter menu: a caption and up to three entry fields.

#include <QLabel>
#include <QLineEdit>
#include <QWidget>

class TParameter_line : public QWidget {
    Q_OBJECT
public:
    explicit TParameter_line(QWidget* parent);

    QLabel* caption;
    QLineEdit* data1;
    QLineEdit* data2;
    QLineEdit* data3;
};
