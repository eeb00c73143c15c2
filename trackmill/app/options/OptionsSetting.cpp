#include "trackmill/app/options/OptionsSetting.h"

TOptionsSetting Options;
