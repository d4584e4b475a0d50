#pragma once
// Draws produced pages: one routine for the preview, the printer and PDF files.

#include "display_list.h"

class QPainter;
class QPagedPaintDevice;

namespace report {

// Draws `page` with the painter's origin at the paper's top-left corner, at `scale` device
// pixels per hundredth of a millimetre.
void paintPage(QPainter& painter, const Page& page, double scale);

// Device pixels per hundredth of a millimetre for a paged device (printer or PDF writer).
double pagedDeviceScale(const QPagedPaintDevice& device);

}  // namespace report
