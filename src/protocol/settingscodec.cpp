#include "protocol/settingscodec.h"

#include <QStringList>

#include "protocol/settingstables.h"

using namespace SettingsTables;

namespace SettingsCodec {
namespace {

using Condition = bool (*)(const ModelFlags &);

bool always(const ModelFlags &) { return true; }
bool speechAck(const ModelFlags &m) { return m.speechAck; }
bool continuousGps(const ModelFlags &m) { return !m.baseStation && (m.variantZM || m.variantNBQ); }
bool sleepMode(const ModelFlags &m) { return m.sleepModeShown; }
bool language(const ModelFlags &m) { return m.languageShown(); }

// The Settings frame's items in the order the device expects them.
const struct
{
    const char *key;
    Condition present;
} SettingsItems[] = {
    {"BTNEV", always},
    {"GUDT", always},
    {"TESTC", always},
    {"RPACK", speechAck},
    {"SNDCR", always},
    {"ANSIN", always},
    {"CUTV", always},
    {"CBTI", always},
    {"SPKVL", always},
    {"SILENT", always},
    {"VOIEN", always},
    {"CGPS", continuousGps},
    {"FALDE", always},
    {"SLEEP", sleepMode},
    {"LANG", language},
    {"FSST", always},
};

// The fall-detection setting is taken only from devices known to have it.
bool fallDetectionApplies(const ModelFlags &m)
{
    return m.supportedModel || m.modelT47 || m.modelT37 || m.modelT35 || m.modelT6QX
        || m.modelT6QXP9;
}

int voicePromptBits(const FormValues &v)
{
    int bits = 0;
    for (int k = 0; k < VoicePromptBoxes.size(); ++k)
        if (v.checked(VoicePromptBoxes.at(k)))
            bits |= 1 << k;
    return bits;
}

// "KEY:" and the wire values of the key's selectors.
QString item(const QString &key, const FormValues &v)
{
    const KeyRow *row = findKey(key);
    QStringList fields;
    for (const Selector &selector : row->selectors)
        fields << QString::number(selector.wireValue(v.index(selector.widget)));
    return key + ':' + fields.join(',');
}

} // namespace

QString settingsFrameBody(const FormValues &v, const ModelFlags &m)
{
    QStringList items;
    for (const auto &entry : SettingsItems) {
        if (!entry.present(m))
            continue;
        const QString key = QString::fromLatin1(entry.key);
        if (key == QLatin1String("VOIEN") && m.variantZO)
            items << "VOIEN:" + QString::number(voicePromptBits(v));
        else
            items << item(key, v);
    }
    return items.join(';');
}

QString gpsTrackerBody(const FormValues &v, const ModelFlags &m)
{
    QString body = item("GEOTR", v);
    if (!m.knownDevice())
        body += ';' + item("TRACR", v);
    return body;
}

QString geoAlertBody(const FormValues &v) { return item("GEGPS", v); }

DecodeResult decodeKey(const QString &key, const QString &value, const ModelFlags &m, bool fromCfg2)
{
    DecodeResult result;
    const KeyRow *row = findKey(key);
    if (!row || (key == QLatin1String("FALDE") && !fallDetectionApplies(m)))
        return result;

    const QStringList fields = value.split(',');
    for (int i = 0; i < row->selectors.size(); ++i) {
        const Selector &selector = row->selectors.at(i);
        const int index = selector.decodeIndex(fields.value(row->oneValueForAll ? 0 : i));
        if (index != KeepIndex)
            result.values.setIndex(selector.widget, index);
    }

    if (key == QLatin1String("VOIEN") && m.variantZO && fromCfg2) {
        const int bits = fields.value(0).trimmed().toInt();
        for (int k = 0; k < VoicePromptBoxes.size(); ++k)
            result.values.setChecked(VoicePromptBoxes.at(k), bits & (1 << k));
    }
    return result;
}

bool rfGpsActionEnabled(int ignoreIndex) { return ignoreIndex == 0; }

} // namespace SettingsCodec
