#include "util/WbDefines.h"
