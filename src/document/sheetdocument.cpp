#include "document/sheetdocument.h"

#include <QMarginsF>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>

#include "profiles/configsheet.h"

void SheetDocument::layOutPage(QPagedPaintDevice &device)
{
    device.setPageSize(QPageSize(QPageSize::A4));
    device.setPageMargins(
        QMarginsF(PageMarginMm, PageMarginMm, PageMarginMm, PageMarginMm), QPageLayout::Millimeter);
}

void SheetDocument::print(const QString &html, QPagedPaintDevice &device)
{
    QTextDocument document;
    document.setHtml(html);
    document.print(&device);
}

QString SheetDocument::save(const QString &path, const QString &html, const QString &creator)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (ConfigSheet::formatOf(path) == ConfigSheet::Format::Pdf) {
        QPdfWriter writer(&file);
        layOutPage(writer);
        writer.setCreator(creator);
        QTextDocument document;
        document.setHtml(html);
        writer.setTitle(document.metaInformation(QTextDocument::DocumentTitle));
        document.print(&writer);
    } else {
        file.write(html.toUtf8());
    }
    return file.commit() ? QString() : file.errorString();
}
