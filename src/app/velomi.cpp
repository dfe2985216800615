#include "app/velomi.h"

#include <algorithm>

#include <QCloseEvent>
#include <QComboBox>
#include <QFileDialog>
#include <QSerialPort>
#include <QStatusBar>
#include <QTableWidgetItem>
#include <QTimer>

#include "app/addsensordialog.h"
#include "app/formbinder.h"
#include "app/logpane.h"
#include "app/messages.h"
#include "app/profiledialog.h"
#include "app/profilenamedialog.h"
#include "app/windowsettings.h"
#include "profiles/profilestore.h"
#include "protocol/modeldetect.h"
#include "protocol/reportcodec.h"
#include "protocol/settingscodec.h"
#include "protocol/widgetnames.h"
#include "serial/manageserialport.h"
#include "session/session.h"

Velomi::Velomi(const Options &options, QWidget *parent) : QMainWindow(parent), options_(options)
{
    // Dialogs first, then the form on the window.
    addSensorDialog_ = new AddSensorDialog(this);
    profileStore_ = new ProfileStore(ProfileStore::chooseDirectory(options.profileDir));
    // One store for the window and its dialogs: they all see the same folder.
    profileDialog_ = new ProfileDialog(*profileStore_, this);
    newProfileDialog_ = new ProfileNameDialog(ProfileNameDialog::NewProfile, *profileStore_, this);
    saveProfileAsDialog_
        = new ProfileNameDialog(ProfileNameDialog::SaveProfileAs, *profileStore_, this);

    setupForm();
    setWindowTitle(ToolTitle);
    menuHelp->setTitle(tr("&Help"));
    actionAbout->setIcon(QIcon(QStringLiteral(":/images/help.png")));
    logPane_ = new LogPane(textEditReceive, this);
    serialManager_ = new ManageSerialPort;
    session_ = new Session(serialManager_, this);
    connectSession();
    connectSafetyNet();
    setupMenus();
    setupLog();
    setupConfigSheet();
    setupUnwrittenEdits();
    setupLanguageMenu();
    setupReconnect();
    connect(serialManager_, &Link::linkLost, this, &Velomi::onLinkLost);

    refreshPortList();
    comboBoxPortName->setCurrentIndex(0);
    comboBoxPortName->installEventFilter(this);
    comboBoxBaudRate->addItem(QStringLiteral("115200"), QSerialPort::Baud115200);
    comboBoxDataBits->addItem(QStringLiteral("8"), int(QSerialPort::Data8));
    comboBoxParity->addItem(tr("None"), int(QSerialPort::NoParity));
    comboBoxStopBits->addItem(QStringLiteral("1"), int(QSerialPort::OneStop));
    comboBoxFlowControl->addItem(tr("None"), int(QSerialPort::NoFlowControl));

    connect(actionAbout, &QAction::triggered, this, &Velomi::about);
    connect(profileDialog_, &ProfileDialog::sendDeleteStr, this, &Velomi::refresh_profilecomboBox);
    connect(newProfileDialog_, &ProfileNameDialog::newProfileName, this, &Velomi::save_new_profile);
    connect(saveProfileAsDialog_, &ProfileNameDialog::saveProfileNameas, this,
        &Velomi::save_profile_as);
    connect(addSensorDialog_->okButton(), &QPushButton::clicked, this, &Velomi::slot_addsensor_ok);

    readSettings();
    if (!options_.port.isEmpty()) {
        const int i = comboBoxPortName->findData(options_.port);
        comboBoxPortName->setCurrentIndex(i);
    }

    label_command->setText(tr("ComPort: Disconnect ..."));
    label_current_stat->clear();
    label_result->clear();
    progressBar->setValue(0);
    progressBar->setEnabled(false);
    QMainWindow::statusBar()->setSizeGripEnabled(true);
    QMainWindow::statusBar()->insertPermanentWidget(0, widget_statusBar, 0);

    for (int row = 1; row <= WidgetNames::ReportRowCount; ++row) {
        auto *event = findChild<QComboBox *>(WidgetNames::reportEvent(row));
        event->clear();
        event->addItems({tr("All"), tr("Emergency"), tr("Status")});
    }
    loadReportTypes(ModelFlags {});
    comboBox_ansin_onoff->clear();
    comboBox_ansin_onoff->addItems({tr("Off"), tr("Enable(Ring)"), tr("Enable(Auto-Answer)")});
    // A new installation gets its Profile folder and default profile from
    // the form's own start values instead of two warnings; only now does
    // every selector have its items, so the default holds a choice for each.
    ensureDefaultProfile();

    connectGeoFenceFields();
    applyStartState();
}

Velomi::~Velomi()
{
    // The window is going: nothing may be shown from here. closeEvent asked
    // about a running upgrade and reported its end; should one still run (the
    // window destroyed without being closed), its end goes to the error output.
    session_->disconnect();
    connect(session_, &Session::noticeRaised,
        [](const Notice &notice) { qWarning("%s", qPrintable(notice.text)); });
    session_->portClosed();
    delete session_;
    session_ = nullptr;
    delete serialManager_; // closes the port after the worker has written what was queued
    serialManager_ = nullptr;
    writeSettings();
    delete profileStore_;
}

void Velomi::closeEvent(QCloseEvent *event)
{
    // A stopped upgrade can leave the device without working firmware: ask
    // first, keeping the window open unless the user insists, and report the
    // stopped upgrade while the window is still there.
    if (session_->isUpgrading()) {
        const bool stop = Messages::ask(this, ToolTitle,
            tr("A firmware upgrade is running. Closing now stops it, and the device may be "
               "left without working firmware.\n\nStop the upgrade and close?"),
            Messages::DefaultAnswer::No);
        if (!stop) {
            event->ignore();
            return;
        }
        if (session_->isUpgrading()) // it may have ended while the question was open
            on_pushButtonClose_clicked();
    }
    if (!letUnwrittenEditsGo(tr("Close the window anyway? The changes are lost."))) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

void Velomi::setWidgetsVisible(const QStringList &names, bool visible)
{
    WidgetStates states;
    for (const QString &name : names)
        states.insert(name, visible);
    windowIndex().setVisible(states);
}

// The constructor's remaining steps, in their order; the start layout comes
// last, so it decides what is shown whatever the steps before it did.
void Velomi::applyStartState()
{
    pushButton_sendData->setEnabled(false);
    pushButton_stop->setEnabled(false);

    comboBox_panelType->setCurrentIndex(0);
    on_comboBox_panelType_currentIndexChanged(0);

    const int defaultEntry = comboBox_profile->findText(ProfileStore::DefaultName);
    profileLoading_ = true;
    comboBox_profile->setCurrentIndex(defaultEntry);
    profileLoading_ = false;
    pushButton_saveProfile->setEnabled(false);
    if (defaultEntry < 0)
        Messages::information(this, tr("Cann't find default file!"), tr("Velomi Tool"));

    loadProfileFile(ProfileStore::DefaultName, true);

    removeTabByTitle(QStringLiteral("Mobility"));
    removeTabByTitle(QStringLiteral("Report2"));
    removeTabByTitle(QStringLiteral("Settings2"));

    for (int fence = 1; fence <= WidgetNames::FenceCount; ++fence) {
        findChild<QComboBox *>(WidgetNames::fenceType(fence))->setCurrentIndex(0);
        findChild<QComboBox *>(WidgetNames::fenceVertexCombo(fence))->setCurrentIndex(0);
        findChild<QStackedWidget *>(WidgetNames::fenceStack(fence))->setCurrentIndex(0);
    }
    comboBox_update_timer->setCurrentIndex(3);

    on_comboBox_rf_gps_ignore_currentIndexChanged(comboBox_rf_gps_ignore->currentIndex());

    for (int fence = 1; fence <= WidgetNames::FenceCount; ++fence) {
        findChild<QCheckBox *>(WidgetNames::fenceCircleDisable(fence))->setChecked(false);
        findChild<QCheckBox *>(WidgetNames::fencePolygonDisable(fence))->setChecked(false);
    }
    for (int fence = 1; fence <= WidgetNames::FenceCount; ++fence)
        refreshFenceEnabling(fence);
    for (const QString &name :
        WidgetNames::range(WidgetNames::reportType, 1, WidgetNames::ReportRowCount))
        findChild<QWidget *>(name)->setEnabled(false);

    tabWidget_velomi->setEnabled(false);

    tabWidget_velomi->removeTab(0); // Information: the read inserts it for the models that have it

    windowIndex().setVisible(startVisibility());
}

void Velomi::readSettings()
{
    WindowSettings settings;
    resize(settings.value(QStringLiteral("size"), QSize(400, 400)).toSize());
    move(settings.value(QStringLiteral("pos"), QPoint(200, 200)).toPoint());
    const int port = settings.value(QStringLiteral("Port"), 0).toInt();
    comboBoxPortName->setCurrentIndex(port >= 0 && port < comboBoxPortName->count() ? port : -1);
}

void Velomi::writeSettings()
{
    WindowSettings settings;
    settings.setValue(QStringLiteral("size"), size());
    settings.setValue(QStringLiteral("pos"), pos());
    settings.setValue(QStringLiteral("Port"), comboBoxPortName->currentIndex());
}

void Velomi::about()
{
    Messages::show(
        this, Notice::info(tr("<h3> Velomi PC Tool</h3>%1").arg(ToolTitle), tr("About")));
}

void Velomi::on_comboBox_panelType_currentIndexChanged(int index)
{
    module_ = index;
    writeSettings();
    readSettings();
    rebuildProfileList(false);
    if (index == 0 || index == 1)
        setWidgetsVisible({"label_agps", "comboBox_geotr_agps"}, false);
}

QString Velomi::moduleName() const { return ProfileStore::moduleName(module_); }

void Velomi::showInformation(const QString &text) { Messages::information(this, text); }

// `title` as the form has it in English: the tab shows its translation.
void Velomi::removeTabByTitle(const QString &title)
{
    const QString shown = QCoreApplication::translate("ZAROraz", title.toUtf8().constData());
    for (int i = 0; i < tabWidget_velomi->count(); ++i)
        if (tabWidget_velomi->tabText(i) == shown)
            tabWidget_velomi->removeTab(i);
}

const FormBinder::Index &Velomi::pageIndex() const
{
    if (!pageIndex_)
        pageIndex_ = std::make_unique<FormBinder::Index>(tabWidget_velomi);
    return *pageIndex_;
}

const FormBinder::Index &Velomi::windowIndex() const
{
    if (!windowIndex_)
        windowIndex_ = std::make_unique<FormBinder::Index>(const_cast<Velomi *>(this));
    return *windowIndex_;
}

FormValues Velomi::pageValues() const { return pageIndex().collect(); }

void Velomi::applyValues(const FormValues &values)
{
    windowIndex().apply(values);
    // Only a fence's own widgets change what its page enables; looking at
    // every page for every other answer delayed each command of a read.
    const QStringList names = values.names();
    if (std::any_of(names.cbegin(), names.cend(),
            [](const QString &name) { return name.contains(QLatin1String("_geo_")); })) {
        const FormValues page = pageValues();
        for (int fence = 1; fence <= WidgetNames::FenceCount; ++fence)
            refreshFenceEnabling(fence, page);
    }
    comboBox_rf_gps_action->setEnabled(
        SettingsCodec::rfGpsActionEnabled(comboBox_rf_gps_ignore->currentIndex()));
}

void Velomi::appendLog(const QString &text) { logPane_->append(text); }

void Velomi::loadReportTypes(const ModelFlags &model)
{
    const QStringList names = ReportCodec::typeNames(model);
    for (int row = 1; row <= WidgetNames::ReportRowCount; ++row) {
        auto *type = findChild<QComboBox *>(WidgetNames::reportType(row));
        QStringList current;
        for (int i = 0; i < type->count(); ++i)
            current << type->itemText(i);
        // Every read detects the model again; the same list need not be rebuilt.
        if (current != names) {
            for (int i = type->count() - 1; i >= 0; --i)
                type->removeItem(i);
            type->addItems(names);
        }
        type->setCurrentIndex(0);
    }
}
