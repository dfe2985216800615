#pragma once
// Windows under test read and write their settings. This points the store
// at a folder of the test's own: never the user's, and not the shared test
// store that other test programs running at the same time write to.
#include <QString>

// Empty when every settings file now lands below `folder`, else what went wrong.
QString keepSettingsIn(const QString &folder);
