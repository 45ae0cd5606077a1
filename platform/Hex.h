#pragma once

// The value of a hexadecimal digit in either case, -1 for any other character: the registry's
// escapes and udev's label names spell bytes with them, and a sign or a blank is no digit.
inline int hexDigitValue(char16_t unit)
{
    if (unit >= '0' && unit <= '9')
        return unit - '0';
    if (unit >= 'a' && unit <= 'f')
        return unit - 'a' + 10;
    if (unit >= 'A' && unit <= 'F')
        return unit - 'A' + 10;
    return -1;
}
