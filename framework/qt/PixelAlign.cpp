#include "framework/qt/PixelAlign.h"

#include <cmath>

void AlignToDevicePixels(QPainter& painter, QRect& frame) {
    const QTransform device = painter.deviceTransform();
    const qreal scale = device.m11();
    if (scale <= 0) return;
    const qreal shiftX = (std::ceil(device.dx() - 1e-6) - device.dx()) / scale;
    const qreal shiftY = (std::ceil(device.dy() - 1e-6) - device.dy()) / scale;
    if (shiftX <= 0 && shiftY <= 0) return;
    painter.translate(shiftX, shiftY);
    frame.adjust(0, 0, shiftX > 0 ? -1 : 0, shiftY > 0 ? -1 : 0);
}
