// The diagnostics dump of every project table as one JSON object, so scripts
// and tests can compare what a file read into, row by row.
#pragma once

#include <string>

// Every table with deleted rows included, field names as the program uses them;
// texts are the bytes of the project escaped for JSON (bytes above 127 as \u00XX).
std::string ProjectJson();
