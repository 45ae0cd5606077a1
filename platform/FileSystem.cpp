#include "FileSystem.h"
