#include "vessel/WheelOver.h"
