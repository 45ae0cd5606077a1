#include "Guarded.h"
