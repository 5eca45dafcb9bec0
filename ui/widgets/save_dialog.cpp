#include "ui/widgets/save_dialog.h"

#include <QFileDialog>
#include <QMessageBox>

namespace {

// Qt's own dialog on every desktop: it adds the default suffix before it checks for an
// existing file, which a desktop's native dialog does not promise.
QString ask_for_file(QWidget* parent, const QString& title, const QString& name,
                     const QString& suffix)
{
    QFileDialog dialog(parent, title);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(file_filter(suffix));
    dialog.setDefaultSuffix(suffix);
    dialog.selectFile(name);
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.selectedFiles().value(0);
}

} // namespace

std::function<QString(QWidget*, const QString&, const QString&, const QString&)>
    Save_dialog::choose = ask_for_file;

std::function<void(QWidget*, const QString&)> Save_dialog::failed =
    [](QWidget* parent, const QString& text) { QMessageBox::warning(parent, "Save", text); };

QString file_filter(const QString& suffix)
{
    if (suffix == "png") return "PNG picture (*.png)";
    if (suffix == "cdmalesson") return "lesson files (*.cdmalesson)";
    return QString("%1 values (*.%2)").arg(suffix.toUpper(), suffix);
}

void Save_dialog::save(QWidget* parent, const QString& title, const QString& name,
                       const QString& suffix, const std::function<bool(const QString&)>& write)
{
    const QString path = choose(parent, title, name, suffix);
    if (path.isEmpty()) return;
    if (!write(path)) failed(parent, "could not write " + path + "; nothing was saved");
}
