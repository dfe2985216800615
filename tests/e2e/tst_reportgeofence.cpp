// The Report and Geo-fence pages against the simulated device: a read shows
// the device's destinations and fences, edits written come back on the next
// read, coordinates out of range never reach the device, and an _XA device
// shows its forbidden-zone switch and its own report type list.
#include <QComboBox>
#include <QFile>
#include <QJsonArray>
#include <QLineEdit>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTest>

#include "e2efixture.h"
#include "protocol/reportcodec.h"

namespace {

// Report type codes as the device stores them.
const QMap<int, QString> ReportTypeNames = {
    {0, "Speech"},
    {1, "CID_PSTN"},
    {2, "QUENDRIX_PSTN"},
    {10, "CID Over IP"},
    {11, "SIA-CID Over IP"},
    {12, "SIA Over IP"},
    {13, "SIA-CID Over UDP"},
    {14, "SIA Over UDP"},
    {16, "CSV Over IP"},
    {17, "JSON"},
    {18, "XML"},
    {19, "MAN_XML"},
    {20, "SIA2-CID Over IP"},
    {21, "SIA2 Over IP"},
    {22, "SIA2-CID Over UDP"},
    {23, "SIA2 Over UDP"},
    {30, "SMS CID"},
    {31, "SMS Text"},
    {32, "SMS MPTP"},
    {33, "SMS SIA"},
    {34, "SMS PFIG"},
    {35, "SMS Speech"},
    {36, "SMS PASOS"},
};
const QMap<int, int> EventIndex = {{255, 0}, {4, 1}, {1, 2}};

QJsonArray row(const QString &to, const QString &group, const QString &type, const QString &event)
{
    return QJsonArray {to, group, type, "0", event};
}

QJsonObject circle(bool enabled, const QString &radius, const QString &lat, const QString &lon)
{
    return QJsonObject {{"shape", "circle"}, {"enabled", enabled}, {"radius", radius},
        {"points", QJsonArray {QJsonArray {lat, lon}}}};
}

QJsonObject polygon(bool enabled, const QJsonArray &points)
{
    return QJsonObject {
        {"shape", "polygon"}, {"enabled", enabled}, {"radius", "0"}, {"points", points}};
}

// A T47 whose destinations and fences all differ from the form's start state.
QJsonObject deviceState(const QString &version = QStringLiteral("T47_V1.05"))
{
    return QJsonObject {
        {"VER", version},
        {"RPT",
            QJsonArray {row("+4930111222", "3", "20", "4"),
                row("alarm.example:7000", "5", "36", "1"), row("", "1", "0", "255"),
                row("+3312345", "2", "31", "255"), row("10.1.2.3:9000", "4", "14", "4")}},
        {"GEOFE",
            QJsonArray {circle(true, "750", "48.137154", "11.576124"),
                polygon(true,
                    QJsonArray {QJsonArray {"1.5", "2.5"}, QJsonArray {"3.5", "4.5"},
                        QJsonArray {"5.5", "6.5"}, QJsonArray {"-7.5", "8.5"}}),
                polygon(false,
                    QJsonArray {QJsonArray {"-10", "-20"}, QJsonArray {"-11", "-21"},
                        QJsonArray {"-12", "-22"}})}},
    };
}

QString name(const char *pattern, int a, int b = -1)
{
    const QString n = QString::fromLatin1(pattern).arg(a);
    return b < 0 ? n : n.arg(b);
}

// Row r of the Report page against the device's destination r; "" when equal.
QString rowMismatch(WindowUnderTest &t, int r, const QJsonArray &device)
{
    const QString to = device.at(0).toString();
    const int group = std::max(1, device.at(1).toString().toInt());
    const QString type = ReportTypeNames.value(device.at(2).toString().toInt());
    const int event = EventIndex.value(device.at(4).toString().toInt(), -1);
    QStringList wrong;
    if (t.find<QLineEdit>(name("lineEdit_rpt_to_%1", r))->text() != to)
        wrong << "destination";
    if (!t.find<QRadioButton>(name("radioButton_rpt_group_%1_%2", r, group))->isChecked())
        wrong << "group";
    if (t.find<QComboBox>(name("comboBox_rpt_type_%1", r))->currentText() != type)
        wrong << "type " + t.find<QComboBox>(name("comboBox_rpt_type_%1", r))->currentText();
    if (t.find<QComboBox>(name("comboBox_rpt_event_%1", r))->currentIndex() != event)
        wrong << "event";
    return wrong.isEmpty() ? QString() : QStringLiteral("row %1: %2").arg(r).arg(wrong.join(", "));
}

// Fence n of the Geo-fence page against the device's fence n; "" when equal.
QString fenceMismatch(WindowUnderTest &t, int n, const QJsonObject &device)
{
    const QString shape = device.value("shape").toString();
    const bool enabled = device.value("enabled").toBool();
    const QJsonArray points = device.value("points").toArray();
    const int page = shape == "circle" ? 1 : shape == "polygon" ? 2 : 0;
    const auto text = [&](const char *pattern, int k) {
        return t.find<QLineEdit>(name(pattern, n, k))->text();
    };
    QStringList wrong;
    if (t.find<QComboBox>(name("comboBox_geo_type_%1_0", n))->currentIndex() != page
        || t.find<QStackedWidget>(name("stackedWidget_G%1", n))->currentIndex() != page)
        wrong << "type";
    if (page == 1) {
        if (t.find<QCheckBox>(name("checkBox_geo_fence_%1_1", n))->isChecked() == enabled)
            wrong << "Disable box";
        if (t.find<QLineEdit>(name("lineEdit_lat_%1_%2", n, 0))->isEnabled() != enabled)
            wrong << "enabling";
        if (t.find<QLineEdit>(name("lineEdit_radius_%1_%2", n, 0))->text()
            != device.value("radius").toString())
            wrong << "radius";
        const QJsonArray centre = points.at(0).toArray();
        if (text("lineEdit_lat_%1_%2", 0) != centre.at(0).toString()
            || text("lineEdit_long_%1_%2", 0) != centre.at(1).toString())
            wrong << "centre";
    }
    if (page == 2) {
        if (t.find<QCheckBox>(name("checkBox_geo_fence_%1_2", n))->isChecked() == enabled)
            wrong << "Disable box";
        if (t.find<QComboBox>(name("comboBox_geo_vertex_%1_0", n))->currentText()
            != QString::number(points.size()))
            wrong << "vertex number";
        if (t.find<QLineEdit>(name("lineEdit_lat_%1_%2", n, 1))->isEnabled() != enabled
            || t.find<QLineEdit>(name("lineEdit_lat_%1_%2", n, 4))->isEnabled()
                != (enabled && points.size() == 4))
            wrong << "enabling";
        for (int k = 1; k <= points.size(); ++k)
            if (text("lineEdit_lat_%1_%2", k) != points.at(k - 1).toArray().at(0).toString()
                || text("lineEdit_long_%1_%2", k) != points.at(k - 1).toArray().at(1).toString())
                wrong << QStringLiteral("vertex %1").arg(k);
    }
    return wrong.isEmpty() ? QString()
                           : QStringLiteral("fence %1: %2").arg(n).arg(wrong.join(", "));
}

QString pagesMismatch(WindowUnderTest &t, const QJsonObject &device)
{
    QStringList wrong;
    const QJsonArray rows = device.value("RPT").toArray();
    for (int r = 1; r <= 5; ++r)
        wrong << rowMismatch(t, r, rows.at(r - 1).toArray());
    const QJsonArray fences = device.value("GEOFE").toArray();
    for (int n = 1; n <= 3; ++n)
        wrong << fenceMismatch(t, n, fences.at(n - 1).toObject());
    wrong.removeAll(QString());
    return wrong.join("; ");
}

QStringList itemsOf(const QComboBox *combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

// The frames the device received, from its log.
QStringList framesReceived(const QString &logPath)
{
    QFile file(logPath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QStringList frames;
    for (const QString &line : QString::fromUtf8(file.readAll()).split('\n')) {
        const QStringList parts = line.split(' ', Qt::SkipEmptyParts);
        if (parts.size() >= 3 && parts.at(1) == "IN")
            frames << parts.mid(2).join(' ');
    }
    return frames;
}

} // namespace

class ReportGeoFenceTest : public QObject
{
    Q_OBJECT
private slots:
    void editedRowsAndFencesComeBackOnTheNextRead();
    void coordinatesOutOfRangeNeverReachTheDevice();
    void xaDeviceShowsItsTypesAndForbiddenZone();
};

void ReportGeoFenceTest::editedRowsAndFencesComeBackOnTheNextRead()
{
    WindowUnderTest t;
    QVERIFY2(t.startWithState(deviceState()), qPrintable(t.sim.errorString()));
    QVERIFY2(t.openAndRead(), qPrintable(t.recorder.texts().join(" | ")));
    Velomi &w = *t.window;
    const QJsonObject before = t.sim.snapshot();
    QString mismatch = pagesMismatch(t, before);
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
    // Without the _XA variant group: no forbidden-zone switch, plain captions.
    QVERIFY(w.comboBox_forbidden_zone->isHidden());
    QVERIFY(w.pushButtonSet_forbidden_zone->isHidden());
    QCOMPARE(w.label_GF_2->text(), QStringLiteral("Geo fence:"));

    // Row 2 and three fences: a circle disabled, a polygon made a circle, a
    // disabled polygon enabled with a fourth vertex.
    w.lineEdit_rpt_to_2->setText(QStringLiteral("+4915155555"));
    w.radioButton_rpt_group_2_1->setChecked(true);
    w.comboBox_rpt_type_2->setCurrentText(QStringLiteral("SIA Over IP"));
    w.comboBox_rpt_event_2->setCurrentIndex(0);
    w.pushButtonSet_rpt->click();
    const QString success = QStringLiteral("Write command success!  ");
    QVERIFY(t.waitFor(success, 1));

    w.checkBox_geo_fence_1_1->click();
    QVERIFY(!w.lineEdit_lat_1_0->isEnabled());
    w.pushButton_geo_fence_1_1->click();
    QVERIFY(t.waitFor(success, 2));

    w.comboBox_geo_type_2_0->setCurrentIndex(1);
    QCOMPARE(w.stackedWidget_G2->currentIndex(), 1);
    w.lineEdit_lat_2_0->setText(QStringLiteral("-33.856784"));
    w.lineEdit_long_2_0->setText(QStringLiteral("151.215297"));
    w.lineEdit_radius_2_0->setText(QStringLiteral("1200"));
    w.pushButton_geo_fence_2_1->click();
    QVERIFY(t.waitFor(success, 3));

    w.checkBox_geo_fence_3_2->click();
    w.comboBox_geo_vertex_3_0->setCurrentIndex(1);
    QVERIFY(w.lineEdit_lat_3_4->isEnabled());
    w.lineEdit_lat_3_4->setText(QStringLiteral("-13"));
    w.lineEdit_long_3_4->setText(QStringLiteral("-23.000001"));
    w.pushButton_geo_fence_3_2->click();
    QVERIFY(t.waitFor(success, 4));
    QVERIFY2(t.recorder.shown.size() == 5, qPrintable(t.recorder.texts().join(" | ")));

    const QJsonObject after = t.sim.snapshot();
    QJsonArray rows = before.value("RPT").toArray();
    rows[1] = row("+4915155555", "1", "12", "255");
    QCOMPARE(after.value("RPT").toArray(), rows);
    QJsonObject fence1 = before.value("GEOFE").toArray().at(0).toObject();
    fence1["enabled"] = false;
    const QJsonArray fences = after.value("GEOFE").toArray();
    QCOMPARE(fences.at(0).toObject(), fence1);
    QCOMPARE(fences.at(1).toObject(), circle(true, "1200", "-33.856784", "151.215297"));
    QCOMPARE(fences.at(2).toObject().value("enabled").toBool(), true);
    QCOMPARE(fences.at(2).toObject().value("points").toArray().size(), 4);

    QVERIFY(t.newWindow());
    QVERIFY(t.openAndRead());
    mismatch = pagesMismatch(t, after);
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
}

// A coordinate refused when its editing finishes is emptied at once, so the
// value typed never reaches the device.
void ReportGeoFenceTest::coordinatesOutOfRangeNeverReachTheDevice()
{
    WindowUnderTest t;
    const QString log = t.dir.filePath("device.log");
    QVERIFY2(t.startWithState(deviceState(), {"--log", log}), qPrintable(t.sim.errorString()));
    QVERIFY(t.openAndRead());
    const QJsonValue fences = t.sim.snapshot().value("GEOFE");
    Velomi &w = *t.window;
    w.tabWidget_velomi->setCurrentWidget(w.tab_geofe);
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));

    const struct
    {
        const char *field;
        const char *typed;
        const char *message;
    } cases[] = {
        {"lineEdit_lat_1_0", "91", "-90 ~ 90"},
        {"lineEdit_long_2_3", "-181", "-180 ~ 180"},
        {"lineEdit_lat_2_1", "12.1234567", "Decimal six!"},
        {"lineEdit_long_2_1", "12a", "Digits only!"},
    };
    for (const auto &c : cases) {
        auto *field = t.find<QLineEdit>(c.field);
        const int shownBefore = t.count(c.message);
        field->setFocus();
        QTRY_VERIFY(field->hasFocus());
        field->selectAll();
        QTest::keyClicks(field, c.typed);
        QCOMPARE(field->text(), QString::fromLatin1(c.typed));
        w.lineEdit_radius_1_0->setFocus(); // editing of the field ends
        QVERIFY2(t.waitFor(c.message, shownBefore + 1), c.field);
        QVERIFY2(field->text().isEmpty(), c.field);
    }
    const QStringList frames = framesReceived(log);
    QVERIFY(frames.contains("AT!XSMSC=GEOFE?:3\\r")); // the log holds the read
    for (const QString &frame : frames)
        QVERIFY2(!frame.contains("GEOFE:"), qPrintable(frame));
    QCOMPARE(t.sim.snapshot().value("GEOFE"), fences);

    // Writing the fence whose latitude was emptied is refused too, by the
    // tool or by the device, and the user is told.
    const int shown = int(t.recorder.shown.size());
    w.pushButton_geo_fence_1_1->click();
    QTRY_VERIFY_WITH_TIMEOUT(t.recorder.shown.size() > shown, 15000);
    QCOMPARE(t.sim.snapshot().value("GEOFE"), fences);
}

void ReportGeoFenceTest::xaDeviceShowsItsTypesAndForbiddenZone()
{
    WindowUnderTest t;
    QJsonObject state = deviceState(QStringLiteral("T47_XA_V1.05"));
    state["RPT"]
        = QJsonArray {row("+4930111222", "1", "16", "255"), row("+4930111223", "2", "32", "4"),
            row("", "1", "36", "1"), row("", "1", "11", "255"), row("", "1", "0", "255")};
    state["CFG"] = QJsonObject {{"FORBID", "1"}};
    QVERIFY2(t.startWithState(state), qPrintable(t.sim.errorString()));
    QVERIFY(t.openAndRead());
    Velomi &w = *t.window;

    const QStringList xaList
        = {"Speech", "SIA-CID Over IP", "CSV Over IP", "SMS Text", "SMS MPTP", "SMS PASOS"};
    QCOMPARE(ReportCodec::typeNames(w.session()->model()), xaList);
    for (int r = 1; r <= 5; ++r)
        QCOMPARE(itemsOf(t.find<QComboBox>(name("comboBox_rpt_type_%1", r))), xaList);
    QString mismatch = pagesMismatch(t, t.sim.snapshot());
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));

    for (QWidget *shown :
        {static_cast<QWidget *>(w.line_forbidden), static_cast<QWidget *>(w.label_forbidden_zone),
            static_cast<QWidget *>(w.comboBox_forbidden_zone),
            static_cast<QWidget *>(w.pushButtonSet_forbidden_zone)})
        QVERIFY2(!shown->isHidden(), qPrintable(shown->objectName()));
    QCOMPARE(w.comboBox_forbidden_zone->currentIndex(), 1);
    QCOMPARE(w.label_GF_1->text(), QStringLiteral("Forbidden-zone:"));

    w.comboBox_forbidden_zone->setCurrentIndex(0);
    w.pushButtonSet_forbidden_zone->click();
    // The acknowledgement changes the captions and shows no box.
    QTRY_COMPARE_WITH_TIMEOUT(w.label_GF_3->text(), QStringLiteral("Geo-fence:"), 15000);
    w.comboBox_rpt_type_1->setCurrentText(QStringLiteral("SMS MPTP"));
    w.pushButtonSet_rpt->click();
    QVERIFY(t.waitFor(QStringLiteral("Write command success!  ")));
    QVERIFY2(t.recorder.shown.size() == 2, qPrintable(t.recorder.texts().join(" | ")));

    const QJsonObject after = t.sim.snapshot();
    QCOMPARE(after.value("CFG").toObject().value("FORBID").toString(), QStringLiteral("0"));
    QCOMPARE(after.value("RPT").toArray().at(0).toArray().at(2).toString(), QStringLiteral("32"));

    QVERIFY(t.newWindow());
    QVERIFY(t.openAndRead());
    QCOMPARE(t.window->comboBox_forbidden_zone->currentIndex(), 0);
    QCOMPARE(t.window->label_GF_1->text(), QStringLiteral("Geo-fence:"));
    mismatch = pagesMismatch(t, after);
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
}

QTEST_MAIN(ReportGeoFenceTest)
#include "tst_reportgeofence.moc"
