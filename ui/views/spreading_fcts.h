#pragma once
// The spreading-function explorer, a panel of the main screen: the 64 Walsh functions
// and the states of the three PN registers. Two functions can be multiplied (both, their
// product and its running mean), one correlated with all Walsh functions or with the
// next states of its register, two PN registers shown as shift-register pictures, and
// the PN generator timed. Long PN loops run with a progress dialog and Cancel.

#include "engine/pn_survey.h"
#include "plot/plot_curves.h"

#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class Canvas;
class QLabel;
class QLineEdit;
class QPushButton;
class Paint_box;
class TPn_generator;
class Walsh_code;

class TSpreading_fcts : public QWidget {
    Q_OBJECT
public:
    // generators: the two frames that show the PN generators below the explorer.
    TSpreading_fcts(QWidget* parent, const std::array<TPn_generator*, 2>& generators);

    std::array<Paint_box*, 4> plots{};
    std::array<QLabel*, 4> labels{}; // beside each box: what its curve shows
    QPushButton* caption1 = nullptr;
    QPushButton* caption2 = nullptr;
    QLineEdit* input1 = nullptr;
    QPushButton* times = nullptr;
    QLineEdit* input2 = nullptr;
    QLineEdit* input3 = nullptr;
    QLineEdit* input4 = nullptr;
    QPushButton* multiply = nullptr;
    QPushButton* correlate = nullptr;
    QPushButton* show_gen = nullptr;
    QPushButton* max_nr = nullptr;
    QPushButton* pn_timing = nullptr;

    enum Family { walsh = 1, pn_u = 2, pn_i = 3, pn_q = 4 };
    enum Operation {
        none = 0,
        product_op = 1,
        correlate_op = 2,
        timing_op = 4,
        count_op = 5,
        generators_op = 6
    };

    int tag = walsh; // the family a button chose
    int family = walsh;
    int operation = none;
    std::array<double, 4> in{}; // input1 .. input4
    double fct_count = 64;      // N
    int points = 64;
    double nr = 0;
    double current = 0;
    std::array<std::uint64_t, 2> slot{};
    double matches = 0;
    std::string text; // result line of the last PN timing or correlation
    Plot_curves curves;

    // A family button of the stage picker (Tags 1 to 4).
    void open(int family_tag);
    void FrameClick();
    // Sets the frame up for the family in tag.
    void set_up_family();
    void multiplyClick(QPushButton* sender);

    // Function number x reduced to 0 .. N - 1 (a true remainder of its whole part).
    double wrap(double x) const;

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    std::array<TPn_generator*, 2> generators;
    Walsh_code* walsh_obj = nullptr;
    const PN_spread* pn = nullptr;
    Pn_step step = nullptr;
    std::uint64_t mask = 0;
    int reg_len = 0;

    // Hides what the family shown last left: the operations that its set-up or the count
    // brings up, and the curves.
    void forget_family();
    void hide_curves();
    bool read_inputs();
    void pick_operation(QPushButton* sender);
    void count_functions();
    void draw();
    void draw_products();
    void draw_correlation();
    void draw_timing();
    void show_generators();
    // The value of function f (+1 or -1) at point i; PN functions from the slot state.
    float value(double f, std::uint64_t state, int i) const;
    void plot(int box, const std::string& label, const std::function<float(int)>& at, int count);
    void write(int box, const std::string& line);
};
