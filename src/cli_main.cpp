// velomi-cli: reads, compares, writes and upgrades devices from the command
// line, several at once, through the same session as the window.
#include <QCoreApplication>
#include <QTimer>
#include <cstdio>

#include "cli/cliargs.h"
#include "cli/runner.h"

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    // The same names as the window: its data folder holds the backups.
    QCoreApplication::setApplicationName(QStringLiteral("Velomi"));
    QCoreApplication::setOrganizationName(QStringLiteral("Calvorn"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VELOMI_VERSION));

    Cli::Request request;
    const Cli::Parsed parsed = Cli::parse(app.arguments().mid(1), request);
    switch (parsed.kind) {
    case Cli::Parsed::Help:
        std::fputs(qPrintable(Cli::helpText()), stdout);
        return Cli::Success;
    case Cli::Parsed::Version:
        std::printf("velomi-cli %s\n", VELOMI_VERSION);
        return Cli::Success;
    case Cli::Parsed::Error:
        std::fprintf(stderr, "velomi-cli: %s\nTry velomi-cli --help.\n", qPrintable(parsed.error));
        return Cli::Usage;
    case Cli::Parsed::Run:
        break;
    }
    Cli::Runner runner(request);
    QTimer::singleShot(0, &runner, &Cli::Runner::start);
    return app.exec();
}
