#include "vessel/PerformanceFigures.h"
