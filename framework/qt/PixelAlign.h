#pragma once

#include <QPainter>
#include <QRect>

// At a fractional screen scale a widget may start part-way into a device
// pixel, and a one-pixel line along its left or top edge then falls on the
// pixel before it, outside what the widget may paint. Moves the painter onto
// the widget's first whole pixel, and shrinks `frame` to match, so that lines
// drawn along `frame`'s edges stay inside.
void AlignToDevicePixels(QPainter& painter, QRect& frame);
