#include "Screen.h"

namespace scrivel::render {

void Picture::reset(int w, int h)
{
    width = height = 0;
    if (w <= 0 || h <= 0) {
        pixels.clear();
        return;
    }
    pixels.assign(2 * static_cast<size_t>(w) * static_cast<size_t>(h), 0);
    width = w;
    height = h;
}

bool Picture::ready() const
{
    return width > 0 && height > 0 && pixels.size() >= 2 * visibleCount();
}

}  // namespace scrivel::render
