#pragma once
// The Settings page: the Settings frame, the GPS tracker and geo-alert
// frames, and the decode of every settings key of the CFG answers.
#include <QString>

#include "protocol/modelflags.h"
#include "protocol/notice.h"

namespace SettingsCodec {

// Body of the Settings frame (between "AT!XSMSC=" and "\r"). Conditional
// items follow the model: RPACK with the speech-acknowledgement flag, CGPS
// for _ZM/_NBQ (not base station), SLEEP when the sleep selector is shown,
// LANG when the language selector is shown, FSST with two values.
QString settingsFrameBody(const FormValues &v, const ModelFlags &m);
QString gpsTrackerBody(const FormValues &v, const ModelFlags &m); // "GEOTR:a,c,p[;TRACR:x]"
QString geoAlertBody(const FormValues &v); // "GEGPS:p,i"

// Decodes one key's value string (see cfgextract.h). `fromCfg2` tells the
// answer it came from (the ZO voice-prompt boxes decode only from CFG2?).
// Keys it does not own give an empty result.
DecodeResult decodeKey(
    const QString &key, const QString &value, const ModelFlags &m, bool fromCfg2);

// comboBox_rf_gps_action is enabled exactly when the ignore selector is at 0.
bool rfGpsActionEnabled(int ignoreIndex);

} // namespace SettingsCodec
