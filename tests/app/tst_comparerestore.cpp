// A profile or backup file against the pages: "Compare with profile..."
// lists what differs and applies only the ticked lines, "Restore backup..."
// lists the backups newest first and loads the chosen one.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <memory>

#include "app/comparedialog.h"
#include "app/formbinder.h"
#include "app/messages.h"
#include "app/restorebackupdialog.h"
#include "app/velomi.h"
#include "profiles/profileformat.h"

class CompareRestoreTest : public QObject
{
    Q_OBJECT
    QTemporaryDir tmp;
    Messages::Recorder recorder;
    std::unique_ptr<Velomi> window;

    void openWindow()
    {
        Velomi::Options options;
        options.profileDir = tmp.filePath(QStringLiteral("Profile"));
        options.backupDir = tmp.filePath(QStringLiteral("backups"));
        window = std::make_unique<Velomi>(options);
        window->show();
    }
    // A file in the profile format holding the pages' values but `changes`.
    void writeFile(const QString &path, const FormValues &changes)
    {
        const FormBinder::Index pages(window->tabWidget_velomi);
        FormValues values = pages.collect();
        values.merge(changes);
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(ProfileFormat::write(pages.valueWidgets(), values));
    }
    static QStringList column(const QTreeWidget *tree, int column)
    {
        QStringList texts;
        for (int row = 0; row < tree->topLevelItemCount(); ++row)
            if (!tree->topLevelItem(row)->isHidden())
                texts << tree->topLevelItem(row)->text(column);
        return texts;
    }

private slots:
    void init()
    {
        recorder = Messages::Recorder();
        Messages::setRecorder(&recorder);
        openWindow();
    }
    void cleanup()
    {
        window.reset();
        Messages::setRecorder(nullptr);
    }

    void compareAppliesOnlyTheTickedLine()
    {
        QCOMPARE(window->comboBox_rf_gps_ignore->currentText(), QStringLiteral("Disable"));
        const QString keyword = window->lineEdit_keywd->text();
        const QString path = tmp.filePath(QStringLiteral("other/Velomi_site.txt"));
        FormValues changes;
        changes.setText(QStringLiteral("lineEdit_keywd"), QStringLiteral("OTHER"));
        changes.setIndex(QStringLiteral("comboBox_rf_gps_ignore"), 1);
        writeFile(path, changes);

        window->chooseCompareFile = [&] {
            return path;
        };
        window->compareWithProfileAction()->trigger();
        auto *dialog = window->findChild<CompareDialog *>();
        QVERIFY(dialog);
        QVERIFY(dialog->isVisible());
        QTreeWidget *tree = dialog->list()->tree();
        QCOMPARE(tree->topLevelItemCount(), 2);
        QStringList fileValues = column(tree, DifferenceList::FileColumn);
        fileValues.sort();
        QCOMPARE(fileValues, QStringList({"Enable", "OTHER"})); // the item text, not "1"

        const QList<QTreeWidgetItem *> keywordLine = tree->findItems(
            QStringLiteral("OTHER"), Qt::MatchExactly, DifferenceList::FileColumn);
        QCOMPARE(keywordLine.size(), 1);
        QCOMPARE(keywordLine.first()->text(DifferenceList::PagesColumn), keyword);
        keywordLine.first()->setCheckState(0, Qt::Checked);
        dialog->applyButton()->click();

        QCOMPARE(window->lineEdit_keywd->text(), QStringLiteral("OTHER"));
        QCOMPARE(window->comboBox_rf_gps_ignore->currentText(), QStringLiteral("Disable"));
        QVERIFY(recorder.shown.isEmpty());
    }

    void restoreListsNewestFirstAndLoads()
    {
        const QString dir = tmp.filePath(QStringLiteral("backups"));
        FormValues older, newer;
        older.setText(QStringLiteral("lineEdit_keywd"), QStringLiteral("OLDER"));
        newer.setText(QStringLiteral("lineEdit_keywd"), QStringLiteral("NEWER"));
        writeFile(dir + "/356938035643809_20260102-090000_factory-reset.txt", newer);
        writeFile(dir + "/356938035643809_20260101-080000_write-all.txt", older);
        // The sensor list beside a backup is none.
        writeFile(dir + "/356938035643809_20260103-100000_write-all.sensors.txt", older);

        window->restoreBackupAction()->trigger();
        auto *dialog = window->findChild<RestoreBackupDialog *>();
        QVERIFY(dialog);
        QVERIFY(dialog->isVisible());
        QCOMPARE(column(dialog->backupTree(), 2), QStringList({"Factory Reset", "write-all"}));
        QCOMPARE(column(dialog->backupTree(), 1).first(), QStringLiteral("356938035643809"));
        QCOMPARE(
            column(dialog->preview()->tree(), DifferenceList::FileColumn), QStringList({"NEWER"}));

        dialog->loadButton()->click();
        QCOMPARE(window->lineEdit_keywd->text(), QStringLiteral("NEWER"));
        QVERIFY(QFileInfo::exists(dir + "/356938035643809_20260101-080000_write-all.txt"));
        QVERIFY(recorder.shown.isEmpty());
    }
};

QTEST_MAIN(CompareRestoreTest)
#include "tst_comparerestore.moc"
