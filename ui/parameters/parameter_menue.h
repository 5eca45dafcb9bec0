#pragma once
// The parameter menu: shows one of the four parameter sets in up to four lines of entry
// fields and stores it when "use these parameters" is clicked.

#include "engine/par_entry.h"
#include "engine/par_rows.h"
#include "engine/parameters.h"
#include "ui/parameters/parameter_line.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <QWidget>

#include <array>
#include <functional>

class QHideEvent;
class QShowEvent;

class TParameter_menue : public QWidget {
    Q_OBJECT
public:
    explicit TParameter_menue(QWidget* parent);

    // The set shown: 1 start, 2 analog modulation, 3 band-pass filters, 4 noise and distortions.
    int tag = 0;
    // Called after a set has been stored (the main screen shows its menu buttons again).
    std::function<void()> on_confirmed;
    // Called when the menu is hidden without its set being stored (Erase, setup, any view
    // clearing): the buttons its opening hid must come back all the same.
    std::function<void()> on_dismissed;

    TParameter_line* parameter_line1;
    TParameter_line* parameter_line2;
    TParameter_line* parameter_line3;
    TParameter_line* parameter_line4;
    QLabel* caption1;
    QPushButton* set_quit;
    QWidget* PaintBox1;

    // Stores the set if every field converts and lies in its range; otherwise names the
    // first bad field in a warning, stores nothing and leaves the menu open as it is.
    void set_quitClick();
    // Fills the fields of the set named by tag from the stored values (called when shown).
    void fill();

    // Shows a refused entry to the user; a modal warning box unless replaced (tests).
    static std::function<void(QWidget* parent, const QString& text)> warn;

protected:
    void showEvent(QShowEvent*) override;
    void hideEvent(QHideEvent*) override;

private:
    static constexpr int line_count = 4;
    static constexpr int fields_per_line = 3;

    // Converts and checks the fields of the set; gives what stores them, or nothing
    // after the user has been told which field is refused.
    std::function<void()> checked_set();
    // Puts an edited field of row r into the entry; false after refusing its text.
    bool read_field(Par_entry& entry, int r);
    // The stored value of a row as its field shows it.
    QString stored_text(const Par_row& row) const;
    QLineEdit* edit_of(const Par_row& row) const;
    // Warns that a field cannot be stored (`problem` says why) and gives it the focus.
    void refuse(int line, int column, const QString& name, const QString& problem);
    void hide_all();
    bool confirming = false;

    std::array<TParameter_line*, line_count> lines;
    std::array<QLabel*, line_count> captions;
    std::array<std::array<QLineEdit*, fields_per_line>, line_count> fields;
    // Texts written by the last fill, to tell edited fields from untouched ones.
    std::array<std::array<QString, fields_per_line>, line_count> filled;

    // Locations of the values, copied in by every fill.
    Start_pars start_pars{};
    std::array<float*, par_count> pars{};
};
