#include "ModalPlacement.h"

#include <algorithm>

QPoint centredModalPosition(const QSize &desktop, const QSize &outer)
{
    // Integer division truncates towards zero, also for negative values.
    return {std::max(0, (desktop.width() - outer.width()) / 2),
            std::max(0, (desktop.height() - outer.height()) / 2)};
}
