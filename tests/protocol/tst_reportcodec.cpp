#include <QTest>

#include "protocol/reportcodec.h"

using namespace ReportCodec;

namespace {

// The flags a version answer leaves for each model form.
ModelFlags model(const QString &form)
{
    ModelFlags m;
    if (form == "PSTN") {
        m.baseStation = m.pstnBase = m.hubFamily = m.variantBX = true;
        return m;
    }
    if (form == "none")
        return m;
    m.supportedModel = true;
    m.modelT47 = m.modelT4 = form.startsWith("T47");
    m.modelT6 = form.startsWith("T68");
    m.variantPV = form.endsWith("_PV");
    m.variantBX = form.endsWith("_BX");
    m.variantXA = form.endsWith("_XA");
    m.variantYD = form.endsWith("_YD");
    m.variantHP = form.endsWith("_HP");
    m.variantRK = form.endsWith("_RK");
    return m;
}

const QStringList AllForms {"none", "T47", "T47_PV", "T47_BX", "T47_XA", "T47_YD", "T47_HP",
    "T47_RK", "T68", "T68_XA", "T68_PV", "PSTN"};

FormValues row(int n, const QString &destination, int group, int type, int event)
{
    FormValues v;
    v.setText(QString("lineEdit_rpt_to_%1").arg(n), destination);
    for (int k = 1; k <= 5; ++k)
        v.setChecked(QString("radioButton_rpt_group_%1_%2").arg(n).arg(k), k == group);
    v.setIndex(QString("comboBox_rpt_type_%1").arg(n), type);
    v.setIndex(QString("comboBox_rpt_event_%1").arg(n), event);
    return v;
}

QString rowAnswer(const QString &fields) { return "<OK> RPT?:" + fields + ";\r\n"; }

// The one group radio of row 1 the decode checked; -1 when it left them alone.
int checkedGroup(const FormValues &v)
{
    int found = v.contains("radioButton_rpt_group_1_1") ? 0 : -1;
    for (int k = 1; k <= 5; ++k)
        if (v.checked(QString("radioButton_rpt_group_1_%1").arg(k)))
            found = found > 0 ? 99 : k;
    return found;
}

} // namespace

class tst_ReportCodec : public QObject
{
    Q_OBJECT
private slots:
    void typeListFollowsTheModel()
    {
        const struct
        {
            const char *form;
            const char *first;
            int count;
        } lists[] = {{"none", "Speech", 14}, {"T47", "Speech", 14}, {"T47_PV", "SMS Speech", 18},
            {"T47_BX", "Speech", 3}, {"T47_XA", "Speech", 6}, {"T47_YD", "Speech", 13},
            {"T47_RK", "Speech", 13}, {"T68_XA", "Speech", 14}, {"PSTN", "Speech", 14}};
        for (const auto &l : lists) {
            const QStringList names = typeNames(model(l.form));
            QVERIFY2(names.size() == l.count && names.first() == l.first, l.form);
        }
        QCOMPARE(typeNames(model("T47_BX")), QStringList({"Speech", "JSON", "SMS Text"}));
    }

    void rowPayloads_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<int>("group");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("event");
        QTest::addColumn<QString>("body");
        QTest::newRow("no version") << "none" << 1 << 13 << 0 << "RPT:2,0612,1,36,0,255";
        QTest::newRow("T47") << "T47" << 3 << 3 << 1 << "RPT:2,0612,3,12,0,4";
        QTest::newRow("T47 PV") << "T47_PV" << 5 << 2 << 2 << "RPT:2,0612,5,10,0,1";
        QTest::newRow("T47 BX") << "T47_BX" << 2 << 1 << 0 << "RPT:2,0612,2,17,0,255";
        QTest::newRow("T47 XA") << "T47_XA" << 4 << 2 << 0 << "RPT:2,0612,4,16,0,255";
        QTest::newRow("T47 HP") << "T47_HP" << 1 << 12 << 0 << "RPT:2,0612,1,34,0,255";
        QTest::newRow("T68 XA: general list") << "T68_XA" << 1 << 2 << 0 << "RPT:2,0612,1,20,0,255";
        QTest::newRow("no group") << "T47" << 0 << 0 << 0 << "RPT:2,0612,,0,0,255";
        QTest::newRow("type past the list") << "T47_BX" << 1 << 3 << 0 << "RPT:2,0612,1,,0,255";
        QTest::newRow("no event") << "T47" << 1 << 0 << -1 << "RPT:2,0612,1,0,0,";
    }
    void rowPayloads()
    {
        QFETCH(QString, form);
        QFETCH(int, group);
        QFETCH(int, type);
        QFETCH(int, event);
        QFETCH(QString, body);
        const RowWrite w = rowBody(2, row(2, "0612", group, type, event), model(form));
        QVERIFY(w.ok);
        QCOMPARE(w.body, body);
    }

    void refusedRows()
    {
        const QString unsafe
            = "Report destination 1 may not contain \",\", \";\" or control characters!";
        const struct
        {
            int row;
            const char *destination;
            QString message;
        } cases[] = {{0, "112", "Report idx error!"}, {6, "112", "Report idx error!"},
            {1, "10.0.0.1,5000", unsafe}, {1, "112;", unsafe}, {1, "112\rRESET:", unsafe}};
        for (const auto &c : cases) {
            const RowWrite w = rowBody(c.row, row(c.row, c.destination, 1, 0, 0), model("T47"));
            QVERIFY2(!w.ok && w.body.isEmpty(), c.destination);
            QCOMPARE(w.notice.text, c.message);
        }
    }

    void smsSpeech()
    {
        for (const QString &form : AllForms)
            QCOMPARE(typeCode("SMS Speech", model(form)), form.endsWith("_PV") ? 35 : 0);
        QCOMPARE(rowBody(1, row(1, "112", 1, 0, 0), model("T47_PV")).body,
            QString("RPT:1,112,1,35,0,255"));
    }

    // Whatever the list shown, a type written and read back selects the same item.
    void everyTypeRoundTrips()
    {
        for (const QString &form : AllForms) {
            const ModelFlags m = model(form);
            const QStringList names = typeNames(m);
            for (int index = 0; index < names.size(); ++index) {
                const QString code
                    = rowBody(1, row(1, "112", 1, index, 0), m).body.section(',', 3, 3);
                const QString what = form + " " + names.at(index);
                QVERIFY2(!code.isEmpty() && code.toInt() == typeCode(names.at(index), m),
                    qPrintable(what));
                const RowDecode d = decodeRow(rowAnswer("1,112,1," + code + ",0,255"), 1, m);
                QVERIFY2(d.values.index("comboBox_rpt_type_1") == index, qPrintable(what));
            }
        }
    }

    void decodesIntoTheAwaitedRow()
    {
        const RowDecode d = decodeRow(rowAnswer("3,+3161234,2,17,3,4"), 4, model("T47_BX"));
        QCOMPARE(d.rowNumber, 3);
        QVERIFY(!d.values.contains("lineEdit_rpt_to_3"));
        QCOMPARE(d.values.text("lineEdit_rpt_to_4"), QString("+3161234"));
        QVERIFY(d.values.checked("radioButton_rpt_group_4_2"));
        QCOMPARE(d.values.index("comboBox_rpt_type_4"), 1); // "JSON"
        QCOMPARE(d.values.index("comboBox_rpt_option_4"), 3);
        QCOMPARE(d.values.index("comboBox_rpt_event_4"), 1);
        QVERIFY(decodeRow(rowAnswer("1,112,1,0,0,255"), 0, model("T47")).values.isEmpty());
    }

    void rowNumber()
    {
        const struct
        {
            const char *received;
            int number;
        } cases[] = {{"<OK> RPT?:5,112,1,0,0,255;\r\n", 5}, {"<OK> RPT?:,112,1,0,0,255;\r\n", 0},
            {"<OK> RPT?:x,112,1,0,0,255;\r\n", 0}, {"<OK> RPT?:;\r\n", 0}, {"<OK> RPT;\r\n", 0}};
        for (const auto &c : cases)
            QVERIFY2(decodeRow(c.received, 1, model("T47")).rowNumber == c.number, c.received);
    }

    // Group, type, option and event fields, and what the decode makes of them.
    void fieldFallbacks()
    {
        const struct
        {
            const char *fields; // group,type,option,event
            const char *form;
            int group; // -1: radios left alone
            int type;
            int option; // -1: left alone
            int event; // -1: left alone
        } cases[] = {
            {"0,0,0,255", "T47", 1, 0, 0, 0},
            {"x,0,0,4", "T47", 1, 0, 0, 1},
            {"5,0,4,1", "T47", 5, 0, 4, 2},
            {"9,0,0,7", "T47", -1, 0, 0, -1},
            {"-1,0,5,", "T47", -1, 0, -1, -1},
            {"1,35,0,255", "T47", 1, 0, 0, 0},
            {"1,99,0,255", "T47_PV", 1, 0, 0, 0},
            {"1,,0,255", "T47_PV", 1, 1, 0, 0},
        };
        for (const auto &c : cases) {
            const FormValues v
                = decodeRow(rowAnswer(QString("1,112,") + c.fields), 1, model(c.form)).values;
            QVERIFY2(checkedGroup(v) == c.group, c.fields);
            QVERIFY2(v.index("comboBox_rpt_type_1") == c.type, c.fields);
            QVERIFY2(v.value("comboBox_rpt_option_1")
                    == (c.option < 0 ? QVariant() : QVariant(c.option)),
                c.fields);
            QVERIFY2(
                v.value("comboBox_rpt_event_1") == (c.event < 0 ? QVariant() : QVariant(c.event)),
                c.fields);
        }
    }
};

QTEST_APPLESS_MAIN(tst_ReportCodec)
#include "tst_reportcodec.moc"
