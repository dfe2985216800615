// A read in German: the session's message comes in the window's language.
#include <QTest>

#include "app/language.h"
#include "e2efixture.h"

class LanguageTest : public QObject
{
    Q_OBJECT
private slots:
    void readInGerman();
};

void LanguageTest::readInGerman()
{
    QVERIFY(Language::install(qApp, QStringLiteral("de")));
    const QString done = QCoreApplication::translate("Session", "Read configuration success!");
    QVERIFY2(done != ReadDone, "the German catalogue has no text for a finished read");

    WindowUnderTest t;
    QVERIFY2(t.start(), qPrintable(t.sim.errorString()));
    t.window->pushButtonOpen->click();
    QVERIFY2(t.waitFor(done, 1, 20000), qPrintable(t.recorder.texts().join(" | ")));
    QVERIFY(!t.saw(ReadDone));
}

QTEST_MAIN(LanguageTest)
#include "tst_language.moc"
