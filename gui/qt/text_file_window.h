#pragma once
// A read-only window showing a text file, for when the desktop has no viewer.

#include <QWidget>

namespace kestrix {

// Opens the window without waiting; it deletes itself when closed.
void ShowTextFileWindow(const QString& path, QWidget* owner);

}  // namespace kestrix
