#include "scale/SwinginSlider.h"
