#pragma once

#include <vector>

namespace skarvel {

// A file rendered from a hand-drawn SVG icon and committed beside it, both named from the
// repository's root, and the side of each of its images in order.
struct RenderedIcon {
    const char* svg;
    const char* file;
    std::vector<int> sides;
};

// Every rendered file: the program's icon at the sides WindowIcon embeds and the packages
// install, and its Windows icon (32 first: Explorer shows the first image); the About
// dialog's picture for its 32-pixel box at 1x and 2x.
inline const std::vector<RenderedIcon> renderedIcons{
    {"src/ui/main/icons/skarvel.svg", "src/ui/main/icons/skarvel-16.png", {16}},
    {"src/ui/main/icons/skarvel.svg", "src/ui/main/icons/skarvel-32.png", {32}},
    {"src/ui/main/icons/skarvel.svg", "src/ui/main/icons/skarvel-64.png", {64}},
    {"src/ui/main/icons/skarvel.svg", "src/ui/main/icons/skarvel.ico", {32, 16}},
    {"src/ui/about/icons/about.svg", "src/ui/about/icons/about-32.png", {32}},
    {"src/ui/about/icons/about.svg", "src/ui/about/icons/about-64.png", {64}},
};

} // namespace skarvel
