#pragma once
// The window's FormSheet, taken from the window itself when the program was
// built (gen/formsheetgen.cpp writes windowSheetJson()).
#include "profiles/formsheet.h"

const char *windowSheetJson();
const FormSheet &windowSheet();
