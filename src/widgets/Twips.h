#pragma once

namespace widgets {

// Screen measures are given in twips: 1440 to the inch, 15 to a pixel at 96 DPI.
// Qt's logical pixels already follow the display's scaling, so 15 twips is one
// logical pixel everywhere.
constexpr int twipsToPixels(int twips)
{
    return (twips + 7) / 15;
}

} // namespace widgets
