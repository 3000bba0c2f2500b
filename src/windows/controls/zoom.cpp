// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "windows/controls/zoom.h"

namespace quindle {

QFont zoomedFont(QFont font, int zoom)
{
    if (zoom == kDesignZoom)
        return font;
    if (font.pixelSize() > 0)
        font.setPixelSize(zoomed(font.pixelSize(), zoom));
    else
        font.setPointSizeF(zoomedScale(font.pointSizeF(), zoom));
    return font;
}

} // namespace quindle
