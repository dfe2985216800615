// Every decoder of a device answer, and the checks of what a user may type,
// on arbitrary text. Input: a version text up to the first "\n" (the model
// the decoders assume), then the answer text.
#include <cstdint>
#include <cstdlib>

#include "firmware/firmwareupgrade.h"
#include "protocol/acknowledgement.h"
#include "protocol/answer.h"
#include "protocol/cfgextract.h"
#include "protocol/geofencecodec.h"
#include "protocol/inactivitycodec.h"
#include "protocol/infocodec.h"
#include "protocol/modeldetect.h"
#include "protocol/reportcodec.h"
#include "protocol/sensorcodec.h"
#include "protocol/settingscodec.h"
#include "protocol/smscodec.h"

namespace {

void decodeCfg(const QString &text, const QString &keyword, const QStringList &keys,
    const ModelFlags &model, bool fromCfg2)
{
    const auto values = extractCfgKeys(text, keyword, keys);
    if (values.size() != keys.size())
        std::abort(); // one value string per key, empty when missing
    for (const auto &[key, value] : values) {
        if (key == QLatin1String("KEYWD"))
            SmsCodec::decodeKeyword(value);
        else if (key == QLatin1String("ACCES"))
            SmsCodec::decodeAccessCode(value);
        else if (key == QLatin1String("INACT"))
            InactivityCodec::decodeItem(value);
        else if (key == QLatin1String("FORBID"))
            GeoFenceCodec::decodeForbidden(value);
        else
            SettingsCodec::decodeKey(key, value, model, fromCfg2);
    }
}

void typedFields(const QString &text)
{
    SmsCodec::checkPhoneNumber(text);
    GeoFenceCodec::checkLatitude(text);
    GeoFenceCodec::checkLongitude(text);
    GeoFenceCodec::checkRadiusEdit(text);
    const SensorCodec::IdCheck id = SensorCodec::checkSensorId(text);
    if (id.ok && id.id.isEmpty())
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), int(size));
    const int split = int(input.indexOf('\n'));
    const QByteArray version = split < 0 ? QByteArray() : input.left(split);
    const QString text = QString::fromLatin1(split < 0 ? input : input.mid(split + 1));

    const ModelFlags model
        = detectModel(QStringLiteral("<OK> VER?:") + QString::fromLatin1(version) + ";\r\n");
    const ModelFlags fromAnswer = detectModel(text, model);
    layoutVisibility(fromAnswer);
    windowTitleFor(fromAnswer);

    Answer::fields(text, QStringLiteral("APN?:"));
    Answer::isComplete(text, QStringLiteral("<OK> RPT"));
    decodeCfg(text, QStringLiteral("CFG?:"), CfgKeys, model, false);
    decodeCfg(text, QStringLiteral("CFG1?:"), Cfg1Keys, model, false);
    decodeCfg(text, QStringLiteral("CFG2?:"), Cfg2Keys, model, true);

    SmsCodec::decodeApn(text);
    SmsCodec::decodeXml(text);
    SmsCodec::decodeCallerId(text, 1);
    SmsCodec::decodeCallerId(text, 2);
    for (int row = 1; row <= 5; ++row)
        ReportCodec::decodeRow(text, row, model);
    GeoFenceCodec::decodeFence(text, model);
    InactivityCodec::decodeWindow(text, 0);
    InactivityCodec::decodeWindow(text, 1);
    InfoCodec::signalDisplay(text);
    InfoCodec::decodeInformation(text);

    SensorCodec::fromSingleAnswer(text);
    SensorCodec::fromPages(SensorCodec::pageEntries(text));
    SensorCodec::fromPages(text);

    classifyAcknowledgement(text, version);
    FirmwareUpgrade::isAnswerComplete(text);
    typedFields(text);
    return 0;
}
