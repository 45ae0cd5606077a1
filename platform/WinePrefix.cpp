#include "WinePrefix.h"
