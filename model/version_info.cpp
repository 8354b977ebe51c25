#include "model/version_info.h"

void ResetVersionInfo() {}
