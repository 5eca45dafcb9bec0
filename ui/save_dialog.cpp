#include "ui/save_dialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

std::function<QString(QWidget*, const QString&, const QString&, const QString&)>
    Save_dialog::choose =
        [](QWidget* parent, const QString& title, const QString& name, const QString& filter) {
            return QFileDialog::getSaveFileName(parent, title, name, filter);
        };

std::function<void(QWidget*, const QString&)> Save_dialog::failed =
    [](QWidget* parent, const QString& text) { QMessageBox::warning(parent, "Save", text); };

QString with_suffix(const QString& path, const QString& suffix)
{
    if (path.isEmpty() || !QFileInfo(path).suffix().isEmpty()) return path;
    return path + "." + suffix;
}

void Save_dialog::save(QWidget* parent, const QString& title, const QString& name,
                       const QString& suffix, const std::function<bool(const QString&)>& write)
{
    const QString filter = suffix == "png"
                               ? "PNG picture (*.png)"
                               : QString("%1 values (*.%2)").arg(suffix.toUpper(), suffix);
    const QString path = with_suffix(choose(parent, title, name, filter), suffix);
    if (path.isEmpty()) return;
    if (!write(path)) failed(parent, "could not write " + path + "; nothing was saved");
}
