#pragma once
// The stage picker: the circuit diagram with a blue "?" button at every point whose
// signal can be plotted, the run button, the result and FFT buttons, the red view
// buttons and the three parameter buttons of the run-time menu. After a run it shows
// exactly the buttons whose signals exist.

#include "engine/stage_codes.h"
#include "ui/windows/picker_views.h"

#include <QWidget>

#include <array>
#include <string>

class QLabel;
class QPushButton;
class Menu_host;
class TParameter_btn;

class TGet_plots : public QWidget {
    Q_OBJECT
public:
    TGet_plots(QWidget* parent, Menu_host& host, const Picker_views& views);

    QLabel* circuit = nullptr;
    QPushButton* run = nullptr;
    QPushButton* see_result = nullptr;
    QPushButton* FFT = nullptr;
    QPushButton* en_decoder = nullptr;
    QPushButton* Walsh = nullptr;
    QPushButton* PN_U = nullptr;
    QPushButton* PN_I = nullptr;
    QPushButton* PN_Q = nullptr;
    QPushButton* bp_filter = nullptr;
    QPushButton* eye = nullptr;
    QPushButton* constellation = nullptr;
    TParameter_btn* analog_par = nullptr;
    TParameter_btn* filter_par = nullptr;
    TParameter_btn* distort_par = nullptr;

    static constexpr int row_total = stage_rows;
    static constexpr int row_slots = stage_row_places;
    // The stage buttons of each part of the chain, in slot order.
    std::array<std::array<QPushButton*, row_slots>, row_total> rows{};
    static constexpr std::array<int, row_total> row_count = stage_row_counts();
    // The view buttons, in the order the rows release them.
    std::array<QWidget*, 14> view_buttons{};

    // The stage button of a stage code, or null.
    QPushButton* stage_button(int code) const;

    void hide_buttons();
    void show_buttons();
    void hide_parameter_buttons();
    void show_parameter_buttons();

    void stageClick(QPushButton* sender);
    void runClick();
    void WalshClick(QPushButton* sender);
    void FFTClick();
    void eyeClick();
    void constellationClick();
    void bp_filterClick();
    void en_decoderClick();
    void see_resultClick();
    // After a job that was stopped and left the chain not run (what: "run", "error
    // sweep"): no stage buttons, no result, the run button stays, open plots show no
    // signal, and the error line says so.
    void chain_not_run(const std::string& what);

private:
    Menu_host& host;
    Picker_views views;
    QPushButton* make_stage_button(const Stage_code& s);
    QPushButton* make_view_button(const char* name, const char* caption, int left, int top,
                                  int width, int height, int font_px);
};

// Whether slot j of row r is offered for the stored analog settings (rows 4 to 8;
// rows 0 to 3 are always complete).
bool slot_shown(int r, int j);
// Rows of stage buttons offered for a number of logical stages.
int rows_for_stages(int stages);
