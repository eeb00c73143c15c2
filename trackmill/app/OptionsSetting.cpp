#include "trackmill/app/OptionsSetting.h"

TOptionsSetting Options;
