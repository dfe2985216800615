// The translators' catalogues: every text translated once they are done, and
// no translation that breaks its message (a lost "%1", a lost trailing
// space); the language the tool picks; the window shown in German.
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

#include <memory>

#include "app/language.h"
#include "app/messages.h"
#include "app/velomi.h"

namespace {

struct TranslationEntry
{
    QString context, source, translation;
    bool finished = false;
};

// An element's text; lupdate writes control characters ("\r") as <byte value="xd"/>.
QString translationText(QXmlStreamReader &xml)
{
    QString text;
    while (!xml.atEnd()) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::Characters)
            text += xml.text();
        else if (token == QXmlStreamReader::StartElement && xml.name() == QLatin1String("byte"))
            text += QChar(xml.attributes().value(QLatin1String("value")).mid(1).toInt(nullptr, 16));
        else if (token == QXmlStreamReader::EndElement && xml.name() != QLatin1String("byte"))
            break;
    }
    return text;
}

QList<TranslationEntry> readTranslationSource(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return {};
    }
    QList<TranslationEntry> entries;
    QXmlStreamReader xml(&file);
    QString context;
    TranslationEntry entry;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            entry = {context, {}, {}, false};
        } else if (xml.name() == QLatin1String("source")) {
            entry.source = translationText(xml);
        } else if (xml.name() == QLatin1String("translation")) {
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            entry.finished = type.isEmpty();
            entry.translation = translationText(xml);
            entries << entry;
        }
    }
    if (xml.hasError())
        *error = xml.errorString();
    return entries;
}

QStringList placeholdersOf(const QString &text)
{
    static const QRegularExpression placeholder(QStringLiteral("%[1-9]"));
    QStringList found;
    for (auto it = placeholder.globalMatch(text); it.hasNext();)
        found << it.next().captured();
    found.sort();
    found.removeDuplicates();
    return found;
}

QString trailingSpaceOf(const QString &text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1).isSpace())
        --end;
    return text.mid(end);
}

} // namespace

class TranslationsTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void catalogue_data();
    void catalogue();
    void languageChoice_data();
    void languageChoice();
    void windowInGerman();

private:
    QTemporaryDir dir_;
    Messages::Recorder recorder_;
};

void TranslationsTest::initTestCase()
{
    QVERIFY(dir_.isValid());
    Messages::setRecorder(&recorder_);
}

void TranslationsTest::catalogue_data()
{
    QTest::addColumn<QString>("code");
    for (const QString &code : Language::translatedCodes())
        QTest::newRow(qPrintable(code)) << code;
}

void TranslationsTest::catalogue()
{
    QFETCH(QString, code);
    QTranslator embedded;
    QVERIFY(embedded.load(QStringLiteral(":/i18n/velomi_%1.qm").arg(code)));
    QString error;
    const QList<TranslationEntry> entries = readTranslationSource(
        QStringLiteral(VELOMI_TRANSLATIONS_DIR "/velomi_%1.ts").arg(code), &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY(!entries.isEmpty());

    QStringList broken, unfinished;
    for (const TranslationEntry &e : entries) {
        const QString where = e.context + QStringLiteral(" \"") + e.source + QLatin1Char('"');
        if (!e.finished || e.translation.isEmpty()) {
            unfinished << where;
            continue;
        }
        if (placeholdersOf(e.translation) != placeholdersOf(e.source))
            broken << where + QStringLiteral(": placeholders differ");
        if (!e.translation.endsWith(trailingSpaceOf(e.source)))
            broken << where + QStringLiteral(": the trailing space is lost");
        const QByteArray context = e.context.toUtf8(), source = e.source.toUtf8();
        if (embedded.translate(context.constData(), source.constData()) != e.translation)
            broken << where + QStringLiteral(": the embedded catalogue differs from the .ts");
    }
    QVERIFY2(broken.isEmpty(), qPrintable(broken.join(QLatin1Char('\n'))));
    QVERIFY2(unfinished.isEmpty(), qPrintable(unfinished.join(QLatin1Char('\n'))));
}

void TranslationsTest::languageChoice_data()
{
    QTest::addColumn<QString>("commandLine");
    QTest::addColumn<QString>("saved");
    QTest::addColumn<QStringList>("system");
    QTest::addColumn<QString>("chosen");
    const auto row = [](const char *name, const char *commandLine, const char *saved,
                         const QStringList &system, const char *chosen) {
        QTest::newRow(name) << QString(commandLine) << QString(saved) << system << QString(chosen);
    };
    row("--lang first", "fr", "de", {"nl"}, "fr");
    row("then the saved choice", "", "de", {"fr-FR"}, "de");
    row("then the system, region dropped", "", "", {"de-CH", "en"}, "de");
    row("first system language known", "", "", {"es-ES", "nl-BE", "de"}, "nl");
    row("English wanted before German", "", "", {"en-GB", "de"}, "en");
    row("unknown saved choice ignored", "", "xx", {"fr"}, "fr");
    row("nothing known", "", "", {"es", "C"}, "en");
}

void TranslationsTest::languageChoice()
{
    QFETCH(QString, commandLine);
    QFETCH(QString, saved);
    QFETCH(QStringList, system);
    QFETCH(QString, chosen);
    QCOMPARE(Language::resolve(commandLine, saved, system), chosen);
}

// The window built with the German catalogue installed: one page sampled,
// and the tabs the window hides at start hidden by their German titles too.
void TranslationsTest::windowInGerman()
{
    QVERIFY(Language::install(qApp, QStringLiteral("de")));
    const auto german = [](const char *source) {
        const QString text = QCoreApplication::translate("ZAROraz", source);
        return text == QLatin1String(source) ? QString() : text;
    };
    QVERIFY(!german("Settings").isEmpty());
    QVERIFY(!german("Speaker volume level").isEmpty());
    QVERIFY(!german("Mobility").isEmpty());

    Velomi::Options options;
    options.profileDir = dir_.filePath(QStringLiteral("Profile"));
    Velomi w(options);
    QCOMPARE(w.tabWidget_velomi->tabText(w.tabWidget_velomi->indexOf(w.tab_setting)),
        german("Settings"));
    QCOMPARE(w.label_speaker_volume_level->text(), german("Speaker volume level"));
    QCOMPARE(w.tabWidget_velomi->indexOf(w.tab_mobility), -1);
}

QTEST_MAIN(TranslationsTest)
#include "tst_translations.moc"
