#pragma once
// The window's FormSheet, taken from the window itself when the program was
// built (gen/formsheetgen.cpp writes windowSheetJson()), and the titles of
// the pages it shows at start, in its order (windowPagesText(), one a line).
#include <QStringList>

#include "profiles/formsheet.h"

const char *windowSheetJson();
const FormSheet &windowSheet();
const char *windowPagesText();
QStringList windowPages();
