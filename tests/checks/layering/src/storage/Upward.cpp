#include "storage/Item.h"
#include "ui/Window.h"
