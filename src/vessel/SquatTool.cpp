#include "vessel/SquatTool.h"
