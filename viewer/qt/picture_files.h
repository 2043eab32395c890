#pragma once
// The picture as the logic paints it at its current size, as an image or
// written to a PNG or PDF file.

#include <QImage>
#include <QString>

#include "viewer_window.h"

namespace ambrel {

QImage RenderPicture(ViewerWindow& logic);

// False when the file cannot be written.
bool SavePng(ViewerWindow& logic, const QString& path);
// One page of the picture's size, one point per pixel: lines and texts stay
// sharp at any zoom, the bands are the picture's pixels.
bool SavePdf(ViewerWindow& logic, const QString& path);

}  // namespace ambrel
