#include "Screen.h"

#include <new>
#include <stdexcept>

namespace scrivel {

bool setupScreen(EditorState& s, int width, int height)
{
    s.ScreenBuffer.clear();
    s.ScreenBuffer.shrink_to_fit();
    s.ScreenWidth = 0;
    s.ScreenHeight = 0;
    if (width <= 0 || height <= 0) return false;
    try {
        s.ScreenBuffer.assign(2 * static_cast<size_t>(width) * static_cast<size_t>(height), 0);
    } catch (const std::bad_alloc&) {
        return false;
    } catch (const std::length_error&) {
        return false;
    }
    s.ScreenWidth = width;
    s.ScreenHeight = height;
    return true;
}

bool screenReady(const EditorState& s)
{
    return s.ScreenWidth > 0 && s.ScreenHeight > 0 &&
           s.ScreenBuffer.size() >= 2 * static_cast<size_t>(s.ScreenWidth) * static_cast<size_t>(s.ScreenHeight);
}

void ShowScreen(const EditorState& s, ScreenView& screen)
{
    if (!screenReady(s)) return;
    screen.present(s.ScreenBuffer.data(), s.ScreenWidth, s.ScreenHeight);
}

}  // namespace scrivel
