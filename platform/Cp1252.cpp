#include "Cp1252.h"
