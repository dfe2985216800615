#include "protocol/oneshot.h"

namespace OneShot {

QString scream(int screamIndex) { return QStringLiteral("SCREAM:%1").arg(screamIndex + 5); }

QString debug(int debugIndex) { return QStringLiteral("DEBUG:%1").arg(debugIndex); }

QString gsmOnOff(int selectorIndex)
{
    return QStringLiteral("GSMNF:%1;").arg(selectorIndex == 1 ? 1 : 0);
}

FormValues gsmOnOffMirror(int selectorIndex)
{
    FormValues values;
    values.setIndex(QStringLiteral("comboBox_gsm_on_off_function2"), selectorIndex == 1 ? 1 : 0);
    return values;
}

} // namespace OneShot
