#include "ErrorBox.h"
