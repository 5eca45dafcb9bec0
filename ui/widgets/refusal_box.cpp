#include "ui/widgets/refusal_box.h"

#include <QFontMetrics>
#include <QLabel>

#include <algorithm>

namespace {

// Wider lines wrap at their blanks rather than make the box leave the main window.
constexpr int max_text_px = 760;
// Room for the label's own margins.
constexpr int margin_px = 8;

} // namespace

std::unique_ptr<QMessageBox> refusal_box(QWidget* parent, const QString& text)
{
    auto box = std::make_unique<QMessageBox>(QMessageBox::Warning, "parameters not stored", text,
                                             QMessageBox::Ok, parent);
    auto* label = box->findChild<QLabel*>("qt_msgbox_label");
    if (label == nullptr) return box;
    const QFontMetrics metrics(label->font());
    int widest = 0;
    for (const QString& line : text.split('\n'))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    label->setMinimumWidth(std::min(widest + margin_px, max_text_px));
    return box;
}
