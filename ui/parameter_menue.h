#pragma once
#include <QWidget>
#include <functional>
class TParameter_menue : public QWidget {
public:
    explicit TParameter_menue(QWidget* parent) : QWidget(parent)
    {
        resize(806, 239);
        hide();
    }
    int tag = 0;
    std::function<void()> on_confirmed;
};
