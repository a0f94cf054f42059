#pragma once
#include "platform/UiText.h"
