// Adding a resource as the user does (a new dialog, menu or accelerator
// table): its default name and value, its links to the current resources,
// and it becomes current itself.
#pragma once

#include <cstdint>

// A new resource of the kind with its default name, linked to the current
// selection and made current; 0 for a kind without a default name (a cursor).
int32_t NewResource(int32_t lKind);
