#include <QtTest>

#include "profileformat.h"

namespace
{

const QList<WidgetRef> Widgets = {
    {"radioButton_rpt_group_1_1", WidgetKind::RadioButton},
    {"comboBox_supervision_timer", WidgetKind::ComboBox},
    {"lineEdit_apn_internet", WidgetKind::LineEdit},
    {"checkBox_geo_fence_1_1", WidgetKind::CheckBox},
    {"comboBox_supervision_timer_repeat", WidgetKind::ComboBox},
    {"lineEdit_rpt_to_1", WidgetKind::LineEdit},
    {"checkBox_geo_fence_1_2", WidgetKind::CheckBox},
    {"radioButton_rpt_group_1_2", WidgetKind::RadioButton},
};

FormValues sampleValues()
{
    FormValues v;
    v.setChecked("radioButton_rpt_group_1_1", false);
    v.setChecked("radioButton_rpt_group_1_2", true);
    v.setIndex("comboBox_supervision_timer", 4);
    v.setIndex("comboBox_supervision_timer_repeat", 2);
    v.setText("lineEdit_apn_internet", QString::fromUtf8("caf\u00e9 net"));
    v.setText("lineEdit_rpt_to_1", "10.0.0.1:5000");
    v.setChecked("checkBox_geo_fence_1_1", true);
    v.setChecked("checkBox_geo_fence_1_2", false);
    return v;
}

} // namespace

class TestProfileFormat : public QObject
{
    Q_OBJECT
private slots:
    void writesKindsInOrderAsLatin1()
    {
        const QByteArray expected = "lineEdit_apn_internet:caf\xe9 net\r\n"
                                    "lineEdit_rpt_to_1:10.0.0.1:5000\r\n"
                                    "checkBox_geo_fence_1_1:Checked\r\n"
                                    "checkBox_geo_fence_1_2:Unchecked\r\n"
                                    "comboBox_supervision_timer:4\r\n"
                                    "comboBox_supervision_timer_repeat:2\r\n"
                                    "radioButton_rpt_group_1_1:Unchecked\r\n"
                                    "radioButton_rpt_group_1_2:Checked\r\n";
        QCOMPARE(ProfileFormat::write(Widgets, sampleValues()), expected);
    }

    void everyKindRoundTrips()
    {
        const FormValues values = sampleValues();
        QCOMPARE(ProfileFormat::read(ProfileFormat::write(Widgets, values), Widgets), values);

        // The two supervision selectors share a prefix but not a key.
        FormValues swapped = values;
        swapped.setIndex("comboBox_supervision_timer", 0);
        swapped.setIndex("comboBox_supervision_timer_repeat", 7);
        QCOMPARE(ProfileFormat::read(ProfileFormat::write(Widgets, swapped), Widgets), swapped);
    }

    void lineValues_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QVariant>("value");
        QTest::newRow("destination keeps its port")
            << "lineEdit_rpt_to_2" << QByteArray("lineEdit_rpt_to_2:10.0.0.1:5000\r\n")
            << QVariant("10.0.0.1:5000");
        QTest::newRow("other line edit stops at a colon")
            << "lineEdit_keyword" << QByteArray("lineEdit_keyword:ab:cd\r\n") << QVariant("ab");
        QTest::newRow("missing line edit is emptied")
            << "lineEdit_keyword" << QByteArray("lineEdit_other:x\r\n") << QVariant("");
        QTest::newRow("first matching line wins")
            << "lineEdit_keyword" << QByteArray("lineEdit_keyword:one\r\nlineEdit_keyword:two\r\n")
            << QVariant("one");
        QTest::newRow("text stops at a zero byte")
            << "lineEdit_keyword"
            << QByteArray("lineEdit_keyword:ab") + '\0' + "\r\nlineEdit_keyword:cd\r\n"
            << QVariant("ab");
        QTest::newRow("empty lines are skipped")
            << "comboBox_x" << QByteArray("\r\n\r\ncomboBox_x:3\r\n\r\n") << QVariant(3);
        QTest::newRow("combo not a number")
            << "comboBox_x" << QByteArray("comboBox_x:abc\r\n") << QVariant(0);
        QTest::newRow("combo missing") << "comboBox_x" << QByteArray() << QVariant(0);
        QTest::newRow("check box unchecked")
            << "checkBox_x" << QByteArray("checkBox_x:Unchecked\r\n") << QVariant(false);
        QTest::newRow("check box any other word")
            << "checkBox_x" << QByteArray("checkBox_x:unchecked\r\n") << QVariant(true);
        QTest::newRow("check box missing is checked")
            << "checkBox_x" << QByteArray() << QVariant(true);
        QTest::newRow("radio missing is checked")
            << "radioButton_x" << QByteArray("junk") << QVariant(true);
    }
    void lineValues()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, file);
        QFETCH(QVariant, value);
        const WidgetKind kind = name.startsWith("lineEdit")   ? WidgetKind::LineEdit
                                : name.startsWith("comboBox") ? WidgetKind::ComboBox
                                : name.startsWith("checkBox") ? WidgetKind::CheckBox
                                                              : WidgetKind::RadioButton;
        const FormValues values = ProfileFormat::read(file, {{name, kind}});
        QCOMPARE(values.size(), 1);
        QCOMPARE(values.value(name), value);
    }
};

QTEST_APPLESS_MAIN(TestProfileFormat)
#include "tst_profileformat.moc"
