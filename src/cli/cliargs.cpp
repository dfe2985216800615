#include "cli/cliargs.h"

#include <QMap>

#include "profiles/configsheet.h"

namespace Cli {
namespace {

const QMap<QString, Command> Commands = {{QStringLiteral("ports"), Command::Ports},
    {QStringLiteral("read"), Command::Read}, {QStringLiteral("diff"), Command::Diff},
    {QStringLiteral("write"), Command::Write}, {QStringLiteral("upgrade"), Command::Upgrade},
    {QStringLiteral("command"), Command::OneShot}, {QStringLiteral("sheet"), Command::Sheet}};

struct OneShotSpec
{
    const char *name;
    OneShot oneShot;
    const char *argument; // nullptr: none
    int lowest, highest; // the argument's range
};
// The device takes SCREAM 5..60 seconds and DEBUG 0..2.
constexpr OneShotSpec OneShots[] = {
    {"signal", OneShot::Signal, nullptr, 0, 0},
    {"locate", OneShot::Locate, nullptr, 0, 0},
    {"scream", OneShot::Scream, "SECONDS", 5, 60},
    {"reboot", OneShot::Reboot, nullptr, 0, 0},
    {"reboot-gsm", OneShot::RebootGsm, nullptr, 0, 0},
    {"factory-reset", OneShot::FactoryReset, nullptr, 0, 0},
    {"debug", OneShot::Debug, "LEVEL", 0, 2},
};

// Options that take a value, and where it goes.
QString *valueOption(const QString &name, Request &r)
{
    if (name == QLatin1String("--out"))
        return &r.out;
    if (name == QLatin1String("--out-dir"))
        return &r.outDir;
    if (name == QLatin1String("--profile"))
        return &r.profile;
    if (name == QLatin1String("--image"))
        return &r.image;
    if (name == QLatin1String("--record"))
        return &r.record;
    if (name == QLatin1String("--log"))
        return &r.log;
    return nullptr;
}

Parsed error(const QString &text) { return {Parsed::Error, text}; }

// What each command needs and allows, checked once all is parsed.
Parsed check(const Request &r, const QStringList &given)
{
    const auto allowed = [&](const QStringList &options) -> QString {
        for (const QString &option : given)
            if (!options.contains(option))
                return option;
        return {};
    };
    QStringList mine;
    switch (r.command) {
    case Command::Ports:
        mine = {};
        break;
    case Command::Read:
        mine = {"--port", "--out", "--out-dir"};
        break;
    case Command::Diff:
        mine = {"--port", "--profile"};
        break;
    case Command::Write:
        mine = {"--port", "--profile", "--no-verify"};
        break;
    case Command::Upgrade:
        mine = {"--port", "--image"};
        break;
    case Command::OneShot:
        mine = {"--port", "--yes"};
        break;
    case Command::Sheet:
        mine = {"--profile", "--out"};
        break;
    }
    mine << "--json"
         << "--quiet";
    if (r.command != Command::Sheet) // no device, no traffic
        mine << "--record"
             << "--log"
             << "--timeout";
    const QString stray = allowed(mine);
    if (!stray.isEmpty())
        return error(QStringLiteral("%1 does not take %2").arg(commandName(r), stray));
    if (r.command == Command::Ports)
        return {};
    if (r.command == Command::Sheet) {
        if (r.profile.isEmpty() || r.out.isEmpty())
            return error(QStringLiteral("sheet needs --profile FILE and --out FILE.pdf|.html"));
        if (ConfigSheet::formatOf(r.out) == ConfigSheet::Format::Unknown)
            return error(QStringLiteral("sheet writes a .pdf or an .html file, not %1").arg(r.out));
        return {};
    }
    if (r.ports.isEmpty())
        return error(QStringLiteral("%1 needs --port PATH").arg(commandName(r)));
    const bool single = r.command == Command::Diff || r.command == Command::OneShot;
    if (single && r.ports.size() > 1)
        return error(QStringLiteral("%1 takes one --port").arg(commandName(r)));
    switch (r.command) {
    case Command::Read:
        if (r.out.isEmpty() == r.outDir.isEmpty())
            return error(QStringLiteral("read needs either --out FILE or --out-dir DIR"));
        if (!r.out.isEmpty() && r.ports.size() > 1)
            return error(QStringLiteral("read with several ports needs --out-dir DIR"));
        break;
    case Command::Diff:
    case Command::Write:
        if (r.profile.isEmpty())
            return error(QStringLiteral("%1 needs --profile FILE").arg(commandName(r)));
        break;
    case Command::Upgrade:
        if (r.image.isEmpty())
            return error(QStringLiteral("upgrade needs --image FILE"));
        break;
    case Command::OneShot:
        if (r.oneShot == OneShot::FactoryReset && !r.yes)
            return error(QStringLiteral(
                "command factory-reset restores every setting: confirm it with --yes"));
        break;
    case Command::Ports:
    case Command::Sheet:
        break;
    }
    return {};
}

} // namespace

Parsed parse(const QStringList &arguments, Request &r)
{
    QStringList given; // options seen, for the check of what the command takes
    QStringList words; // the command and its words
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &arg = arguments.at(i);
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h"))
            return {Parsed::Help, {}};
        if (arg == QLatin1String("--version"))
            return {Parsed::Version, {}};
        if (!arg.startsWith(QLatin1String("--"))) {
            words << arg;
            continue;
        }
        given << arg;
        const auto next = [&](QString &value) {
            if (i + 1 >= arguments.size())
                return false;
            value = arguments.at(++i);
            return true;
        };
        QString value;
        if (arg == QLatin1String("--port")) {
            if (!next(value) || value.isEmpty())
                return error(QStringLiteral("--port needs a PATH"));
            if (r.ports.contains(value))
                return error(QStringLiteral("--port %1 is given twice").arg(value));
            r.ports << value;
        } else if (QString *target = valueOption(arg, r)) {
            if (!next(value) || value.isEmpty())
                return error(QStringLiteral("%1 needs a value").arg(arg));
            *target = value;
        } else if (arg == QLatin1String("--timeout")) {
            bool ok = false;
            const double seconds = next(value) ? value.toDouble(&ok) : 0;
            if (!ok || seconds <= 0 || seconds > 3600)
                return error(QStringLiteral("--timeout needs SECONDS from 0.1 to 3600"));
            r.timeoutMs = qMax(100, int(seconds * 1000));
        } else if (arg == QLatin1String("--no-verify")) {
            r.verify = false;
        } else if (arg == QLatin1String("--yes")) {
            r.yes = true;
        } else if (arg == QLatin1String("--json")) {
            r.json = true;
        } else if (arg == QLatin1String("--quiet")) {
            r.quiet = true;
        } else {
            return error(QStringLiteral("unknown option %1").arg(arg));
        }
    }
    if (words.isEmpty())
        return error(QStringLiteral("no command given (ports, read, diff, write, upgrade, "
                                    "command, sheet)"));
    const QString command = words.takeFirst();
    if (!Commands.contains(command))
        return error(QStringLiteral("unknown command %1").arg(command));
    r.command = Commands.value(command);
    if (r.command == Command::OneShot) {
        if (words.isEmpty())
            return error(QStringLiteral("command needs one of signal, locate, scream SECONDS, "
                                        "reboot, reboot-gsm, factory-reset, debug LEVEL"));
        const QString name = words.takeFirst();
        const OneShotSpec *spec = nullptr;
        for (const OneShotSpec &candidate : OneShots)
            if (name == QLatin1String(candidate.name))
                spec = &candidate;
        if (!spec)
            return error(QStringLiteral("unknown device command %1").arg(name));
        r.oneShot = spec->oneShot;
        if (spec->argument) {
            bool ok = false;
            const int n = words.isEmpty() ? 0 : words.takeFirst().toInt(&ok);
            if (!ok || n < spec->lowest || n > spec->highest)
                return error(QStringLiteral("command %1 needs %2 from %3 to %4")
                                 .arg(name, QLatin1String(spec->argument))
                                 .arg(spec->lowest)
                                 .arg(spec->highest));
            r.oneShotArgument = n;
        }
    }
    if (!words.isEmpty())
        return error(QStringLiteral("unexpected %1").arg(words.first()));
    given.removeDuplicates();
    return check(r, given);
}

QString commandName(const Request &r)
{
    const QString name = Commands.key(r.command);
    if (r.command != Command::OneShot)
        return name;
    for (const OneShotSpec &spec : OneShots)
        if (spec.oneShot == r.oneShot)
            return name + QLatin1Char(' ') + QLatin1String(spec.name);
    return name;
}

QString helpText()
{
    return QStringLiteral(R"(Usage: velomi-cli COMMAND [options]
Configures devices over their serial ports, as the window does, several at once.

Commands:
  ports                     list the serial ports present
  read    --port PATH [--port PATH ...] (--out FILE | --out-dir DIR)
                            read the whole configuration and write it as a profile
                            file, the same bytes the window's "Save Profile As" writes;
                            with several ports --out-dir DIR gets one file per port,
                            named after the port (ttyUSB0.txt); nothing is written
                            when the read fails
  diff    --port PATH --profile FILE
                            read the device and list each setting that differs from
                            the profile: page, caption, device value, profile value
  write   --port PATH [--port PATH ...] --profile FILE [--no-verify]
                            read the device (kept as a backup), write the profile
                            with Write All, read it back and list every setting
                            Write All wrote that the device does not hold (a page
                            Write All does not write for the model is not compared);
                            --no-verify skips the read-back
  upgrade --port PATH [--port PATH ...] --image FILE
                            back up the configuration, then upgrade the firmware;
                            progress on standard error
  command --port PATH ACTION
                            one device command; ACTION is one of
                              signal             the signal strength
                              locate             locate the device
                              scream SECONDS     sound the alarm, 5 to 60 seconds
                              reboot             restart the device
                              reboot-gsm         restart the GSM modem
                              factory-reset --yes
                                                 back up, then restore every setting
                              debug LEVEL        set the debug level, 0 to 2
  sheet   --profile FILE --out FILE.pdf|FILE.html
                            the configuration sheet of a profile, as the window's
                            "Export configuration sheet..." makes it: each page as a
                            table of captions and shown values, the report
                            destinations and the geo-fences; no device is needed

Options for every command (sheet takes only --json and --quiet):
  --json                    one JSON object per event and result on standard output
  --record FILE             append one CSV line per device and operation: time, port,
                            model and version, IMEI, operation, profile, result, backup
  --log FILE                write every frame sent and every answer received, with
                            time stamps
  --timeout SECONDS         how long to wait for each answer of a device (default 5)
  --quiet                   no progress lines on standard error
  --help                    this text
  --version                 the program's version

Backups: before write, upgrade and factory-reset the device's configuration is saved
as a profile file in the per-user data folder (Calvorn/Velomi/backups under
XDG_DATA_HOME, by default ~/.local/share), named DEVICE_yyyyMMdd-HHmmss_REASON.txt.

Exit status (the worst of all ports):
  0  success
  1  differences (diff), or the device does not hold what was written (write)
  2  usage error: unknown command or option, missing --port, unreadable profile
     or image, an output file that cannot be written
  3  the device or the link failed: cannot open, no answer, refused, unsupported model
)");
}

} // namespace Cli
