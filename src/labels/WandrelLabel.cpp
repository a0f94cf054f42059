#include "labels/WandrelLabel.h"
