#pragma once
// Where the icon of the minimized dialog is drawn in its client area.

// The offset that centres an icon of iconExtent in extent, rounding up at
// odd differences, truncating toward zero (so a client area smaller than the
// icon by two gives 0, not -1).
constexpr int CenteredIconOffset(int extent, int iconExtent) {
    return (extent - iconExtent + 1) / 2;
}
