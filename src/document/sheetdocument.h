#pragma once
// The configuration sheet (ConfigSheet's HTML) on paper and on disk: A4 with
// the sheet's margins, printed or written as PDF, or written as HTML. The
// window and velomi-cli write it the same way.
#include <QString>

class QPagedPaintDevice;

namespace SheetDocument {

// The page a PDF or print of the sheet has around its text, on A4.
inline constexpr double PageMarginMm = 15;

void layOutPage(QPagedPaintDevice &device);
// Lays `html` out on `device`'s pages (a printer or a PDF writer).
void print(const QString &html, QPagedPaintDevice &device);
// Writes the sheet to `path` as its suffix says (ConfigSheet::formatOf),
// whole or not at all. Empty when written, else the system's reason.
QString save(const QString &path, const QString &html, const QString &creator);

} // namespace SheetDocument
