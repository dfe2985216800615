#include "protocol/acknowledgement.h"

#include <QCoreApplication>
#include <QStringList>

#include "protocol/widgetnames.h"

namespace {

const QStringList ErrorWords = {QStringLiteral("ERROR"), QStringLiteral("ERREUR"),
    QStringLiteral("Fehler"), QStringLiteral("FOUT")};

// Any of these (or an error word) makes the response worth handling. The
// keyword and access-code pair only counts when both come back to back.
const QStringList Recognised = {
    QStringLiteral("<OK> KEYWD;<OK> ACCES;"),
    QStringLiteral("<OK> APN;"),
    QStringLiteral("<OK> WIFIS;"),
    QStringLiteral("<OK> SUDI;"),
    QStringLiteral("<OK> SPKR;"),
    QStringLiteral("<OK> XML;"),
    QStringLiteral("<OK> GEOTR;"),
    QStringLiteral("<OK> GUDT;"),
    QStringLiteral("<OK> BTNEV;"),
    QStringLiteral("<OK> CSQ:"),
    QStringLiteral("<OK> GSMNF;"),
    QStringLiteral("<OK> SCREAM;"),
    QStringLiteral("<OK> LOC;"),
    QStringLiteral("<OK> ECHO;"),
    QStringLiteral("<OK> RESET;"),
    QStringLiteral("<OK> RSTG;"),
    QStringLiteral("<OK> GEGPS;"),
    QStringLiteral("<OK> CALID;"),
    QStringLiteral("<OK> RFIGN;"),
    QStringLiteral("<OK> DEVAD;"),
    QStringLiteral("<OK> DEVRM;"),
    QStringLiteral("<OK> GEOFE;"),
    QStringLiteral("<OK> FORBID;"),
    QStringLiteral("<Fehler> GEOFE;"),
    QStringLiteral("<OK> FTSET;"),
    QStringLiteral("<OK> FTMODE;"),
    QStringLiteral("<OK> INACTW;"),
};

struct Rule
{
    QString trigger;
    AckKind kind;
    Notice::Kind noticeKind;
    const char *message; // null: nothing is shown
    bool clearReceived;
};

// First match wins; the reboots come before the error words on purpose.
const QList<Rule> Rules = {
    {QStringLiteral("<OK> DEVAD;"), AckKind::DeviceAdded, Notice::Information,
        QT_TRANSLATE_NOOP("Acknowledgement", "Add Device command success!  "), false},
    {QStringLiteral("<OK> DEVRM;"), AckKind::DeviceRemoved, Notice::Information,
        QT_TRANSLATE_NOOP("Acknowledgement", "Delete Device command success!  "), false},
    {QStringLiteral("<OK> RESET;"), AckKind::RebootDevice, Notice::Information,
        QT_TRANSLATE_NOOP("Acknowledgement", "Reboot Device OK, please wait 30 seconds!"), true},
    {QStringLiteral("<OK> RSTG;"), AckKind::RebootGsm, Notice::Information,
        QT_TRANSLATE_NOOP("Acknowledgement", "Reboot GSM OK, please wait 30 seconds!"), true},
    {QStringLiteral("<OK> FTSET;"), AckKind::FactoryReset, Notice::Information,
        QT_TRANSLATE_NOOP("Acknowledgement", "Factory Reset OK, please wait 30 seconds!"), true},
    {QStringLiteral("<OK> FTMODE;"), AckKind::FactoryMode, Notice::Information,
        QT_TRANSLATE_NOOP("Acknowledgement", "Factory Mode OK!"), true},
    {QStringLiteral("<OK> CSQ:"), AckKind::SignalStrength, Notice::Information, nullptr, false},
    {QStringLiteral("<Fehler> GEOFE;"), AckKind::GeoFenceRange, Notice::Warning,
        QT_TRANSLATE_NOOP("Acknowledgement",
            "Write command error! Check your Latitude \"and\" \"Longitude\" value"),
        false},
};

const QString ForbidAck = QStringLiteral("<OK> FORBID;");
const QStringList FenceCaptions
    = WidgetNames::range(WidgetNames::fenceCaption, 1, WidgetNames::FenceCount);

bool containsAny(const QString &text, const QStringList &needles)
{
    for (const QString &needle : needles) {
        if (text.contains(needle))
            return true;
    }
    return false;
}

} // namespace

AckOutcome classifyAcknowledgement(const QString &received, const QByteArray &lastCommandFrame)
{
    AckOutcome outcome;
    if (!containsAny(received, Recognised) && !containsAny(received, ErrorWords))
        return outcome;

    for (const Rule &rule : Rules) {
        if (!received.contains(rule.trigger))
            continue;
        outcome.kind = rule.kind;
        if (rule.message)
            outcome.notice = Notice {rule.noticeKind,
                QCoreApplication::translate("Acknowledgement", rule.message), ToolTitle};
        outcome.clearReceived = rule.clearReceived;
        return outcome;
    }

    if (containsAny(received, ErrorWords)) {
        outcome.kind = AckKind::WriteError;
        outcome.notice = Notice::warning(
            QCoreApplication::translate("Acknowledgement", "Write command error!  "));
        return outcome;
    }

    if (received.contains(ForbidAck)) {
        // The captions tell whether the fences now act as forbidden zones.
        const bool zonesOff = lastCommandFrame.contains("FORBID:0;");
        const QString caption = zonesOff
            ? QCoreApplication::translate("Acknowledgement", "Geo-fence:")
            : QCoreApplication::translate("Acknowledgement", "Forbidden-zone:");
        outcome.kind = AckKind::ForbiddenZone;
        for (const QString &label : FenceCaptions)
            outcome.values.setText(label, caption);
        return outcome;
    }

    outcome.kind = AckKind::WriteSuccess;
    outcome.notice
        = Notice::info(QCoreApplication::translate("Acknowledgement", "Write command success!  "));
    outcome.clearReceived = true;
    return outcome;
}
