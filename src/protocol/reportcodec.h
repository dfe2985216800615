#pragma once
// The Report page: five destinations with type, group and event filter.
#include <QString>
#include <QStringList>

#include "protocol/modelflags.h"
#include "protocol/notice.h"

namespace ReportCodec {

// The type list for the model. The list shown, the row writer and the row
// decoder all use this one list, so a row shows and sends the type whose
// code the device holds. With no version read it is the general list.
QStringList typeNames(const ModelFlags &m);
int typeCode(const QString &name, const ModelFlags &m); // -1 when unknown

// "RPT:N,destination,group,type,0,event" for row 1..5.
struct RowWrite
{
    bool ok = false;
    QString body;
    Notice notice; // "Report idx error!" for a row outside 1..5
};
RowWrite rowBody(int row, const FormValues &v, const ModelFlags &m);

// Decodes an "<OK> RPT?:..." answer into row `targetRow`. rowNumber is the
// number in the answer's first field, 0 when empty or not a number (the read
// then stops).
struct RowDecode
{
    int rowNumber = 0;
    FormValues values;
};
RowDecode decodeRow(const QString &received, int targetRow, const ModelFlags &m);

// What the Clear button sets (no command is sent).
FormValues clearedValues();

} // namespace ReportCodec
