#pragma once
// A signal plot window: one stage code's signal over the chosen time window, redrawn
// when its size or the time window changes. It frees itself when closed.

#include <QMdiSubWindow>

#include <string>
#include <vector>

class Paint_box;
class View_host;

class TSignal_plot : public QMdiSubWindow {
    Q_OBJECT
public:
    TSignal_plot(View_host& host, int code);

    int tag() const;
    Paint_box* bits = nullptr;
    // The caption of the last drawing. While the mouse is over the plot the title line
    // reads out the drawn value under it instead, covering nothing of the plot.
    QString caption;
    View_host& host;
    // The values of the last drawing, one per pixel column, with their times (µs).
    std::vector<float> times_us;
    std::vector<float> values;
    // Samples per microsecond of a buffer signal as drawn; 0 for an analog signal.
    float rate = 0.0f;

    // Shows the read-out of pixel column x; the caption again when the mouse leaves.
    void bitsMove(int x);
    void bitsLeave();

    // Writes the paint box as a PNG; false when the file cannot be written.
    bool save_picture(const QString& path) const;
    // Writes the plotted values as CSV: a comment line with the caption, a header, then
    // time in microseconds and value, each in the fewest digits that read back the same.
    bool save_values(const QString& path) const;
    // The context menu's entries: ask for a file (plot_<code>.png / .csv) and save.
    void save_picture_as();
    void save_values_as();

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
};

// What a plot shows on the error line while the chain holds no complete run.
inline constexpr const char* run_needed_message =
    "no signals: the chain has not run; press 'xmit/rcve' first";

// Draws the window's signal and sets its caption.
void caption_plot(TSignal_plot& control);
