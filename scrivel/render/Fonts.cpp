#include "Fonts.h"

namespace scrivel::render {

const Fonts& builtInFonts()
{
    static const Fonts fonts{GameFont, LabelFont, PreviewFont, WindowTiles};
    return fonts;
}

}  // namespace scrivel::render
