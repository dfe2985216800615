#pragma once
// Takes a FormSheet from live widgets: the value widgets below a root (in
// the order FormBinder walks them), their current values, the title of the
// tab each sits on and the caption a technician reads beside it.
#include <QHash>
#include <QString>

#include "profiles/formsheet.h"

class QTabWidget;
class QWidget;

namespace FormSheetBuilder {

// Tab page objectName -> tab title, for every page the tab widget holds now.
QHash<QString, QString> pageTitles(const QTabWidget *tabs);

// `titles` names the pages (a window removes some tabs at start, so their
// titles come from a form as it was set up).
FormSheet build(QWidget *root, const QHash<QString, QString> &titles);

} // namespace FormSheetBuilder
