#include <QTest>

#include "protocol/answer.h"
#include "protocol/responseassembler.h"

namespace {

QString assemble(const QList<QByteArray> &chunks)
{
    ResponseAssembler assembler;
    for (const QByteArray &chunk : chunks)
        assembler.append(chunk);
    return assembler.text();
}

// Every way of cutting `stream` in two, and byte by byte.
QList<QList<QByteArray>> splits(const QByteArray &stream)
{
    QList<QList<QByteArray>> result;
    for (int cut = 0; cut <= stream.size(); ++cut)
        result.append({stream.left(cut), stream.mid(cut)});
    QList<QByteArray> bytes;
    for (char c : stream)
        bytes.append(QByteArray(1, c));
    result.append(bytes);
    return result;
}

} // namespace

class AssemblerTest : public QObject
{
    Q_OBJECT
private slots:
    void answerSplitAnywhereIsDispatchedWhole();
    void answerIsIncompleteUntilTerminatorArrives();
    void lateTailOfEarlierAnswerCompletesNothing();
    void echoLineIsDropped_data();
    void echoLineIsDropped();
    void echoWithoutLineEndWaits();
    void echoedFrameLosesMarker();
    void latin1ByteSplitAcrossChunksStaysIntact();
    void noiseIsBounded();
    void runawayEchoLineIsDropped();
    void clearForgetsEverything();
};

void AssemblerTest::answerSplitAnywhereIsDispatchedWhole()
{
    const QByteArray answer = "<OK> APN?:internet,user,pass;\r\n";
    for (const auto &chunks : splits(answer))
        QCOMPARE(assemble(chunks), QString::fromLatin1(answer));
}

void AssemblerTest::answerIsIncompleteUntilTerminatorArrives()
{
    const QByteArray answer = "<OK> VER?:T47_V1.05;\r\n";
    for (int cut = 0; cut < answer.size(); ++cut) {
        ResponseAssembler assembler;
        assembler.append(answer.left(cut));
        QVERIFY(!Answer::isComplete(assembler.text(), "<OK> VER?"));
        assembler.append(answer.mid(cut));
        QVERIFY(Answer::isComplete(assembler.text(), "<OK> VER?"));
    }
}

// A write acknowledged piece by piece may still be arriving when the next
// query goes out; its ";\r\n" must not make the next answer look complete.
void AssemblerTest::lateTailOfEarlierAnswerCompletesNothing()
{
    const QString late = QStringLiteral("SPKVL;<OK> FSST;\r\n");
    const QString answer = QStringLiteral("<OK> VER?:T47_ZO_V1.0;\r\n");
    for (int cut = 0; cut < answer.size(); ++cut)
        QVERIFY2(!Answer::isComplete(late + answer.left(cut), "<OK> VER?"),
            qPrintable(answer.left(cut)));
    QVERIFY(Answer::isComplete(late + answer, "<OK> VER?"));
    QCOMPARE(Answer::body(late + answer, "VER?"), QStringLiteral(":T47_ZO_V1.0"));
    // An acknowledgement's own ";" begins its terminator.
    QVERIFY(Answer::isComplete("<OK> RPT;\r\n", "<OK> RPT;"));
}

void AssemblerTest::echoLineIsDropped_data()
{
    QTest::addColumn<QByteArray>("stream");
    QTest::addColumn<QString>("expected");
    QTest::newRow("echo then answer")
        << QByteArray("AT!XSMSC:CSQ:\r\n<OK> CSQ:23,99;\r\n") << "<OK> CSQ:23,99;\r\n";
    QTest::newRow("two echoes") << QByteArray(
        "AT!XSMSC:APN?:\r\nAT!XSMSC:APN?:\r\n<OK> APN?:a,b,c;\r\n")
                                << "<OK> APN?:a,b,c;\r\n";
    QTest::newRow("echo after answer")
        << QByteArray("<OK> APN;\r\nAT!XSMSC:XML:u,p\r\n<OK> XML;\r\n")
        << "<OK> APN;\r\n<OK> XML;\r\n";
    QTest::newRow("echo with carriage return")
        << QByteArray("AT!XSMSC:RESET:\r\r\n<OK> RESET;\r\n") << "<OK> RESET;\r\n";
    QTest::newRow("marker without AT")
        << QByteArray("!XSMSC:VER?:\r\n<OK> VER?:T47;\r\n") << "<OK> VER?:T47;\r\n";
}

void AssemblerTest::echoLineIsDropped()
{
    QFETCH(QByteArray, stream);
    QFETCH(QString, expected);
    for (const auto &chunks : splits(stream))
        QCOMPARE(assemble(chunks), expected);
}

void AssemblerTest::echoWithoutLineEndWaits()
{
    ResponseAssembler assembler;
    assembler.append("<OK> APN;\r\nAT!XSMSC:CSQ:");
    QCOMPARE(assembler.text(), QString("<OK> APN;\r\n"));
    assembler.append("\r");
    QCOMPARE(assembler.text(), QString("<OK> APN;\r\n"));
    assembler.append("\n<OK> CSQ:20,0;\r\n");
    QCOMPARE(assembler.text(), QString("<OK> APN;\r\n<OK> CSQ:20,0;\r\n"));
}

void AssemblerTest::echoedFrameLosesMarker()
{
    // A device echoing the frame as sent ("=" instead of ":") keeps "AT" and the body.
    QCOMPARE(assemble({"AT!XSMSC=CSQ:\r<OK> CSQ:1,2;\r\n"}), QString("AT=CSQ:\r<OK> CSQ:1,2;\r\n"));
    QCOMPARE(assemble({"AT!XS", "MSC=CSQ:\r"}), QString("AT=CSQ:\r"));
}

void AssemblerTest::latin1ByteSplitAcrossChunksStaysIntact()
{
    // "é" in UTF-8 is two bytes; cut between them each byte stays one character.
    const QString text = assemble({"<OK> APN?:caf\xc3", "\xa9,,;\r\n"});
    QCOMPARE(text, QString::fromLatin1("<OK> APN?:caf\xc3\xa9,,;\r\n"));
    QCOMPARE(assemble({"<OK> XML?:\xe9", "t\xe9;\r\n"}),
        QString::fromLatin1("<OK> XML?:\xe9t\xe9;\r\n"));
}

void AssemblerTest::noiseIsBounded()
{
    ResponseAssembler assembler;
    const QByteArray noise(4096, 'x');
    for (int i = 0; i < 40; ++i)
        assembler.append(noise);
    assembler.append("<OK> CSQ:5,0;\r\n");
    QCOMPARE(assembler.text().size(), ResponseAssembler::MaxLength);
    QVERIFY(assembler.text().endsWith("<OK> CSQ:5,0;\r\n"));
}

void AssemblerTest::runawayEchoLineIsDropped()
{
    ResponseAssembler assembler;
    assembler.append("AT!XSMSC:");
    const QByteArray noise(4096, 'y');
    for (int i = 0; i < 20; ++i)
        assembler.append(noise);
    assembler.append("<OK> CSQ:5,0;\r\n");
    // The unending echo line was given up; what follows is dispatched again.
    assembler.append("<OK> LOC;\r\n");
    QVERIFY(assembler.text().size() <= ResponseAssembler::MaxLength);
    QVERIFY(assembler.text().endsWith("<OK> LOC;\r\n"));
}

void AssemblerTest::clearForgetsEverything()
{
    ResponseAssembler assembler;
    assembler.append("<OK> APN;\r\nAT!XSMSC:APN");
    assembler.clear();
    assembler.append(":a,b,c\r\n");
    QCOMPARE(assembler.text(), QString(":a,b,c\r\n"));
}

QTEST_APPLESS_MAIN(AssemblerTest)
#include "tst_assembler.moc"
