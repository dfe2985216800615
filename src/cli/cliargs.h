#pragma once
// The command line of velomi-cli: what to do, on which ports, with which
// files. Parsing only; nothing is opened here.
#include <QString>
#include <QStringList>

namespace Cli {

// The process's exit status: the worst of every port's.
enum Exit { Success = 0, Differs = 1, Usage = 2, DeviceFailed = 3 };

enum class Command { Ports, Read, Diff, Write, Upgrade, OneShot, Sheet };

// The one-shot commands of `command`.
enum class OneShot { Signal, Locate, Scream, Reboot, RebootGsm, FactoryReset, Debug };

struct Request
{
    Command command = Command::Ports;
    QStringList ports;
    QString out; // read: one port's profile file; sheet: the .pdf or .html
    QString outDir; // read: one file per port, named after the port
    QString profile; // diff, write, sheet
    QString image; // upgrade
    bool verify = true; // write: read back and compare
    OneShot oneShot = OneShot::Signal;
    int oneShotArgument = 0; // scream seconds, debug level
    bool yes = false; // factory-reset is confirmed
    bool json = false;
    QString record; // CSV service record, appended
    QString log; // every frame and answer
    int timeoutMs = 5000; // for each answer of the device
    bool quiet = false;
};

struct Parsed
{
    enum Kind { Run, Help, Version, Error } kind = Run;
    QString error; // for Error: what was wrong, in plain words
};

Parsed parse(const QStringList &arguments, Request &request);
QString helpText();
QString commandName(const Request &request); // "read", "command scream", ...

} // namespace Cli
