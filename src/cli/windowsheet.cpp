#include "cli/windowsheet.h"

const FormSheet &windowSheet()
{
    static const FormSheet sheet = [] {
        FormSheet parsed;
        const bool ok = FormSheet::fromJson(QByteArray(windowSheetJson()), parsed);
        Q_ASSERT(ok); // the build made it
        Q_UNUSED(ok);
        return parsed;
    }();
    return sheet;
}

QStringList windowPages()
{
    return QString::fromUtf8(windowPagesText()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}
