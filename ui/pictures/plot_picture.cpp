#include "engine/refusal.h"
#include "plot/time_base.h"
#include "ui/pictures/plot_picture.h"

#include "engine/elements.h"
#include "plot/plot_ctrl.h"
#include "ui/pictures/pixel_font.h"
#include "ui/pictures/qt_canvas.h"
#include "ui/pictures/safe_file.h"
#include "ui/pictures/text_setup.h"
#include "ui/pictures/vector_state.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

// A command that succeeds prints nothing on stderr: Qt's notes about the platform (such as
// "XDG_RUNTIME_DIR not set") are dropped, its critical messages kept.
QtMessageHandler qt_handler = nullptr;

void quiet_messages(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtDebugMsg || type == QtInfoMsg || type == QtWarningMsg) return;
    if (qt_handler != nullptr)
        qt_handler(type, context, text);
    else
        std::fprintf(stderr, "%s\n", qPrintable(text));
}

} // namespace

std::unique_ptr<QGuiApplication> headless_application()
{
    if (QCoreApplication::instance() != nullptr) return nullptr;
    QtMessageHandler previous = qInstallMessageHandler(quiet_messages);
    if (previous != quiet_messages) qt_handler = previous;
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform == nullptr || *platform == '\0') setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "cdma_sim";
    static char* argv[] = {name, nullptr};
    auto app = std::make_unique<QGuiApplication>(argc, argv);
    pin_c_numbers();
    install_font_substitutes();
    return app;
}

QImage with_caption(const QImage& drawing, const QString& caption)
{
    constexpr int margin = 4;
    const QFont font = pixel_font("Times New Roman", 13);
    const QRect line(margin, margin / 2, std::max(drawing.width() - 2 * margin, 1), 0);
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWrapAnywhere;
    const int text_height = QFontMetrics(font).boundingRect(line, flags, caption).height();
    QImage picture(drawing.width(), drawing.height() + text_height + margin, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(line.adjusted(0, 0, 0, text_height), flags, caption);
    painter.drawImage(0, text_height + margin, drawing);
    return picture;
}

std::string write_plot_picture(const Plot_picture& p)
{
    const auto app = headless_application();
    float t_total = 0.0f;
    time_base(1, &t_total, nullptr);
    float window = p.window_us;
    float start = p.start_us;
    time_base(2, &window, &start);

    QImage image(p.width, p.height, QImage::Format_RGB32);
    image.fill(Qt::white);
    std::string caption;
    {
        Qt_canvas canvas(image);
        clear_upper_vector_state();
        caption = draw_signal_plot(p.code, canvas);
    }
    if (p.with_caption) image = with_caption(image, QString::fromStdString(caption));
    write_png(image, p.png_path);
    return caption;
}
