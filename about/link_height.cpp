#include "link_font.h"

int LinkFontHeight(int buttonFontHeight, int pixelsPerInch)
{
    if (buttonFontHeight != 0)
        return buttonFontHeight;
    // C++ division truncates toward zero, as the height wants.
    return (-10 * pixelsPerInch) / 72;
}
