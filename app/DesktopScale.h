#pragma once

// The desktop's scale, for the windows, which are laid out in pixels at 96 dots per inch. Qt
// scales the whole layout by the factor the desktop reports (Xft.dpi over 96 on X11, the output's
// scale on Wayland, or QT_SCALE_FACTOR) and keeps the fonts at 96 dpi within it, so every control,
// picture and line of text grows alike and nothing is cut off. Call before the application is made.
namespace DesktopScale {

// QT_SCALE_FACTOR, when set, is the whole scale: the font density the desktop reports (Xft.dpi,
// or a QT_FONT_DPI set for programs that scale only their text) says the same thing again and is
// then not applied on top of it.
void settle();

} // namespace DesktopScale
