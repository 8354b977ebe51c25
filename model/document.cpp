#include "model/document.h"

tDocument gtDoc{};
