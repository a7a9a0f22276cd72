#pragma once
// The one place of the program's version number; feeds VERSIONINFO.

#define ORVEDAN_VERSION_MAJOR 1
#define ORVEDAN_VERSION_MINOR 0
#define ORVEDAN_VERSION_PATCH 0
#define ORVEDAN_VERSION_TEXT "1.0.0"
