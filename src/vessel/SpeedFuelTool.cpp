#include "vessel/SpeedFuelTool.h"
