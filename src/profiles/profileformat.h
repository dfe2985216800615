#pragma once
// A profile file: one line per widget, objectName ":" value "\r\n", in
// Latin-1. Line edits carry their text, check boxes and radio buttons
// "Checked"/"Unchecked", combo boxes their index in decimal.
#include <QByteArray>
#include <QList>

#include "protocol/formvalues.h"

namespace ProfileFormat {

// Line edits first, then check boxes, combo boxes and radio buttons, each
// kind in the order of `widgets`. A widget missing from `values` is written
// empty, unchecked or as index 0; a combo box without a selection as 0.
QByteArray write(const QList<WidgetRef> &widgets, const FormValues &values);

// Values for every widget of `widgets`, taken from the first line whose key
// matches its name. Report destinations ("lineEdit_rpt_to_*") keep all text
// after the first ":" (an address may carry a port); other line edits stop
// at the second ":". A check box or radio button is checked unless its value
// is "Unchecked", so a missing line checks it, as files from other
// installations rely on. A combo value that is not a number or is negative
// (files written before a selector had its items hold -1), or a missing
// line, gives index 0.
FormValues read(const QByteArray &bytes, const QList<WidgetRef> &widgets);

} // namespace ProfileFormat
