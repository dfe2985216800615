#include "options.h"

#include "settingkeys.h"

#include <functional>
#include <vector>

namespace {

using Setter = std::function<bool(Options &, const QString &, QString &)>;

struct OptionSpec
{
    const char *name;
    const char *valueName; // nullptr: a flag without value
    const char *help;
    Setter set;
};

bool toInt(const QString &text, int lo, int hi, int &out, QString &error)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < lo || value > hi) {
        error = QStringLiteral("expected a whole number from %1 to %2, got \"%3\"")
                    .arg(lo)
                    .arg(hi)
                    .arg(text);
        return false;
    }
    out = value;
    return true;
}

bool toSeconds(const QString &text, double &out, QString &error)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || value < 0 || value > 86400) {
        error = QStringLiteral("expected seconds from 0 to 86400, got \"%1\"").arg(text);
        return false;
    }
    out = value;
    return true;
}

// "3:2,7:6": refuse block 3 twice and block 7 six times.
bool parseFailBlocks(const QString &text, QMap<int, int> &out, QString &error)
{
    for (const QString &pair : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QStringList parts = pair.split(QLatin1Char(':'));
        int block = 0;
        int times = 0;
        if (parts.size() != 2 || !toInt(parts[0], 1, 1024, block, error)
            || !toInt(parts[1], 0, 1000, times, error)) {
            if (error.isEmpty() || parts.size() != 2)
                error = QStringLiteral("expected BLOCK:TIMES pairs, got \"%1\"").arg(pair);
            return false;
        }
        out[block] = times;
    }
    return true;
}

// "N" frames, or "Ns" seconds after start.
bool parseMuteAfter(const QString &text, Options &o, QString &error)
{
    if (text.endsWith(QLatin1Char('s')))
        return toSeconds(text.chopped(1), o.muteAfterSeconds, error);
    return toInt(text, 0, 1000000, o.muteAfterFrames, error);
}

const std::vector<OptionSpec> &optionTable()
{
    static const std::vector<OptionSpec> table = {
        {"--link", "PATH", "also make a symbolic link to the pseudo-terminal at PATH",
            [](Options &o, const QString &v, QString &) {
                return o.linkPath = v, true;
            }},
        {"--state", "FILE", "load the starting configuration from FILE (JSON)",
            [](Options &o, const QString &v, QString &) {
                return o.statePath = v, true;
            }},
        {"--dump", "FILE", "write the configuration to FILE on exit and on SIGUSR1",
            [](Options &o, const QString &v, QString &) {
                return o.dumpPath = v, true;
            }},
        {"--log", "FILE", "log every frame in and every answer out, with times",
            [](Options &o, const QString &v, QString &) {
                return o.logPath = v, true;
            }},
        {"--version", "TEXT", "the version answer (default T47_V1.05)",
            [](Options &o, const QString &v, QString &e) {
                if (v.isEmpty() || v.contains(QLatin1Char(';')) || v.contains(QLatin1Char(','))
                    || v.contains(QLatin1Char(':'))) {
                    e = QStringLiteral("a version may not be empty or hold ';', ',' or ':'");
                    return false;
                }
                o.version = v;
                o.versionGiven = true;
                return true;
            }},
        {"--no-xml", nullptr, "a model without the XML function",
            [](Options &o, const QString &, QString &) {
                return o.noXml = true, true;
            }},
        {"--sensors", "N", "start with N paired sensors (0 to 20)",
            [](Options &o, const QString &v, QString &e) {
                return toInt(v, 0, 20, o.sensors, e);
            }},
        {"--lang", "de|fr|nl|en", "the language of the error word",
            [](Options &o, const QString &v, QString &e) {
                if (!QStringList {"de", "fr", "nl", "en"}.contains(v)) {
                    e = QStringLiteral("expected de, fr, nl or en");
                    return false;
                }
                o.language = v;
                return true;
            }},
        {"--chunks", nullptr, "split answers into random pieces with small gaps",
            [](Options &o, const QString &, QString &) {
                return o.chunks = true, true;
            }},
        {"--echo", nullptr, "echo each command line before its answer",
            [](Options &o, const QString &, QString &) {
                return o.echo = true, true;
            }},
        {"--garbage", nullptr, "send noise and NUL bytes between answers",
            [](Options &o, const QString &, QString &) {
                return o.garbage = true, true;
            }},
        {"--seed", "N", "seed of the random choices (default 1)",
            [](Options &o, const QString &v, QString &e) {
                int seed = 0;
                return toInt(v, 0, 2147483647, seed, e) && (o.seed = quint32(seed), true);
            }},
        {"--fail-blocks", "B:N,...", "refuse firmware block B (1 = first) N times",
            [](Options &o, const QString &v, QString &e) {
                return parseFailBlocks(v, o.failBlocks, e);
            }},
        {"--silent-after-reset", "SECONDS", "silence after RESET, RSTG and an upgrade (default 3)",
            [](Options &o, const QString &v, QString &e) {
                return toSeconds(v, o.silentAfterResetSeconds, e);
            }},
        {"--latency", "MS", "think time before each answer",
            [](Options &o, const QString &v, QString &e) {
                return toInt(v, 0, 60000, o.latencyMs, e);
            }},
        {"--baud", "N", "pace the answers like a serial link of N baud (10 bits per byte)",
            [](Options &o, const QString &v, QString &e) {
                return toInt(v, 300, 4000000, o.baud, e);
            }},
        {"--mute-after", "N|Ss", "stop answering after N frames, or S seconds after start",
            [](Options &o, const QString &v, QString &e) {
                return parseMuteAfter(v, o, e);
            }},
        {"--forget", "KEY", "acknowledge writes of setting KEY but keep the old value",
            [](Options &o, const QString &v, QString &e) {
                if (!findSettingKey(v)) {
                    e = QStringLiteral("%1 is no setting key (GUDT, TESTC, ...)").arg(v);
                    return false;
                }
                o.forget << v;
                return true;
            }},
        {"--upgrade-timeout", "SECONDS", "give up a firmware image after this much quiet (10)",
            [](Options &o, const QString &v, QString &e) {
                return toSeconds(v, o.upgradeTimeoutSeconds, e);
            }},
        {"--reenumerate", "SECONDS",
            "on a restart close the terminal and open a new one SECONDS later",
            [](Options &o, const QString &v, QString &e) {
                return toSeconds(v, o.reenumerateSeconds, e);
            }},
    };
    return table;
}

} // namespace

bool parseOptions(const QStringList &args, Options &options, QString &error, bool &helpRequested)
{
    helpRequested = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            helpRequested = true;
            return true;
        }
        const OptionSpec *spec = nullptr;
        for (const OptionSpec &candidate : optionTable())
            if (arg == QLatin1String(candidate.name))
                spec = &candidate;
        if (!spec) {
            error = QStringLiteral("%1: unknown option").arg(arg);
            return false;
        }
        QString value;
        if (spec->valueName) {
            if (i + 1 >= args.size()) {
                error = QStringLiteral("%1 needs a value (%2)").arg(arg, spec->valueName);
                return false;
            }
            value = args[++i];
        }
        QString why;
        if (!spec->set(options, value, why)) {
            error = QStringLiteral("%1: %2").arg(arg, why);
            return false;
        }
    }
    return true;
}

QString usageText()
{
    QString text = QStringLiteral("Usage: velomi-devsim [options]\n"
                                  "A simulated device on a pseudo-terminal; prints the "
                                  "terminal's path on its first line.\n\n");
    for (const OptionSpec &spec : optionTable()) {
        QString left = QLatin1String(spec.name);
        if (spec.valueName)
            left += QLatin1Char(' ') + QLatin1String(spec.valueName);
        text += QStringLiteral("  %1 %2\n").arg(left, -28).arg(QLatin1String(spec.help));
    }
    return text;
}
