#pragma once
// Copies values between the widgets and FormValues, by objectName. The same
// walk serves the page writers, the decoders' results and the profile files.
#include <QList>

#include "formvalues.h"

class QWidget;

namespace FormBinder {

// The line edits, check boxes, combo boxes and radio buttons below `root`,
// kind by kind in that order, each kind in depth-first creation order.
QList<WidgetRef> valueWidgets(const QWidget *root);

// Current values of those widgets.
FormValues collect(const QWidget *root);

// Puts each value into the widget of that name below `root` (line edits and
// labels take text, combo boxes and stacked widgets an index, check boxes and
// radio buttons a state). Setters emit their usual change signals. Names
// that match no widget are skipped. Returns the names applied.
QStringList apply(QWidget *root, const FormValues &values);

// Sets the enabled (or visible) state of named widgets below `root`.
void setEnabled(QWidget *root, const WidgetStates &states);
void setVisible(QWidget *root, const WidgetStates &states);

} // namespace FormBinder
