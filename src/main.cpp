#include <cstdio>

#include <QApplication>
#include <QCommandLineParser>
#include <QFont>
#include <QIcon>
#include <QLocale>
#include <QTimer>

#include "app/language.h"
#include "app/velomi.h"

namespace {

struct CommandLine
{
    QCommandLineParser parser;
    const QCommandLineOption port {QStringLiteral("port"),
        QStringLiteral("Adds the serial port PATH to the list and selects it."),
        QStringLiteral("PATH")};
    const QCommandLineOption profiles {QStringLiteral("profile-dir"),
        QStringLiteral("Keeps profiles in DIR (default: ./Profile when that folder exists, "
                       "else Profile in the per-user data folder)."),
        QStringLiteral("DIR")};
    const QCommandLineOption open {QStringLiteral("open"),
        QStringLiteral("Opens the port at start, as the Open button does.")};
    const QCommandLineOption lang {QStringLiteral("lang"),
        QStringLiteral("Shows the window in LANG (%1) instead of the system's language.")
            .arg(Language::knownCodes().join(QStringLiteral(", "))),
        QStringLiteral("LANG")};

    CommandLine()
    {
        parser.setApplicationDescription(
            QStringLiteral("Configures the device over a serial port."));
        parser.addHelpOption();
        parser.addVersionOption();
        parser.addOptions({port, profiles, open, lang});
    }
};

void nameApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("Velomi"));
    QCoreApplication::setOrganizationName(QStringLiteral("Calvorn"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VELOMI_VERSION));
}

// --help and --version answer without a display (over ssh, in scripts): the
// window's application would abort without one before reading them.
void answerWithoutWindow(int argc, char *argv[])
{
    static const char *const questions[] = {"-h", "--help", "--help-all", "-v", "--version"};
    for (int i = 1; i < argc; ++i)
        for (const char *question : questions)
            if (qstrcmp(argv[i], question) == 0) {
                QCoreApplication app(argc, argv);
                nameApplication();
                CommandLine().parser.process(app); // prints and exits
            }
}

} // namespace

int main(int argc, char *argv[])
{
    answerWithoutWindow(argc, argv);
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(images);
    nameApplication();
    // The window's icon (the menu entry's) for the dialogs without a parent too; on
    // Wayland the desktop finds the icon through the menu entry's name.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/images/connection.png")));
    QApplication::setDesktopFileName(QStringLiteral("com.calvorn.Velomi"));
    QFont font;
    font.setFamily(font.defaultFamily());
    QApplication::setFont(font);

    CommandLine commandLine;
    QCommandLineParser &parser = commandLine.parser;
    parser.process(app);
    const QCommandLineOption &lang = commandLine.lang;

    const QString wanted = parser.value(lang);
    if (parser.isSet(lang) && !Language::knownCodes().contains(wanted)) {
        fprintf(stderr, "%s\n",
            qPrintable(QStringLiteral("Unknown language \"%1\" for --lang: use one of %2.")
                           .arg(wanted, Language::knownCodes().join(QStringLiteral(", ")))));
        return 2;
    }
    const QString language
        = Language::resolve(wanted, Language::savedChoice(), QLocale::system().uiLanguages());
    if (!Language::install(&app, language))
        qWarning(
            "The %s texts could not be loaded; the window stays in English.", qPrintable(language));

    Velomi::Options options;
    options.port = parser.value(commandLine.port);
    options.profileDir = parser.value(commandLine.profiles);
    Velomi window(options);
    window.show();
    if (parser.isSet(commandLine.open))
        QTimer::singleShot(0, &window, &Velomi::on_pushButtonOpen_clicked);
    return app.exec();
}
