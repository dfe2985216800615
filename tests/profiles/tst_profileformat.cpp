#include <QTest>

#include "profiles/profileformat.h"

namespace {

const QList<WidgetRef> Widgets = {
    {"radioButton_rpt_group_1_1", WidgetKind::RadioButton},
    {"comboBox_supervision_timer", WidgetKind::ComboBox},
    {"comboBox_supervision_timer_repeat", WidgetKind::ComboBox},
    {"lineEdit_rpt_to_1", WidgetKind::LineEdit},
    {"checkBox_geo_fence_1_1", WidgetKind::CheckBox},
    {"checkBox_geo_fence_1_2", WidgetKind::CheckBox},
};

FormValues sampleValues(int supervision, int repeat)
{
    FormValues v;
    v.setChecked("radioButton_rpt_group_1_1", true);
    v.setIndex("comboBox_supervision_timer", supervision);
    v.setIndex("comboBox_supervision_timer_repeat", repeat);
    v.setText("lineEdit_rpt_to_1", QString::fromUtf8("10.0.0.1:5000 \u00e9"));
    v.setChecked("checkBox_geo_fence_1_1", true);
    v.setChecked("checkBox_geo_fence_1_2", false);
    return v;
}

} // namespace

class ProfileFormatTest : public QObject
{
    Q_OBJECT
private slots:
    void writesKindsInOrder()
    {
        QCOMPARE(ProfileFormat::write(Widgets, sampleValues(4, 2)),
            "lineEdit_rpt_to_1:10.0.0.1:5000 \xe9\r\n"
            "checkBox_geo_fence_1_1:Checked\r\ncheckBox_geo_fence_1_2:Unchecked\r\n"
            "comboBox_supervision_timer:4\r\ncomboBox_supervision_timer_repeat:2\r\n"
            "radioButton_rpt_group_1_1:Checked\r\n");
    }

    void everyKindRoundTrips()
    {
        for (const auto &[supervision, repeat] : {std::pair {4, 2}, std::pair {0, 7}}) {
            const FormValues values = sampleValues(supervision, repeat);
            QCOMPARE(ProfileFormat::read(ProfileFormat::write(Widgets, values), Widgets), values);
        }
    }

    void readsOddFiles_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QVariant>("value");
        QTest::newRow("other line edit stops at a colon")
            << "lineEdit_keyword" << QByteArray("lineEdit_keyword:ab:cd\r\n") << QVariant("ab");
        QTest::newRow("first line wins, zero byte ends the text")
            << "lineEdit_keyword"
            << QByteArray("\r\nlineEdit_keyword:ab") + '\0' + "\r\nlineEdit_keyword:cd\r\n"
            << QVariant("ab");
        QTest::newRow("combo not a number")
            << "comboBox_x" << QByteArray("comboBox_x:abc\r\n") << QVariant(0);
        QTest::newRow("combo without a selection")
            << "comboBox_x" << QByteArray("comboBox_x:-1\r\n") << QVariant(0);
        QTest::newRow("missing check box is checked")
            << "checkBox_x" << QByteArray() << QVariant(true);
    }
    void readsOddFiles()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, file);
        QFETCH(QVariant, value);
        const WidgetKind kind = name.startsWith("lineEdit") ? WidgetKind::LineEdit
            : name.startsWith("comboBox")                   ? WidgetKind::ComboBox
                                                            : WidgetKind::CheckBox;
        QCOMPARE(ProfileFormat::read(file, {{name, kind}}).value(name), value);
    }
};

QTEST_APPLESS_MAIN(ProfileFormatTest)
#include "tst_profileformat.moc"
