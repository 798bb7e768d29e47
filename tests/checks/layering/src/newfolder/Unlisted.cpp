#include "common/Unicode.h"
