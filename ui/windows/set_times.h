#pragma once
// The time-window panel: two spinners choose the width and the start of the window
// that every signal plot shows (microseconds); after each change the plot control gets
// the window and every plot window is redrawn.

#include <QWidget>

class QLineEdit;
class Lr_spinner;
class Paint_box;
class Menu_host;

class TSet_times : public QWidget {
    Q_OBJECT
public:
    TSet_times(QWidget* parent, Menu_host& host);

    QLineEdit* sel_start = nullptr;
    QLineEdit* sel_range = nullptr;
    Lr_spinner* UpDown1 = nullptr;
    Paint_box* time_caption = nullptr;
    Lr_spinner* UpDown2 = nullptr;

    void time_captionPaint();
    void UpDown1Click();
    void UpDown2Click();

    float window_width() const { return delta_t; }
    float window_start() const { return t_zero; }
    float block_duration() const { return t_total; }

    static constexpr int spinner_limit = 20;

protected:
    void showEvent(QShowEvent* event) override;

private:
    Menu_host& host;
    float delta_t = 0.0f;
    float t_total = 0.0f;
    float t_zero = 0.0f;
    float base_width = 0.0f;
    float min_width = 0.0f;
    int n_bits = 0;
    bool initialized = false;
    int last_good_pos = 0;

    void write_caption();
};
