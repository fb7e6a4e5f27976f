#include "view/FormZoom.h"

#include <cstdlib>

namespace FormZoom {

int storedFactor(int zoom, int scalePercent)
{
    if (scalePercent <= 0 || scalePercent == 100)
        return zoom;
    // The smallest factor that reaches the zoom, or the nearest one when the
    // scale leaves no factor that reaches it exactly.
    int factor = (zoom * 100 + scalePercent - 1) / scalePercent;
    const auto loaded = [&](int f) { return f * scalePercent / 100; };
    if (factor > 1 && std::abs(loaded(factor - 1) - zoom) < std::abs(loaded(factor) - zoom))
        --factor;
    return factor < 1 ? 1 : factor;
}

} // namespace FormZoom
