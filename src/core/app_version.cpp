#include "core/app_version.h"
