#include "ItemGeometry.h"

#include <algorithm>

namespace schemakit::ItemGeometry {

int ListRowY(int row, int topIndex, int itemHeight, int controlTop)
{
    // Integer division truncates toward zero, also for rows above the top.
    return ((row - topIndex) * 2 + 1) * itemHeight / 2 + controlTop + 1;
}

int TreeRowLine(const QList<int>& shownFromTop, int row)
{
    int count = 0;
    for (int absoluteIndex : shownFromTop) {
        if (absoluteIndex > row)
            break;
        ++count;
    }
    return count > 0 ? count - 1 : 0;
}

int TreeRowY(int line, int controlTop)
{
    return controlTop + kTreeLineHeight * line + kRowMiddle;
}

int ShapeRowY(int controlTop)
{
    return controlTop + kRowMiddle;
}

int ClampRowY(int y, int controlTop, int controlHeight)
{
    return std::min(y, controlTop + controlHeight);
}

int ClientHeightFor(int contentHeight, bool border)
{
    return contentHeight + (border ? kBorderAllowance : 0) + kClientHeightPadding;
}

int ListOuterWidth(int widestText, bool border, int checkGlyph)
{
    const int w = std::max(kMinListContentWidth, widestText) + (border ? kBorderAllowance : 0);
    return w + kListWidthPadding + checkGlyph;
}

int ShapeOuterWidth(int contentWidth, bool border)
{
    return contentWidth + (border ? kBorderAllowance : 0);
}

int FitCaptionWidth(int width, int captionWidth)
{
    return width - kCaptionAllowance < captionWidth ? captionWidth + kCaptionAllowance : width;
}

} // namespace schemakit::ItemGeometry
