#pragma once
// The message box that tells why a parameter set was not stored: wide enough for its
// longest line, so that no word of a caption or a range is broken.

#include <QMessageBox>
#include <QString>

#include <memory>

std::unique_ptr<QMessageBox> refusal_box(QWidget* parent, const QString& text);
