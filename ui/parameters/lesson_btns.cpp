#include "ui/parameters/lesson_btns.h"

#include "engine/lesson_file.h"
#include "engine/parameters.h"
#include "ui/pictures/pixel_font.h"
#include "ui/pictures/safe_file.h"
#include "ui/widgets/menu_host.h"
#include "ui/widgets/save_dialog.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

std::function<QString(QWidget*)> TLesson_btns::ask_open_path = [](QWidget* parent) {
    return QFileDialog::getOpenFileName(parent, "load parameters", QString(),
                                        file_filter(lesson_suffix) + ";;all files (*)");
};

std::function<void(QWidget*, const QString&, const QString&)> TLesson_btns::tell =
    [](QWidget* parent, const QString& title, const QString& text) {
        QMessageBox::information(parent, title, text);
    };

namespace {

constexpr int button_width = 130;
constexpr int button_height = 18;

} // namespace

TLesson_btns::TLesson_btns(QWidget* parent, Menu_host& menu_host, bool vertical)
    : QWidget(parent), host(menu_host)
{
    save_pars = new QPushButton("save parameters...", this);
    load_pars = new QPushButton("load parameters...", this);
    const int step_x = vertical ? 0 : button_width + 22;
    const int step_y = vertical ? button_height + 2 : 0;
    save_pars->setGeometry(0, 0, button_width, button_height);
    load_pars->setGeometry(step_x, step_y, button_width, button_height);
    resize(step_x + button_width, step_y + button_height);
    for (QPushButton* b : {save_pars, load_pars}) b->setFont(pixel_font("MS Sans Serif", 12));
    save_pars->setToolTip("write every parameter into a lesson file (plain text, one "
                          "'name = value' line each)");
    load_pars->setToolTip("read the parameters of a lesson file; a bad line stores nothing");
    connect(save_pars, &QPushButton::clicked, this, &TLesson_btns::save_parsClick);
    connect(load_pars, &QPushButton::clicked, this, &TLesson_btns::load_parsClick);
}

void TLesson_btns::save_parsClick()
{
    const QByteArray text =
        QByteArray::fromStdString(lesson_text(analog_pars(), nr_stages, data_bytes));
    Save_dialog::save(this, "save parameters", QString("lesson.") + lesson_suffix, lesson_suffix,
                      [&text](const QString& path) { return save_text(path, text); });
}

void TLesson_btns::load_parsClick()
{
    const QString path = ask_open_path(this);
    if (!path.isEmpty()) load(path);
}

void TLesson_btns::load(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    const Lesson_read file =
        read_lesson_file(QFile::encodeName(path).toStdString(), name.toStdString());
    if (!file.text) {
        tell(this, "parameters not loaded", QString::fromStdString(file.refusal));
        return;
    }
    Par_entry entry;
    if (const std::optional<Lesson_error> error = read_lesson(*file.text, entry)) {
        tell(this, "parameters not loaded",
             QString::fromStdString(error->message(name.toStdString())) + "\nNothing was stored.");
        return;
    }
    if (!host.run_menu_open()) {
        store(entry);
        return;
    }
    bool start_changed = false;
    store(without_start(entry, nr_stages, data_bytes, start_changed));
    if (start_changed)
        tell(this, "start parameters ignored",
             name + ": nr_stages and data_bytes are ignored; the start parameters can be "
                    "changed only before setup.");
}

void TLesson_btns::store(const Par_entry& entry)
{
    apply_entry(analog_pars(), entry);
    host.forget_run();
}
