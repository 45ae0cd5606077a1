#include "WinPath.h"
