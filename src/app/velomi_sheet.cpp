// The configuration sheet of the pages as they are: saved as PDF or HTML
// ("Export configuration sheet...") or printed ("Print..."). The document
// is ConfigSheet's, the one velomi-cli writes from a profile.
#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QStatusBar>

#include "app/formsheetbuilder.h"
#include "app/messages.h"
#include "app/velomi.h"
#include "document/sheetdocument.h"
#include "profiles/configsheet.h"
#include "session/session.h"

void Velomi::setupConfigSheet()
{
    exportSheetAction_ = addFileAction(tr("Export configuration sheet..."));
    exportSheetAction_->setObjectName(QStringLiteral("actionExportSheet"));
    connect(exportSheetAction_, &QAction::triggered, this, [this] {
        QString path;
        if (chooseSheetFile) {
            path = chooseSheetFile();
        } else {
            const QString pdf = tr("PDF (*.pdf)"), html = tr("HTML (*.html *.htm)");
            QString filter = pdf;
            path = QFileDialog::getSaveFileName(this, tr("Export configuration sheet"),
                QDir::home().filePath(QStringLiteral("configuration-sheet.pdf")),
                pdf + QStringLiteral(";;") + html, &filter);
            // A name typed without a suffix takes the chosen kind's.
            if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty())
                path += filter == html ? QStringLiteral(".html") : QStringLiteral(".pdf");
        }
        if (!path.isEmpty())
            exportConfigSheet(path);
    });
    printSheetAction_ = addFileAction(tr("Print..."));
    printSheetAction_->setObjectName(QStringLiteral("actionPrintSheet"));
    printSheetAction_->setShortcut(QKeySequence::Print);
    connect(printSheetAction_, &QAction::triggered, this, [this] {
        QPrinter printer(QPrinter::HighResolution);
        SheetDocument::layOutPage(printer);
        printer.setDocName(tr("Configuration sheet"));
        QPrintDialog dialog(&printer, this);
        if (dialog.exec() != QDialog::Accepted)
            return;
        SheetDocument::print(configSheetHtml(), printer);
    });
}

QString Velomi::configSheetHtml() const
{
    ConfigSheet::Header header;
    header.date = QDateTime::currentDateTime();
    if (hasReadConfiguration()) {
        header.device = session_->model().versionText.mid(1).trimmed();
        header.imei = deviceId_;
        header.sensorsKnown = true;
        header.sensors = listedSensors_;
    }
    // The pages the window shows now, in its order, and on them only the
    // settings the device's model shows.
    QStringList pages;
    for (int i = 0; i < tabWidget_velomi->count(); ++i)
        pages << pageTitles_.value(tabWidget_velomi->widget(i)->objectName());
    QSet<QString> hidden;
    for (const WidgetRef &ref : pageIndex().valueWidgets()) {
        const QWidget *widget = tabWidget_velomi->findChild<QWidget *>(ref.name);
        const QWidget *page = widget;
        while (page && !pageTitles_.contains(page->objectName()))
            page = page->parentWidget();
        if (widget && page && !widget->isVisibleTo(page))
            hidden << ref.name;
    }
    const FormSheet sheet = FormSheetBuilder::build(tabWidget_velomi, pageTitles_);
    return ConfigSheet::html(sheet, pages, pageValues(), header, hidden);
}

bool Velomi::exportConfigSheet(const QString &path)
{
    const QString title = tr("Export configuration sheet");
    const ConfigSheet::Format format = ConfigSheet::formatOf(path);
    if (format == ConfigSheet::Format::Unknown) {
        Messages::warning(this,
            tr("The configuration sheet is written as PDF (.pdf) or HTML (.html), not as %1.")
                .arg(QFileInfo(path).fileName()),
            title);
        return false;
    }
    // Whole or not at all: a failed write leaves no half sheet behind.
    const QString failure = SheetDocument::save(path, configSheetHtml(), windowTitle());
    if (!failure.isEmpty()) {
        Messages::warning(
            this, tr("Cannot write %1: %2").arg(QDir::toNativeSeparators(path), failure), title);
        return false;
    }
    QMainWindow::statusBar()->showMessage(
        tr("Configuration sheet written to %1").arg(QDir::toNativeSeparators(path)), 10000);
    return true;
}
