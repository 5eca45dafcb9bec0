#include "ui/plot_picture.h"
#include "plot/time_base.h"

#include "engine/elements.h"
#include "plot/plot_ctrl.h"
#include "ui/qt_canvas.h"
#include "ui/sim_application.h"
#include "ui/vector_state.h"

#include <QGuiApplication>
#include <QImage>

#include <cstdlib>
#include <memory>
#include <stdexcept>

namespace {

QtMessageHandler qt_default_handler = nullptr;

// A command that succeeds prints nothing on stderr: Qt's notes about the session (no
// runtime directory, no display) are dropped, its errors still reach the default handler.
void errors_only(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if ((type == QtCriticalMsg || type == QtFatalMsg) && qt_default_handler != nullptr)
        qt_default_handler(type, context, text);
}

} // namespace

// Text needs a running application object; without a display it runs offscreen.
std::unique_ptr<QGuiApplication> headless_application()
{
    if (QCoreApplication::instance() != nullptr) return nullptr;
    qt_default_handler = qInstallMessageHandler(errors_only);
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform == nullptr || *platform == '\0') setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "cdma_sim";
    static char* argv[] = {name, nullptr};
    auto app = std::make_unique<QGuiApplication>(argc, argv);
    install_font_substitutes();
    return app;
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
        caption = draw_signal_plot(p.code, canvas, 0);
    }
    if (!image.save(QString::fromStdString(p.png_path), "PNG"))
        throw std::runtime_error("cannot write the picture '" + p.png_path + "'");
    return caption;
}
