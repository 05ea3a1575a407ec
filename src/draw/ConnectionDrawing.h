#pragma once

#include "model/Records.h"

#include <QImage>

namespace orvex {

constexpr int kConnectionPreviewWidth = 216;
constexpr int kConnectionPreviewHeight = 176;
constexpr int kConnectionDetailWidth = 380;

// The sketch the connection window shows: column flange, seat angle, top angle, the beam on the
// seat with the erection clearance, and the load P.
QImage ConnectionPreviewImage();

// The sketch widened to the detail width (the new area white) with the beam, the angle (its name
// and length in mm) and the column named beside their parts.
QImage ConnectionDetailImage(const TConnectionSimple& connection);

// The detail image as BMP bytes, for the report. Raises ArithmeticError when the angle length is
// not finite.
TPicture ConnectionDetailPicture(const TConnectionSimple& connection);

// `image` as the bytes of a 24-bit BMP file.
TPicture BitmapFromImage(const QImage& image);

// Text needs a QGuiApplication. When the process has no application object yet, the drawing
// functions create one on the offscreen platform that lives until the process ends; call this
// first to make that explicit. Does nothing when an application already exists.
void EnsureDrawingApplication();

} // namespace orvex
