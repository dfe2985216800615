// The window as it comes up: title, pages, selectors, what is hidden and
// disabled, the status texts, and the window settings it restores and keeps.
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "app/messages.h"
#include "app/velomi.h"
#include "serial/manageserialport.h"
#include "session/session.h"

class WindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void titleAndPages();
    void statusAndControlsAtStart();
    void selectorsAtStart();
    void visibilityAtStart_data();
    void visibilityAtStart();
    void geoFenceEditorsAtStart();
    void geoFenceDisableBoxesReachEveryInputAndHint();
    void aboutBox();
    void logPaneKeepsTheNewestParagraphs();
    void logPaneShowsTheDeviceTextAsItCameAndItsEnd();

    void emptyStoreGivesTheDefaults();
    void placeIsRestoredAndKept();
    void storedPortBeyondTheList();

private:
    std::unique_ptr<Velomi> newWindow(const QString &port = {});
    static void store(const QVariantMap &values);
    static QVariant stored(const QString &key);

    QTemporaryDir dir_;
    Messages::Recorder recorder_;
    std::unique_ptr<Velomi> shared_; // for checks that only look
    int windows_ = 0;
};

void WindowTest::initTestCase()
{
    QVERIFY(dir_.isValid());
    Messages::setRecorder(&recorder_);
}

void WindowTest::init()
{
    QSettings(QStringLiteral("Calvorn"), QStringLiteral("Velomi")).clear();
    recorder_.shown.clear();
}

void WindowTest::cleanupTestCase()
{
    shared_.reset();
    Messages::setRecorder(nullptr);
}

// Each window gets a profile folder of its own, so every one is a first start.
std::unique_ptr<Velomi> WindowTest::newWindow(const QString &port)
{
    Velomi::Options options;
    options.port = port;
    options.profileDir = dir_.filePath(QStringLiteral("Profile%1").arg(++windows_));
    return std::make_unique<Velomi>(options);
}

void WindowTest::store(const QVariantMap &values)
{
    QSettings settings(QStringLiteral("Calvorn"), QStringLiteral("Velomi"));
    settings.beginGroup(QStringLiteral("Velomi"));
    for (auto it = values.begin(); it != values.end(); ++it)
        settings.setValue(it.key(), it.value());
}

QVariant WindowTest::stored(const QString &key)
{
    QSettings settings(QStringLiteral("Calvorn"), QStringLiteral("Velomi"));
    return settings.value(QStringLiteral("Velomi/") + key);
}

void WindowTest::titleAndPages()
{
    const auto w = newWindow();
    QCOMPARE(w->windowTitle(), QStringLiteral("Velomi Tool(T9_W5, T47, T41, T68) V0.38"));
    QCOMPARE(w->menuHelp->title(), QStringLiteral("&Help"));

    const QStringList titles
        = {"SMS Program", "APN", "Report", "Geo-fence", "Settings", "Device", "Misc.", "Firmware"};
    QTabWidget *tabs = w->tabWidget_velomi;
    QStringList shown;
    for (int i = 0; i < tabs->count(); ++i)
        shown << tabs->tabText(i);
    QCOMPARE(shown, titles);
    QCOMPARE(tabs->currentWidget(), w->tab_zaroraz);
    for (QWidget *removed : {w->tab_information, w->tab_mobility, w->tab_2, w->tab})
        QCOMPARE(tabs->indexOf(removed), -1);

    // Locked until the first read succeeds.
    QVERIFY(!tabs->isEnabled());
    QVERIFY(!w->pushButtonSet_apn->isEnabled());
    QVERIFY(!w->pushButton_getFile->isEnabled());
}

void WindowTest::statusAndControlsAtStart()
{
    const auto w = newWindow();
    QCOMPARE(w->label_command->text(), QStringLiteral("ComPort: Disconnect ..."));
    QCOMPARE(w->label_current_stat->text(), QString());
    QCOMPARE(w->label_result->text(), QString());
    QCOMPARE(w->progressBar->value(), 0);
    QVERIFY(!w->progressBar->isEnabled());
    QVERIFY(w->pushButtonOpen->isEnabled());
    QVERIFY(w->pushButtonClose->isEnabled()); // as the form leaves it
    QVERIFY(w->widget_Com->isEnabled());
    QVERIFY(w->widget_phone->isEnabled());
    QVERIFY(!w->pushButton_saveProfile->isEnabled());
    QVERIFY(!w->pushButton_sendData->isEnabled());
    QVERIFY(!w->pushButton_stop->isEnabled());

    QVERIFY(!w->serialManager()->isPortOpen());
    QCOMPARE(w->session()->pendingCommand(), Session::Command::None);
    QVERIFY(!w->session()->isBusy());
    QVERIFY(!w->session()->isCountingDown());
    QVERIFY(!w->session()->isUpgrading());
    // A first start creates the default profile instead of complaining.
    QCOMPARE(recorder_.texts(), QStringList());
}

void WindowTest::selectorsAtStart()
{
    const auto w = newWindow();
    QCOMPARE(w->comboBox_update_timer->currentText(), QStringLiteral("100"));
    QCOMPARE(w->comboBox_panelType->currentText(), QStringLiteral("Velomi"));
    QCOMPARE(w->module(), 0);
    QCOMPARE(w->comboBox_profile->currentText(), QStringLiteral("Default"));

    for (int row = 1; row <= 5; ++row) {
        const auto *type
            = w->findChild<QComboBox *>(QStringLiteral("comboBox_rpt_type_%1").arg(row));
        QVERIFY(type);
        QVERIFY2(type->count() > 0, "the type list is loaded at start");
        QCOMPARE(type->currentIndex(), 0); // the default profile holds a choice
        QVERIFY(!type->isEnabled());
        const auto *event
            = w->findChild<QComboBox *>(QStringLiteral("comboBox_rpt_event_%1").arg(row));
        QCOMPARE(event->count(), 3);
        QCOMPARE(event->itemText(2), QStringLiteral("Status"));
    }
    QStringList answerItems;
    for (int i = 0; i < w->comboBox_ansin_onoff->count(); ++i)
        answerItems << w->comboBox_ansin_onoff->itemText(i);
    QCOMPARE(answerItems, (QStringList {"Off", "Enable(Ring)", "Enable(Auto-Answer)"}));

    // The fixed port parameters: one entry each, the serial setting as data.
    const struct
    {
        QComboBox *box;
        const char *text;
        int data;
    } parameters[] = {
        {w->comboBoxBaudRate, "115200", QSerialPort::Baud115200},
        {w->comboBoxDataBits, "8", QSerialPort::Data8},
        {w->comboBoxParity, "None", QSerialPort::NoParity},
        {w->comboBoxStopBits, "1", QSerialPort::OneStop},
        {w->comboBoxFlowControl, "None", QSerialPort::NoFlowControl},
    };
    for (const auto &p : parameters) {
        QCOMPARE(p.box->count(), 1);
        QCOMPARE(p.box->currentIndex(), 0);
        QCOMPARE(p.box->currentText(), QString::fromLatin1(p.text));
        QCOMPARE(p.box->currentData().toInt(), p.data);
    }
}

void WindowTest::visibilityAtStart_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<bool>("visible");
    const auto numbered = [](const char *pattern, int from, int to) {
        QStringList names;
        for (int i = from; i <= to; ++i)
            names << QString::fromLatin1(pattern).arg(i);
        return names;
    };
    QTest::newRow("firmware controls hidden") << QStringList {"label_update_time",
        "label_sec_total", "pushButton_xupgrade", "label_index", "pushButton_sendData",
        "pushButton_stop", "label_fw_file_length", "lineEdit_fw_file_length",
        "label_total_upgrade_error", "lineEdit_total_upgrade_error"}
                                              << false;
    QTest::newRow("firmware button shown") << QStringList {"pushButton_getFile"} << true;
    QTest::newRow("default profile buttons hidden")
        << QStringList {"pushButton_save_default_Pconfig", "pushButton_load_default_Pconfig"}
        << false;
    QTest::newRow("follow-on options hidden")
        << QStringList {"label_follow_on"} + numbered("comboBox_rpt_option_%1", 1, 6) << false;
    QTest::newRow("XML and GSM on/off groups hidden") << QStringList {"label_XML_function",
        "label_XML_user", "lineEdit_XML_user", "label_XML_password", "lineEdit_XML_password",
        "pushButton_XML_function", "label_gsm_on_off_function", "comboBox_gsm_on_off_function",
        "pushButton_gsm_on_off_function", "label_gsm_on_off_function2",
        "comboBox_gsm_on_off_function2", "pushButton_gsm_on_off_function2"}
                                                      << false;
    QTest::newRow("RF-GPS group hidden") << QStringList {"line_rf_gps", "label_rf_gps_ignore",
        "comboBox_rf_gps_ignore", "label_rf_gps_action", "comboBox_rf_gps_action",
        "pushButtonSet_rf_gps"} << false;
    // The panel-type handler hides AGPS, a later step shows it again.
    QTest::newRow("AGPS shown") << QStringList {"label_agps", "comboBox_geotr_agps"} << true;
    QTest::newRow("geo-alert group shown") << QStringList {"label_Geo_Alert", "label_gegps_period",
        "comboBox_ge_gps_period", "label_gegps_interval", "comboBox_ge_gps_interval",
        "pushButtonSet_ge_gps", "line_callerID", "line_gsm_on_off_function2"}
                                           << true;
    QTest::newRow("single voice prompt shown")
        << QStringList {"label_voice_prompt", "comboBox_voice_prompt"} << true;
    QTest::newRow("voice prompt types hidden")
        << QStringList {"label_voice_prompt_ZO"} + numbered("checkBox_voicePrompt_%1", 1, 4)
        << false;
    QTest::newRow("model-specific settings hidden") << QStringList {"label_GPS_tracker_report",
        "comboBox_GPS_tracker_report", "label_reportPriority", "comboBox_reportPriority",
        "label_continuous_GPS_positioning", "comboBox_continuous_GPS_positioning",
        "label_gsm_shutdown", "comboBox_gsm_shutdown", "label_cell_locate",
        "comboBox_geotr_celllocate", "label_two_way_volume_level", "comboBox_two_way_volume_level",
        "label_supervision_timer", "comboBox_supervision_timer", "label_rd_sleep_mode",
        "comboBox_rd_sleep_mode", "label_language", "comboBox_language", "label_fall_detection",
        "comboBox_fall_detection", "label_mobile_fall_sensor_sensitivity",
        "comboBox_mobile_fall_sensor_sensitivity"} << false;
    QTest::newRow("forbidden zone hidden") << QStringList {"line_forbidden", "label_forbidden_zone",
        "comboBox_forbidden_zone", "pushButtonSet_forbidden_zone"}
                                           << false;
    QTest::newRow("debug shown") << QStringList {"comboBox_debug", "pushButton_debug"} << true;
    QTest::newRow("OMADM hidden") << QStringList {"pushButton_OMADM_start", "pushButton_OMADM_end"}
                                  << false;
}

void WindowTest::visibilityAtStart()
{
    QFETCH(QStringList, names);
    QFETCH(bool, visible);
    if (!shared_)
        shared_ = newWindow(); // one window for every row
    for (const QString &name : names) {
        const QWidget *widget = shared_->findChild<QWidget *>(name);
        QVERIFY2(widget, qPrintable(name));
        // Explicitly hidden or not: the page holding it need not be current.
        QVERIFY2(widget->isHidden() != visible, qPrintable(name));
    }
}

void WindowTest::geoFenceEditorsAtStart()
{
    const auto w = newWindow();
    for (int fence = 1; fence <= 3; ++fence) {
        const QString n = QString::number(fence);
        QCOMPARE(w->findChild<QComboBox *>("comboBox_geo_type_" + n + "_0")->currentIndex(), 0);
        QCOMPARE(w->findChild<QComboBox *>("comboBox_geo_vertex_" + n + "_0")->currentIndex(), 0);
        QCOMPARE(w->findChild<QStackedWidget *>("stackedWidget_G" + n)->currentIndex(), 0);
        for (int box = 1; box <= 2; ++box) {
            const auto *check = w->findChild<QCheckBox *>(
                QStringLiteral("checkBox_geo_fence_%1_%2").arg(fence).arg(box));
            QVERIFY(!check->isChecked());
        }
    }
}

// The inputs and labels of a fence page, as the form lays them out: the
// "Disable" box and the Write button are not among them.
static QList<QWidget *> fenceInputs(QWidget *page)
{
    QList<QWidget *> inputs;
    for (QWidget *widget : page->findChildren<QWidget *>())
        if (qobject_cast<QLabel *>(widget) || qobject_cast<QLineEdit *>(widget)
            || qobject_cast<QComboBox *>(widget))
            inputs << widget;
    return inputs;
}

// Names of the inputs whose enabled state is not `enabled`; the range hint
// labels ("-90 ~ 90" ...) must be among the inputs looked at.
static QStringList notFollowing(QWidget *page, bool enabled, const QStringList &expectedHints)
{
    QStringList wrong, hints;
    for (QWidget *input : fenceInputs(page)) {
        if (input->isEnabledTo(page) != enabled)
            wrong << input->objectName();
        if (auto *label = qobject_cast<QLabel *>(input); label && label->text().contains(" ~ "))
            hints << label->text();
    }
    for (const QString &hint : expectedHints)
        if (!hints.contains(hint))
            wrong << QStringLiteral("no \"%1\" label").arg(hint);
    return wrong;
}

void WindowTest::geoFenceDisableBoxesReachEveryInputAndHint()
{
    const QStringList coordinateHints = {"-90 ~ 90", "-180 ~ 180"};
    const QStringList circleHints = coordinateHints + QStringList {"200 ~ 10,000 Meters"};
    const auto w = newWindow();
    w->tabWidget_velomi->setEnabled(true); // as after a read
    for (int fence = 1; fence <= 3; ++fence) {
        const auto named = [&](const char *pattern) {
            return w->findChild<QWidget *>(QString::fromLatin1(pattern).arg(fence));
        };
        auto *type = qobject_cast<QComboBox *>(named("comboBox_geo_type_%1_0"));
        auto *stack = qobject_cast<QStackedWidget *>(named("stackedWidget_G%1"));
        type->setCurrentIndex(1);
        QWidget *circle = stack->currentWidget();
        auto *circleBox = qobject_cast<QCheckBox *>(named("checkBox_geo_fence_%1_1"));
        circleBox->click();
        QVERIFY2(notFollowing(circle, false, circleHints).isEmpty(),
            qPrintable(notFollowing(circle, false, circleHints).join(", ")));
        circleBox->click();
        QVERIFY2(notFollowing(circle, true, circleHints).isEmpty(),
            qPrintable(notFollowing(circle, true, circleHints).join(", ")));

        type->setCurrentIndex(2);
        qobject_cast<QComboBox *>(named("comboBox_geo_vertex_%1_0"))->setCurrentIndex(1);
        QWidget *polygon = stack->currentWidget();
        auto *polygonBox = qobject_cast<QCheckBox *>(named("checkBox_geo_fence_%1_2"));
        polygonBox->click();
        QVERIFY2(notFollowing(polygon, false, coordinateHints).isEmpty(),
            qPrintable(notFollowing(polygon, false, coordinateHints).join(", ")));
        polygonBox->click();
        QVERIFY2(notFollowing(polygon, true, coordinateHints).isEmpty(),
            qPrintable(notFollowing(polygon, true, coordinateHints).join(", ")));
    }
}

void WindowTest::aboutBox()
{
    const auto w = newWindow();
    w->actionAbout->trigger();
    QCOMPARE(recorder_.shown.size(), 1);
    const Notice &about = recorder_.shown.first();
    QCOMPARE(about.kind, Notice::Information);
    QCOMPARE(about.title, QStringLiteral("About"));
    QCOMPARE(about.text,
        QStringLiteral("<h3> Velomi PC Tool</h3>Velomi Tool(T9_W5, T47, T41, T68) V0.38"));
}

void WindowTest::logPaneKeepsTheNewestParagraphs()
{
    const auto w = newWindow();
    constexpr int Lines = 12000;
    for (int i = 0; i < Lines; ++i)
        emit w->session()->logLine(QStringLiteral("line %1\r\n").arg(i));
    // Lines reach the pane together, a moment later.
    const QString last = QStringLiteral("line %1").arg(Lines - 1);
    QTRY_VERIFY(w->textEditReceive->toPlainText().endsWith(last));
    QStringList kept = w->textEditReceive->toPlainText().split(QLatin1Char('\n'));
    QVERIFY2(kept.size() <= 5000 && kept.size() >= 4000, qPrintable(QString::number(kept.size())));
    // One line says how much went, then the newest ones, in order, none lost
    // in between.
    QVERIFY2(kept.takeFirst().contains(QStringLiteral("characters of older log dropped")),
        qPrintable(w->textEditReceive->toPlainText().left(100)));
    for (int i = 0; i < kept.size(); ++i)
        QCOMPARE(kept.at(i), QStringLiteral("line %1").arg(Lines - kept.size() + i));
}

void WindowTest::logPaneShowsTheDeviceTextAsItCameAndItsEnd()
{
    const auto w = newWindow();
    w->resize(800, 600);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    // Text that looks like markup is still the device's text.
    emit w->session()->logLine(QStringLiteral("<b>bold</b> &amp; <ERROR> KEYWD;\r\n"));
    for (int i = 0; i < 300; ++i)
        emit w->session()->logLine(QStringLiteral("line %1\r\n").arg(i));
    QTRY_VERIFY(w->textEditReceive->toPlainText().endsWith(QStringLiteral("line 299")));
    QVERIFY(w->textEditReceive->toPlainText().startsWith(
        QStringLiteral("<b>bold</b> &amp; <ERROR> KEYWD;\nline 0\n")));
    QScrollBar *scroll = w->textEditReceive->verticalScrollBar();
    QTRY_COMPARE(scroll->value(), scroll->maximum());

    // Scrolled back by the user, new lines bring the newest into view again.
    scroll->triggerAction(QAbstractSlider::SliderToMinimum);
    QCOMPARE(scroll->value(), 0);
    emit w->session()->logLine(QStringLiteral("newest\r\n"));
    QTRY_VERIFY(w->textEditReceive->toPlainText().endsWith(QStringLiteral("newest")));
    QTRY_COMPARE(scroll->value(), scroll->maximum());
    QVERIFY(scroll->maximum() > 0);
}

void WindowTest::emptyStoreGivesTheDefaults()
{
    const auto w = newWindow();
    QCOMPARE(w->pos(), QPoint(200, 200));
    // 400 x 400 is asked for; the window cannot become smaller than its minimum.
    QCOMPARE(w->size(), QSize(400, 400).expandedTo(w->minimumSize()));
    // The first port of the list, or none when the machine has no port.
    QCOMPARE(w->comboBoxPortName->currentIndex(), w->comboBoxPortName->count() > 0 ? 0 : -1);
}

void WindowTest::placeIsRestoredAndKept()
{
    store({{"size", QSize(1200, 900)}, {"pos", QPoint(30, 40)}, {"Port", 0}});
    auto w = newWindow(QStringLiteral("/dev/ttyVELOMITEST"));
    QCOMPARE(w->size(), QSize(1200, 900));
    QCOMPARE(w->pos(), QPoint(30, 40));

    // The panel-type handler writes the place and reads it straight back.
    w->resize(1300, 950);
    w->move(60, 70);
    w->on_comboBox_panelType_currentIndexChanged(0);
    QCOMPARE(w->size(), QSize(1300, 950));
    QCOMPARE(w->pos(), QPoint(60, 70));
    QCOMPARE(stored("size").toSize(), QSize(1300, 950));

    // Closing the window keeps where it was and which port was chosen.
    w->resize(1100, 880);
    w->move(5, 6);
    const int port = w->comboBoxPortName->findData(QStringLiteral("/dev/ttyVELOMITEST"));
    QVERIFY(port >= 0);
    QCOMPARE(w->comboBoxPortName->currentIndex(), port);
    w.reset();
    QCOMPARE(stored("size").toSize(), QSize(1100, 880));
    QCOMPARE(stored("pos").toPoint(), QPoint(5, 6));
    QCOMPARE(stored("Port").toInt(), port);
}

void WindowTest::storedPortBeyondTheList()
{
    store({{"Port", 9999}});
    const auto w = newWindow();
    QVERIFY(w->comboBoxPortName->count() < 9999);
    QCOMPARE(w->comboBoxPortName->currentIndex(), -1);
    QCOMPARE(w->comboBoxPortName->currentText(), QString());
}

QTEST_MAIN(WindowTest)
#include "tst_window.moc"
