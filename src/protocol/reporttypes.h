#pragma once
// Report types: every type name has one protocol code, the same in every list
// that holds it. Which list a device uses follows from its model and variant.
#include <QString>
#include <QStringList>

#include "protocol/modelflags.h"

namespace ReportTypes {

// The lists a device can show; the YD, _HP and _RK variants share one list.
enum class List { General, PV, BX, XA, YD };

// The list for the model. With no version read (all flags clear) and for a
// base station, whose read stops at the version, it is the general list.
List listFor(const ModelFlags &m);

QStringList names(List list);
// The code of a name in `list`, -1 when the list does not hold the name.
int codeIn(List list, const QString &name);
// Position of `code` in `list`, -1 when the list does not hold it.
int indexOfCode(List list, int code);

} // namespace ReportTypes
