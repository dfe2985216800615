// The generated main-window form: every widget the window code, the codecs
// and the profile files name must exist with its kind, page, items, initial
// selection, texts and limits; and the pages must fit the minimum window.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTextEdit>

#include <memory>

#include "app/formsheetbuilder.h"
#include "formcatalogue.h"
#include "ui_zaroraz.h"

namespace {

using namespace FormCatalogue;

struct Form
{
    QMainWindow window;
    Ui::ZAROraz ui;
    Form() { ui.setupUi(&window); }
};

} // namespace

class FormTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void window();
    void resources_data();
    void resources();
    void helpMenuHoldsOnlyAbout();
    void pages();
    void focusOrder();

    void catalogue_data();
    void catalogue();
    void namesAreUnique();

    void combos_data();
    void combos();
    void onlyThePortSelectorIsEditable();
    void inputLimits_data();
    void inputLimits();
    void onlyTheChecksumIsReadOnly();
    void fixedTexts_data();
    void fixedTexts();
    void captionsOnPages_data();
    void captionsOnPages();
    void everyPageFieldIsNamed();

    void geoFenceStacks_data();
    void geoFenceStacks();
    void reportGroupsAreExclusivePerRow();
    void deviceTable();
    void everyPageFitsTheMinimumWindow();

private:
    std::unique_ptr<Form> form_; // shared by the read-only checks
};

void FormTest::initTestCase()
{
    Q_INIT_RESOURCE(images); // before setupUi: the window icon comes from it
    form_ = std::make_unique<Form>();
}

void FormTest::window()
{
    QMainWindow &w = form_->window;
    QCOMPARE(w.objectName(), QStringLiteral("ZAROraz"));
    QCOMPARE(w.size(), QSize(1050, 868));
    QCOMPARE(w.minimumSize(), QSize(1050, 868));
    QCOMPARE(w.maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    QVERIFY(!w.isModal());
    QVERIFY(!w.windowIcon().availableSizes().isEmpty());
    QVERIFY(!w.windowIcon().pixmap(32).isNull());
    QCOMPARE(w.centralWidget(), form_->ui.centralwidget);
}

void FormTest::resources_data()
{
    QTest::addColumn<QString>("path");
    for (const char *name : {"connection", "help", "checkBox_yes", "checkBox_no"})
        QTest::newRow(name) << QStringLiteral(":/images/%1.png").arg(name);
}

void FormTest::resources()
{
    QFETCH(QString, path);
    const QPixmap pixmap(path);
    QVERIFY2(!pixmap.isNull(), qPrintable(path));
    QVERIFY(pixmap.width() >= 32 && pixmap.height() >= 32);
}

void FormTest::helpMenuHoldsOnlyAbout()
{
    const Ui::ZAROraz &ui = form_->ui;
    QCOMPARE(form_->window.menuBar(), ui.menuBar);
    QCOMPARE(ui.menuBar->actions(), QList<QAction *> {ui.menuHelp->menuAction()});
    QCOMPARE(ui.menuHelp->title(), QStringLiteral("Help"));
    QCOMPARE(ui.menuHelp->actions(), QList<QAction *> {ui.actionAbout});
    QCOMPARE(ui.actionAbout->text(), QStringLiteral("&About"));
    QVERIFY(!ui.actionAbout->icon().isNull());
}

void FormTest::pages()
{
    const QList<QPair<QString, QString>> expected = {
        {"tab_information", "Information"},
        {"tab_zaroraz", "SMS Program"},
        {"tab_apn", "APN"},
        {"tab_mobility", "Mobility"},
        {"tab_report", "Report"},
        {"tab_2", "Report2"},
        {"tab_geofe", "Geo-fence"},
        {"tab_setting", "Settings"},
        {"tab", "Settings2"},
        {"tab_device", "Device"},
        {"tab_system", "Misc."},
        {"tab_update", "Firmware"},
    };
    const QTabWidget *tabs = form_->ui.tabWidget_velomi;
    QCOMPARE(tabs->count(), expected.size());
    for (int i = 0; i < expected.size(); ++i) {
        QCOMPARE(tabs->widget(i)->objectName(), expected[i].first);
        QCOMPARE(tabs->tabText(i), expected[i].second);
    }
    QCOMPARE(tabs->currentIndex(), 1);
    QCOMPARE(tabs->tabPosition(), QTabWidget::North);
    QVERIFY(!tabs->isMovable());
    QVERIFY(tabs->isEnabled());
}

void FormTest::focusOrder()
{
    const QStringList expected = {"comboBoxPortName", "comboBoxBaudRate", "comboBoxDataBits",
        "comboBoxParity", "comboBoxStopBits", "comboBoxFlowControl", "pushButtonOpen",
        "pushButtonClose", "textEditReceive"};
    // Walk the focus chain once round and keep the widgets of the list.
    QWidget *first = form_->ui.comboBoxPortName;
    QStringList seen;
    QWidget *w = first;
    do {
        if (expected.contains(w->objectName()) && !seen.contains(w->objectName()))
            seen << w->objectName();
        w = w->nextInFocusChain();
    } while (w && w != first);
    QCOMPARE(seen, expected);
}

void FormTest::catalogue_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("page");
    for (const Expected &e : FormCatalogue::widgets())
        QTest::newRow(qPrintable(e.name)) << e.name << QString::fromLatin1(e.kind) << e.page;
}

void FormTest::catalogue()
{
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(QString, page);
    QObject *object = form_->window.findChild<QObject *>(name);
    QVERIFY2(object, "missing");
    QVERIFY2(object->inherits(qPrintable(kind)), object->metaObject()->className());
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return;
    QTabWidget *tabs = form_->ui.tabWidget_velomi;
    if (page.isEmpty()) {
        QVERIFY(widget == tabs || !tabs->isAncestorOf(widget));
    } else {
        QWidget *pageWidget = tabs->findChild<QWidget *>(page);
        QVERIFY(pageWidget && tabs->indexOf(pageWidget) >= 0);
        QVERIFY2(pageWidget->isAncestorOf(widget), "on another page");
    }
}

void FormTest::namesAreUnique()
{
    QMap<QString, int> counts;
    for (const QObject *o : form_->window.findChildren<QObject *>()) {
        if (!o->objectName().isEmpty() && !o->objectName().startsWith("qt_"))
            ++counts[o->objectName()];
    }
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        QVERIFY2(it.value() == 1, qPrintable(it.key()));
}

void FormTest::combos_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<int>("index");
    for (const ComboRow &row : FormCatalogue::comboRows())
        QTest::newRow(row.tag) << row.names << row.items << row.index;
}

void FormTest::combos()
{
    QFETCH(QStringList, names);
    QFETCH(QStringList, items);
    QFETCH(int, index);
    for (const QString &name : names) {
        const auto *box = form_->window.findChild<QComboBox *>(name);
        QVERIFY2(box, qPrintable(name));
        QStringList actual;
        for (int i = 0; i < box->count(); ++i)
            actual << box->itemText(i);
        QCOMPARE(actual, items);
        QVERIFY2(box->currentIndex() == index, qPrintable(name));
    }
}

void FormTest::onlyThePortSelectorIsEditable()
{
    // Users may type a device path that the port list does not offer.
    for (const QComboBox *box : form_->window.findChildren<QComboBox *>())
        QVERIFY2(box->isEditable() == (box == form_->ui.comboBoxPortName),
            qPrintable(box->objectName()));
}

void FormTest::inputLimits_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("maxLength");
    for (const auto &[names, limit] : FormCatalogue::inputLimits())
        for (const QString &name : names)
            QTest::newRow(qPrintable(name)) << name << limit;
}

void FormTest::inputLimits()
{
    QFETCH(QString, name);
    QFETCH(int, maxLength);
    const auto *edit = form_->window.findChild<QLineEdit *>(name);
    QVERIFY(edit);
    QCOMPARE(edit->maxLength(), maxLength);
}

void FormTest::onlyTheChecksumIsReadOnly()
{
    for (const QLineEdit *edit : form_->ui.tabWidget_velomi->findChildren<QLineEdit *>())
        QVERIFY2(edit->isReadOnly() == (edit == form_->ui.lineEdit_CRC_input),
            qPrintable(edit->objectName()));
}

void FormTest::fixedTexts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    for (const auto &[names, text] : FormCatalogue::fixedTexts())
        for (const QString &name : names)
            QTest::newRow(qPrintable(name)) << name << text;
}

void FormTest::fixedTexts()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    const QObject *object = form_->window.findChild<QObject *>(name);
    QVERIFY(object);
    QCOMPARE(object->property("text").toString(), text);
}

void FormTest::captionsOnPages_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("caption");
    for (const auto &[page, texts] : FormCatalogue::pageCaptions())
        for (const QString &text : texts)
            QTest::newRow(qPrintable(page + ": " + QString(text).replace('\n', "\\n")))
                << page << text;
}

void FormTest::captionsOnPages()
{
    QFETCH(QString, page);
    QFETCH(QString, caption);
    const auto *pageWidget = form_->ui.tabWidget_velomi->findChild<QWidget *>(page);
    QVERIFY(pageWidget);
    const QList<QLabel *> labels = pageWidget->findChildren<QLabel *>();
    QVERIFY(std::any_of(
        labels.cbegin(), labels.cend(), [&](const QLabel *l) { return l->text() == caption; }));
}

void FormTest::everyPageFieldIsNamed()
{
    // Screen readers, Compare with profile and the command line name a
    // setting by its buddy label, its own text or its accessible name; two
    // settings of a page with one caption cannot be told apart there.
    QTabWidget *tabs = form_->ui.tabWidget_velomi;
    QSet<const QWidget *> buddies;
    for (const QLabel *label : tabs->findChildren<QLabel *>())
        buddies.insert(label->buddy());
    const FormSheet sheet = FormSheetBuilder::build(tabs, FormSheetBuilder::pageTitles(tabs));
    QSet<QString> captions;
    for (const FormSheet::Field &field : sheet.fields()) {
        const auto *widget = tabs->findChild<QWidget *>(field.name);
        const auto *button = qobject_cast<const QAbstractButton *>(widget);
        QVERIFY2(buddies.contains(widget) || !widget->accessibleName().isEmpty()
                || (button && !button->text().isEmpty()),
            qPrintable(field.name + " has no name"));
        const QString caption = field.page + " / " + field.caption;
        QVERIFY2(!captions.contains(caption), qPrintable(field.name + ": " + caption + " twice"));
        captions.insert(caption);
    }
}

void FormTest::geoFenceStacks_data()
{
    QTest::addColumn<int>("fence");
    for (int n = 1; n <= 3; ++n)
        QTest::newRow(qPrintable(QStringLiteral("fence %1").arg(n))) << n;
}

void FormTest::geoFenceStacks()
{
    // The type selector's index is the page: 0 delete, 1 circle, 2 polygon.
    QFETCH(int, fence);
    const QString n = QString::number(fence);
    const auto *stack = form_->window.findChild<QStackedWidget *>("stackedWidget_G" + n);
    QVERIFY(stack);
    QCOMPARE(stack->count(), 3);
    QCOMPARE(stack->currentIndex(), 2);
    const QList<QStringList> pages = {
        {"pushButton_geo_fence_%1_0"},
        {"lineEdit_lat_%1_0", "lineEdit_long_%1_0", "lineEdit_radius_%1_0",
            "checkBox_geo_fence_%1_1", "pushButton_geo_fence_%1_1"},
        QStringList {
            "comboBox_geo_vertex_%1_0", "checkBox_geo_fence_%1_2", "pushButton_geo_fence_%1_2"}
            + range("lineEdit_lat_%2_%1", 1, 4) + range("lineEdit_long_%2_%1", 1, 4),
    };
    for (int page = 0; page < pages.size(); ++page) {
        for (const QString &pattern : pages[page]) {
            const QString name = QString(pattern).replace("%1", n).replace("%2", n);
            const auto *widget = stack->findChild<QWidget *>(name);
            QVERIFY2(widget && stack->widget(page)->isAncestorOf(widget), qPrintable(name));
        }
    }
}

void FormTest::reportGroupsAreExclusivePerRow()
{
    Form form;
    auto radio = [&](int row, int group) {
        return form.window.findChild<QRadioButton *>(
            QStringLiteral("radioButton_rpt_group_%1_%2").arg(row).arg(group));
    };
    for (int row = 1; row <= 5; ++row)
        for (int group = 1; group <= 5; ++group)
            QCOMPARE(radio(row, group)->parentWidget()->objectName(),
                QStringLiteral("groupBox_r%1").arg(row));
    radio(1, 2)->setChecked(true);
    radio(2, 3)->setChecked(true);
    radio(1, 4)->setChecked(true);
    QVERIFY(!radio(1, 2)->isChecked());
    QVERIFY(radio(1, 4)->isChecked());
    QVERIFY(radio(2, 3)->isChecked());
}

void FormTest::deviceTable()
{
    const QTableWidget *table = form_->ui.tableWidget_dev;
    QCOMPARE(table->columnCount(), 2);
    QCOMPARE(table->horizontalHeaderItem(0)->text(), QStringLiteral("Zone"));
    QCOMPARE(table->horizontalHeaderItem(1)->text(), QStringLiteral("Device Type"));
    QCOMPARE(table->editTriggers(), QAbstractItemView::NoEditTriggers);
    QCOMPARE(table->horizontalHeader()->defaultSectionSize(), 130);
}

void FormTest::everyPageFitsTheMinimumWindow()
{
    // On every page (and every page of the fence stacks) the laid-out widgets
    // stay inside their parent and do not cover one another at 1050 x 868.
    Form form;
    form.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form.window));
    const QSize hint = form.window.minimumSizeHint();
    QVERIFY2(hint.width() <= 1050 && hint.height() <= 868,
        qPrintable(QStringLiteral("%1 x %2").arg(hint.width()).arg(hint.height())));
    QTabWidget *tabs = form.ui.tabWidget_velomi;
    const QList<QStackedWidget *> stacks
        = {form.ui.stackedWidget_G1, form.ui.stackedWidget_G2, form.ui.stackedWidget_G3};
    for (int tab = 0; tab < tabs->count(); ++tab) {
        tabs->setCurrentIndex(tab);
        for (int page = 0; page < 3; ++page) {
            for (QStackedWidget *stack : stacks)
                stack->setCurrentIndex(page);
            QCoreApplication::processEvents();
            for (const QLayout *layout : form.ui.centralwidget->findChildren<QLayout *>()) {
                const QWidget *owner = layout->parentWidget();
                if (!owner || !owner->isVisible())
                    continue;
                QList<QPair<QString, QRect>> placed;
                for (int i = 0; i < layout->count(); ++i) {
                    QLayoutItem *item = layout->itemAt(i);
                    if (item->widget() && item->widget()->isVisible())
                        placed.append({item->widget()->objectName(), item->widget()->geometry()});
                    else if (item->layout())
                        placed.append({item->layout()->objectName(), item->geometry()});
                }
                for (int i = 0; i < placed.size(); ++i) {
                    QVERIFY2(owner->rect().contains(placed[i].second),
                        qPrintable(placed[i].first + " sticks out of " + owner->objectName()));
                    for (int j = i + 1; j < placed.size(); ++j)
                        QVERIFY2(!placed[i].second.intersects(placed[j].second),
                            qPrintable(placed[i].first + " covers " + placed[j].first));
                }
            }
        }
    }
    tabs->setCurrentWidget(form.ui.tab_setting);
    QCoreApplication::processEvents();
    QVERIFY(!form.ui.scrollArea_setting->verticalScrollBar()->isVisible());
    QVERIFY(!form.ui.scrollArea_setting->horizontalScrollBar()->isVisible());
}

QTEST_MAIN(FormTest)
#include "tst_form.moc"
