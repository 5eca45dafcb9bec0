#include "ui/plots/sweep_window.h"

#include "engine/par_rows.h"
#include "plot/sweep_plot.h"
#include "ui/pictures/qt_canvas.h"
#include "ui/pictures/safe_file.h"
#include "ui/widgets/menu_host.h"
#include "ui/widgets/paint_box.h"
#include "ui/widgets/save_dialog.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

static_assert(TSweep_window::window_tag >= Menu_host::plot_tag_limit &&
              TSweep_window::window_tag != Menu_host::menu_tag);

TSweep_window::TSweep_window(Sweep_result result) : swept(std::move(result))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setProperty("Tag", window_tag);
    setWindowFlags(Qt::SubWindow | Qt::WindowSystemMenuHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setWindowTitle(QString::fromStdString(sweep_title(swept)));
    auto* body = new QWidget(this);
    picture = new Paint_box(body);
    picture->setMinimumSize(400, 200);
    picture->on_resize = [this] { redraw(); };
    log_y = new QCheckBox("log share axis", body);
    save_picture = new QPushButton("Save picture...", body);
    save_values = new QPushButton("Save values...", body);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(log_y);
    buttons->addStretch();
    buttons->addWidget(save_picture);
    buttons->addWidget(save_values);
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(picture, 1);
    layout->addLayout(buttons);
    setWidget(body);
    connect(log_y, &QCheckBox::toggled, this, &TSweep_window::redraw);
    connect(save_picture, &QPushButton::clicked, this, &TSweep_window::save_pictureClick);
    connect(save_values, &QPushButton::clicked, this, &TSweep_window::save_valuesClick);
}

void TSweep_window::redraw()
{
    picture->clear_image();
    {
        Qt_canvas canvas(picture->image);
        draw_sweep(canvas, swept, log_y->isChecked());
    }
    picture->update();
}

QString TSweep_window::file_name(const char* suffix) const
{
    const std::string_view name = par_rows[static_cast<size_t>(swept.row)].name;
    return QString("sweep_%1.%2")
        .arg(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())), suffix);
}

void TSweep_window::save_pictureClick()
{
    Save_dialog::save(this, "Save picture...", file_name("png"), "png",
                      [this](const QString& path) { return save_png(picture->image, path); });
}

void TSweep_window::save_valuesClick()
{
    const QByteArray values = QByteArray::fromStdString(sweep_csv(swept));
    Save_dialog::save(this, "Save values...", file_name("csv"), "csv",
                      [&values](const QString& path) { return save_text(path, values); });
}
