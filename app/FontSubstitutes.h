#pragma once

// The windows name the fonts of a Windows desktop. Liberation's metric twins take the place of
// Arial, Times New Roman and Courier New, Liberation Sans that of "MS Sans Serif", and a
// calligraphic face (URW's Z003, when installed) that of the decorative "Arabia", with a serif
// face where it is missing.
void installFontSubstitutes();
