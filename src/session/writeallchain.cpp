#include "session/writeallchain.h"

#include <QCoreApplication>

#include "protocol/acknowledgement.h"
#include "protocol/answer.h"
#include "protocol/settingscodec.h"
#include "protocol/smscodec.h"

using Command = Session::Command;
using Next = WriteAllChain::Next;

// One row of a Write All branch: when the answer holds `ack` (and the
// report/fence step matches), show `progress` and send the `next` write.
struct WriteAllChain::Row
{
    const char *ack;
    int rptIndex; // rptWriteIndex the row applies to, Any for every value
    int fenceStep; // the fence step the row applies to, Any for every value
    int progress;
    Next next;
    int arg; // report row or fence number
};

namespace {
constexpr int Any = -1;
using Row = WriteAllChain::Row;

const Row BaseStationRows[] = {
    {"<OK> ACCES", Any, Any, 10, Next::Apn, 0},
    {"<OK> APN", Any, Any, 10, Next::Report, 1},
    {"<OK> RPT", 1, Any, 20, Next::Report, 2},
    {"<OK> RPT", 2, Any, 30, Next::Report, 3},
    {"<OK> RPT", 3, Any, 40, Next::Report, 4},
    {"<OK> RPT", 4, Any, 50, Next::Report, 5},
    {"<OK> RPT", 5, Any, 60, Next::Xml, 0},
    {"<OK> XML", Any, Any, 70, Next::Settings, 0},
    {"<OK> BTNEV", Any, Any, 100, Next::End, 0},
};

// T47, T37, T6_QX, T6_QX_P9, T35 and T9.
const Row T47FamilyRows[] = {
    {"<OK> ACCES", Any, Any, 10, Next::Apn, 0},
    {"<OK> APN", Any, Any, 7, Next::Report, 1},
    {"<OK> RPT", 1, Any, 14, Next::Report, 2},
    {"<OK> RPT", 2, Any, 21, Next::Report, 3},
    {"<OK> RPT", 3, Any, 28, Next::Report, 4},
    {"<OK> RPT", 4, Any, 35, Next::Report, 5},
    {"<OK> RPT", 5, Any, 42, Next::Xml, 0},
    {"<OK> XML", Any, Any, 70, Next::Settings, 0},
    {"<OK> BTNEV", Any, Any, 77, Next::GpsTracker, 0},
    {"<OK> GEOTR", Any, Any, 84, Next::CallerIds, 0},
    {"<OK> CALID", Any, Any, 100, Next::End, 0},
};

const Row T2Rows[] = {
    {"<OK> ACCES", Any, Any, 10, Next::Apn, 0},
    {"<OK> APN", Any, Any, 7, Next::Report, 1},
    {"<OK> RPT", 1, Any, 14, Next::Report, 2},
    {"<OK> RPT", 2, Any, 21, Next::Report, 3},
    {"<OK> RPT", 3, Any, 28, Next::Report, 4},
    {"<OK> RPT", 4, Any, 35, Next::Report, 5},
    {"<OK> RPT", 5, Any, 42, Next::Xml, 0},
    {"<OK> XML", Any, Any, 49, Next::Fence, 1},
    {"<OK> GEOFE", Any, 1, 56, Next::Fence, 2},
    {"<OK> GEOFE", Any, 2, 63, Next::Fence, 3},
    {"<OK> GEOFE", Any, 3, 70, Next::Settings, 0},
    {"<OK> BTNEV", Any, Any, 77, Next::GpsTracker, 0},
    {"<OK> GEOTR", Any, Any, 84, Next::CallerIds, 0},
    {"<OK> CALID", Any, Any, 100, Next::End, 0},
};

// Every other model, also a device whose version was never read.
const Row OtherRows[] = {
    {"<OK> ACCES", Any, Any, 10, Next::Apn, 0},
    {"<OK> APN", Any, Any, 11, Next::Report, 1},
    {"<OK> RPT", 1, Any, 22, Next::Report, 2},
    {"<OK> RPT", 2, Any, 33, Next::Report, 3},
    {"<OK> RPT", 3, Any, 44, Next::Report, 4},
    {"<OK> RPT", 4, Any, 55, Next::Fence, 1},
    {"<OK> GEOFE", Any, Any, 66, Next::Settings, 0},
    {"<OK> BTNEV", Any, Any, 77, Next::GpsTracker, 0},
    {"<OK> GEOTR", Any, Any, 88, Next::CallerIds, 0},
    {"<OK> CALID", Any, Any, 100, Next::End, 0},
};

struct Branch
{
    const Row *begin;
    const Row *end;
};

Branch branchFor(const ModelFlags &m)
{
    if (m.baseStation)
        return {std::begin(BaseStationRows), std::end(BaseStationRows)};
    if (m.t47Family())
        return {std::begin(T47FamilyRows), std::end(T47FamilyRows)};
    if (m.modelT2)
        return {std::begin(T2Rows), std::end(T2Rows)};
    return {std::begin(OtherRows), std::end(OtherRows)};
}

// The tab that holds the values of each write, for the message when one is refused.
QString pageOf(Next next)
{
    switch (next) {
    case Next::Apn:
        return QStringLiteral("APN");
    case Next::Report:
        return QStringLiteral("Report");
    case Next::Xml:
        return QStringLiteral("Report2");
    case Next::Fence:
        return QStringLiteral("Geo-fence");
    default:
        return QStringLiteral("Settings");
    }
}

const QString SmsProgramPage = QStringLiteral("SMS Program");

// Pages whose values go out with another page's frame: the report options
// with the report rows, the second settings page with the settings frame.
QStringList companionPages(const QString &page)
{
    if (page == QLatin1String("Report"))
        return {QStringLiteral("Report2")};
    if (page == QLatin1String("Settings"))
        return {QStringLiteral("Settings2")};
    return {};
}
} // namespace

QStringList WriteAllChain::pages(const ModelFlags &model)
{
    QStringList titles {SmsProgramPage};
    const Branch branch = branchFor(model);
    for (const Row *row = branch.begin; row != branch.end; ++row) {
        if (row->next == Next::End)
            continue;
        const QString page = pageOf(row->next);
        for (const QString &title : QStringList {page} + companionPages(page))
            if (!titles.contains(title))
                titles << title;
    }
    return titles;
}

void WriteAllChain::start()
{
    const QString refusal = s_.writeAllRefusal();
    if (!refusal.isEmpty()) {
        s_.notify(Notice::info(refusal));
        return;
    }
    emit s_.pagesLocked(true);
    s_.rptWriteIndex_ = 0;
    fenceStep_ = 0;
    const Sent sent = s_.doChecked(SmsCodec::keywordAccess(s_.formValues()));
    if (sent != Sent::Yes) {
        stop(sent, SmsProgramPage);
        return;
    }
    s_.setPending(Command::WriteAll);
}

void WriteAllChain::onAnswer()
{
    const QString text = s_.assembler_.text();
    if (!text.contains(Answer::Terminator))
        return;
    // An answer that refuses any item is no success, even when it also
    // acknowledges the item a row waits for: the acknowledgement table ends
    // the chain with the error warning.
    const AckKind kind = classifyAcknowledgement(text, s_.lastCommandFrame_).kind;
    if (kind == AckKind::WriteError || kind == AckKind::GeoFenceRange)
        return;
    const Branch branch = branchFor(s_.model_);
    for (const Row *row = branch.begin; row != branch.end; ++row) {
        if (text.contains(QLatin1String(row->ack))
            && (row->rptIndex == Any || row->rptIndex == s_.rptWriteIndex_)
            && (row->fenceStep == Any || row->fenceStep == fenceStep_)) {
            run(*row);
            return;
        }
    }
}

void WriteAllChain::run(const Row &row)
{
    s_.assembler_.clear();
    emit s_.progressChanged(row.progress);
    if (row.next != Next::Report)
        s_.rptWriteIndex_ = 0;
    fenceStep_ = row.next == Next::Fence ? row.arg : 0;

    const FormValues v = s_.formValues();
    Sent sent = Sent::Yes;
    switch (row.next) {
    case Next::Apn:
        sent = s_.doChecked(SmsCodec::apn(v));
        break;
    case Next::Report:
        sent = s_.doReportRow(row.arg);
        break;
    case Next::Xml:
        sent = s_.doChecked(SmsCodec::xml(v));
        break;
    case Next::Fence:
        sent = s_.doFenceByType(row.arg);
        break;
    case Next::Settings:
        sent = s_.doWrite(SettingsCodec::settingsFrameBody(v, s_.model_));
        break;
    case Next::GpsTracker:
        sent = s_.doWrite(SettingsCodec::gpsTrackerBody(v, s_.model_));
        break;
    case Next::CallerIds:
        sent = s_.doChecked(SmsCodec::callerIds(v));
        break;
    case Next::End:
        s_.setPending(Command::None);
        emit s_.pagesLocked(false);
        s_.notify(Notice::info(Session::tr("Write all configuration success!")),
            [this] { emit s_.writeAllFinished(); });
        return;
    }
    if (sent == Sent::Yes)
        s_.setPending(Command::WriteAll);
    else
        stop(sent, pageOf(row.next));
}

void WriteAllChain::stop(Sent why, const QString &page)
{
    s_.rptWriteIndex_ = 0;
    fenceStep_ = 0;
    s_.setPending(Command::None);
    emit s_.pagesLocked(false);
    // The page named as its tab shows it (the form's translation context).
    if (why == Sent::Refused)
        s_.notify(Notice::info(
            Session::tr("Write All stopped: check the value on the \"%1\" page.")
                .arg(QCoreApplication::translate("ZAROraz", page.toUtf8().constData()))));
}
