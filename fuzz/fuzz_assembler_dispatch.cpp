// Whatever a device sends reaches the session in chunks. Here the device is
// the fuzzer: a session starts one of its chains, and the input arrives as
// the chunks the chain hears back. Nothing may crash or hang, the collected
// answer stays bounded, and the assembler drops echo lines the same way
// however the bytes are split.
//
// Input: the first byte picks the model the device reports, the second the
// command to start. The rest is the device's output; these bytes steer:
//   0xFE  ends a chunk (the session dispatches what it holds)
//   0xFD  the link is lost (as when the cable is pulled)
//   0xFC  the next command is started while the device keeps talking
//   0xFB  the last chunk is sent again thousands of times (a chattering
//         device), so the bounds are reached with small inputs; a few
//         times per input at most
#include <QCoreApplication>

#include <cstdint>
#include <cstdlib>

#include "protocol/responseassembler.h"
#include "serial/link.h"
#include "session/session.h"

namespace {

constexpr int ChatterRepeats = 5000;
constexpr int ChatterBursts = 4; // per input, so a run measures the code, not the input's size

class FuzzLink : public Link
{
public:
    bool isOpen() const override { return true; }
    bool send(const QByteArray &bytes) override
    {
        sentBytes += bytes.size();
        return true;
    }
    void deliver(const QByteArray &chunk) { emit chunkReceived(chunk); }
    void lose() { emit linkLost(QStringLiteral("gone")); }
    qsizetype sentBytes = 0;
};

const char *const Versions[] = {"T47_V1.05", "T47_XA_V1.05", "T68_V1.0", "T41_KAL_V2", "T9_W5_PV",
    "T2_V3", "PSTN_BASE", "T6_QX_P9_QO", "G7H_BX", "KUV_YD_V1", "", "T35_HP_RK_ZO"};

FormValues pages()
{
    FormValues v;
    v.setText(QStringLiteral("lineEdit_keywd"), QStringLiteral("KTVW"));
    v.setText(QStringLiteral("lineEdit_access"), QStringLiteral("4826"));
    v.setText(QStringLiteral("lineEdit_apn_internet"), QStringLiteral("internet"));
    v.setText(QStringLiteral("lineEdit_call_id1"), QStringLiteral("+4912345"));
    for (int row = 1; row <= 5; ++row) {
        v.setText(QStringLiteral("lineEdit_rpt_to_%1").arg(row), QStringLiteral("5550001"));
        v.setChecked(QStringLiteral("radioButton_rpt_group_%1_1").arg(row), true);
    }
    for (int fence = 1; fence <= 3; ++fence) {
        v.setText(QStringLiteral("lineEdit_geo_radius_%1").arg(fence), QStringLiteral("500"));
        v.setText(QStringLiteral("lineEdit_geo_lat_%1_0").arg(fence), QStringLiteral("52.5"));
        v.setText(QStringLiteral("lineEdit_geo_long_%1_0").arg(fence), QStringLiteral("13.4"));
    }
    return v;
}

void start(Session &session, int command)
{
    switch (command % 9) {
    case 0:
        session.startRead();
        break;
    case 1:
        session.startWriteAll();
        break;
    case 2:
        session.signalStrength();
        break;
    case 3:
        session.writeReports();
        break;
    case 4:
        session.loadFirmware(QByteArray(100000 + command, '\x5a'));
        session.startUpgrade();
        break;
    case 5:
        session.loadInformation();
        break;
    case 6:
        session.addSensor(QStringLiteral("04001a2b"));
        break;
    case 7:
        session.rebootDevice();
        break;
    default:
        session.writeFence(1 + command % 3, command % 3);
        break;
    }
}

void dispatch(Session &session)
{
    QCoreApplication::processEvents();
    if (session.receivedText().size() > ResponseAssembler::MaxLength)
        std::abort();
}

// The same bytes whole and split at every chunk boundary of the input give
// the same text, as long as no bound was reached.
void checkSplitInvariance(const QList<QByteArray> &chunks)
{
    ResponseAssembler split, whole;
    QByteArray all;
    for (const QByteArray &chunk : chunks) {
        split.append(chunk);
        all += chunk;
    }
    if (all.size() >= ResponseAssembler::MaxLength / 2)
        return;
    whole.append(all);
    if (split.text() != whole.text())
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);

    if (size < 2)
        return 0;
    const QByteArray input(reinterpret_cast<const char *>(data), int(size));
    FuzzLink link;
    Session session(&link);
    session.setFormSource(pages);

    const int model = uint8_t(input[0]) % int(std::size(Versions));
    int command = uint8_t(input[1]);
    if (model != int(std::size(Versions)) - 1) { // the last choice: no version read yet
        session.startRead();
        link.deliver(QByteArray("<OK> VER?:") + Versions[model] + ";\r\n");
        dispatch(session);
    }
    start(session, command);

    QList<QByteArray> chunks;
    QByteArray chunk;
    bool chattered = false;
    int bursts = 0;
    for (int i = 2; i <= input.size(); ++i) {
        const char c = i < input.size() ? input[i] : '\xfe';
        if (c != '\xfe' && c != '\xfd' && c != '\xfc' && c != '\xfb') {
            chunk += c;
            continue;
        }
        if (!chunk.isEmpty()) {
            link.deliver(chunk);
            chunks << chunk;
            chunk.clear();
        }
        if (c == '\xfb' && !chunks.isEmpty() && bursts++ < ChatterBursts) {
            for (int n = 0; n < ChatterRepeats; ++n)
                link.deliver(chunks.last());
            chattered = true;
        }
        dispatch(session);
        if (c == '\xfd')
            link.lose();
        else if (c == '\xfc')
            start(session, ++command);
    }
    if (!chattered)
        checkSplitInvariance(chunks);
    return 0;
}
