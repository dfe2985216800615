#pragma once
// Which pages hold values the device does not have: each tab is compared
// with a baseline (the values as last read, or as last written) and marked
// with a dot in the palette's highlight colour while it differs. The titles
// stay as they are: pages are found by their titles. A page is compared
// again when one of its own widgets changes; while values arrive in bulk (a
// read) the comparison waits and runs once at the end.
#include <QList>
#include <QObject>
#include <QSet>
#include <QStringList>

#include <memory>

#include "protocol/formvalues.h"

class QTabWidget;
class QWidget;
namespace FormBinder {
class Index;
}

class UnwrittenEdits : public QObject
{
    Q_OBJECT
public:
    // Takes the pages the tab widget holds now; a page removed later and
    // inserted again keeps its place in the comparison.
    explicit UnwrittenEdits(QTabWidget *tabs);
    ~UnwrittenEdits() override;

    // A read runs: it names the values it decodes; edits wait for its end.
    void setReading(bool reading);
    void noteRead(const QStringList &names);
    // What the device holds now (a complete read): of `values`, what the
    // read decoded. Command inputs (a sensor's ID, the debug level) are no
    // settings of the device and are never marked.
    void setBaseline(const FormValues &values);
    // The device acknowledged these values (a write): they join the baseline.
    void acceptWritten(const FormValues &values);
    // Of `current`, the values that differ from the baseline.
    FormValues edits(const FormValues &current) const;
    // Nothing read on this connection: no page is marked.
    void clearBaseline();
    bool hasBaseline() const { return hasBaseline_; }

    // While suspended, edits are not compared; resuming compares every page.
    void setSuspended(bool suspended);

    // The titles of the tabs shown now whose values differ from the baseline.
    QStringList editedPages() const;

private:
    struct Page;
    void watch(Page &page);
    void refresh(Page &page);
    void refreshAll();
    int tabIndex(const Page &page) const;

    QTabWidget *tabs_;
    QList<std::shared_ptr<Page>> pages_;
    FormValues baseline_;
    bool hasBaseline_ = false;
    bool suspended_ = false;
    bool reading_ = false;
    QSet<QString> namesRead_; // by the last read
};
