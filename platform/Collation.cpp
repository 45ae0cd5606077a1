#include "Collation.h"
