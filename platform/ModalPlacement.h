#pragma once

#include <QPoint>
#include <QSize>

// Where a modal form goes: centred on the whole virtual desktop by its
// outer size, halves truncated towards zero, never above or left of 0.
QPoint centredModalPosition(const QSize &desktop, const QSize &outer);
