// The styles catalog as the Win32 program carries it: the resource STYLESFILE.
#pragma once

#include <string>

// The text of the STYLESFILE resource of the program's own module ("" when missing).
std::string StylesTextFromResource();

// Makes the catalog loader read the resource instead of the built-in copy.
void UseStylesResource();
