// The project's version-information resource: the fixed fields and the string
// blocks that the resource script carries.
#pragma once

// Empties the version information (run when the project is cleared).
void ResetVersionInfo();
