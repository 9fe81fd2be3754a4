// TComPort over a recording fake device: settings, opening and closing,
// notifications and the three delivery modes.

#include "serial/com_port.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "tests/serial/fake_serial_device.h"
#include "tests/support/wait_until.h"

namespace dsp {
namespace {

using test::FakeLine;
using test::WaitUntil;

class ComPortTest : public ::testing::Test {
  protected:
    ComPortTest() { port.SetDeviceFactory(test::FakeFactory(line)); }

    // Records every notification as text, from whatever thread it comes.
    void Record() {
        auto add = [this](std::string s) {
            std::lock_guard guard(logLock);
            log.push_back(std::move(s));
        };
        port.OnBeforeOpen = [add](TCustomComPort*) { add("BeforeOpen"); };
        port.OnAfterOpen = [add](TCustomComPort*) { add("AfterOpen"); };
        port.OnBeforeClose = [add](TCustomComPort*) { add("BeforeClose"); };
        port.OnAfterClose = [add](TCustomComPort*) { add("AfterClose"); };
        port.OnCTSChange = [add](TCustomComPort*, bool on) { add(on ? "CTS+" : "CTS-"); };
        port.OnDSRChange = [add](TCustomComPort*, bool on) { add(on ? "DSR+" : "DSR-"); };
        port.OnRLSDChange = [add](TCustomComPort*, bool on) { add(on ? "RLSD+" : "RLSD-"); };
        port.OnRxChar = [add](TCustomComPort*, int n) { add("RxChar" + std::to_string(n)); };
        port.OnTxEmpty = [add](TCustomComPort*) { add("TxEmpty"); };
        port.OnBreak = [add](TCustomComPort*) { add("Break"); };
        port.OnRing = [add](TCustomComPort*) { add("Ring"); };
        port.OnRxFlag = [add](TCustomComPort*) { add("RxFlag"); };
        port.OnRx80Full = [add](TCustomComPort*) { add("Rx80Full"); };
        port.OnError = [add](TCustomComPort*, TComErrors e) { add("Error" + std::to_string(e.ToBits())); };
    }
    std::vector<std::string> Log() {
        std::lock_guard guard(logLock);
        return log;
    }
    void ClearLog() {
        std::lock_guard guard(logLock);
        log.clear();
    }

    std::shared_ptr<FakeLine> line = std::make_shared<FakeLine>();
    std::mutex logLock;
    std::vector<std::string> log;
    TComPort port;  // last: its destructor still notifies into the log
};

using Strings = std::vector<std::string>;

TEST_F(ComPortTest, NewPortHasItsDefaultsAndTouchesNoDevice) {
    EXPECT_EQ(port.Port(), "COM1");
    EXPECT_FALSE(port.Connected());
    EXPECT_EQ(port.BaudRate(), br9600);
    EXPECT_EQ(port.CustomBaudRate(), 9600);
    EXPECT_EQ(port.DataBits(), dbEight);
    EXPECT_EQ(port.StopBits(), sbOneStopBit);
    EXPECT_EQ(port.Parity().Bits(), prNone);
    EXPECT_EQ(port.FlowControl().FlowControl(), fcNone);
    EXPECT_EQ(port.FlowControl().ControlDTR(), dtrDisable);
    EXPECT_EQ(port.Buffer().InputSize(), 1024);
    EXPECT_EQ(port.Buffer().OutputSize(), 1024);
    EXPECT_EQ(port.Timeouts().ReadInterval(), -1);
    EXPECT_EQ(port.Timeouts().WriteTotalMultiplier(), 100);
    EXPECT_EQ(port.Timeouts().WriteTotalConstant(), 1000);
    EXPECT_EQ(port.Events(), kAllComEvents);
    EXPECT_EQ(port.SyncMethod(), smThreadSync);
    // Settings changed while closed are only kept.
    port.SetBaudRate(br19200);
    port.Buffer().SetInputSize(2048);
    port.FlowControl().SetFlowControl(fcHardware);
    port.ClosePort();
    EXPECT_EQ(line->factoryCalls, 0);
    EXPECT_TRUE(line->calls.empty());
}

TEST_F(ComPortTest, OpenComposesTheNameAndAppliesEverySettingOnce) {
    port.SetBaudRate(br19200);  // kept while closed, applied at open
    port.OpenPort();
    EXPECT_TRUE(port.Connected());
    EXPECT_EQ(line->openedName, "\\\\.\\COM1");
    Strings firstCalls(line->calls.begin(), line->calls.begin() + 4);
    EXPECT_EQ(firstCalls, (Strings{"Open", "SetQueueSizes", "SetLine", "SetTimeouts"}));
    EXPECT_EQ(line->line.baudRate, 19200u);
    EXPECT_EQ(line->line.dataBits, 8);
    EXPECT_EQ(line->line.parity, LineParity::None);
    EXPECT_EQ(line->line.dtr, LineDtr::Disable);
    EXPECT_EQ(line->line.rts, LineRts::Disable);
    EXPECT_EQ(line->line.xonLim, 256);
    EXPECT_EQ(line->line.xoffLim, 256);
    EXPECT_EQ(line->timeouts.readInterval, 0xFFFFFFFFu);
    EXPECT_EQ(line->timeouts.writeTotalConstant, 1000u);
    EXPECT_EQ(line->timeouts.writeTotalMultiplier, 100u);
    EXPECT_EQ(line->inputSize, 1024);

    port.SetPort("COM10");
    EXPECT_EQ(line->openedName, "\\\\.\\COM10");
}

TEST_F(ComPortTest, NotificationsComeInOrderAndRepeatsDoNothing) {
    Record();
    line->modem = modem_status::kCts | modem_status::kRlsd;
    port.OpenPort();
    port.OpenPort();
    EXPECT_EQ(Log(), (Strings{"BeforeOpen", "AfterOpen", "CTS+", "DSR-", "RLSD+"}));
    ClearLog();
    port.ClosePort();
    port.ClosePort();
    EXPECT_EQ(Log(), (Strings{"CTS-", "DSR-", "RLSD-", "BeforeClose", "AfterClose"}));
    EXPECT_FALSE(port.Connected());
    EXPECT_EQ(line->Count("Purge3"), 1);  // abort both directions before the close
    EXPECT_EQ(line->calls.back(), "Close");
}

TEST_F(ComPortTest, SettersApplyTheirGroupOnlyWhileOpen) {
    port.OpenPort();
    int lines = line->Count("SetLine");
    port.SetBaudRate(br9600);  // unchanged: nothing
    port.SetBaudRate(brCustom);
    port.SetCustomBaudRate(31250);
    EXPECT_EQ(line->Count("SetLine"), lines + 2);
    EXPECT_EQ(line->line.baudRate, 31250u);

    port.Buffer().SetInputSize(4097);
    EXPECT_EQ(port.Buffer().InputSize(), 4096);
    EXPECT_EQ(line->inputSize, 4096);
    port.SetParity(port.Parity());  // assigning a whole object re-applies
    EXPECT_EQ(line->line.xonLim, 1024);
    port.Buffer().SetOutputSize(-3);
    EXPECT_EQ(port.Buffer().OutputSize(), -3);

    port.Parity().SetCheck(true);
    port.Parity().SetReplace(true);
    port.Parity().SetReplaceChar('?');
    EXPECT_TRUE(line->line.replaceOnParityError);
    EXPECT_EQ(line->line.replaceChar, '?');
    port.Parity().SetCheck(false);  // replacing needs checking
    EXPECT_FALSE(line->line.replaceOnParityError);
    EXPECT_EQ(line->line.replaceChar, 0);

    port.Timeouts().SetWriteTotalConstant(50);
    EXPECT_EQ(line->timeouts.writeTotalConstant, 50u);

    TComTimeouts other;
    other.SetReadInterval(7);
    port.SetTimeouts(other);
    EXPECT_EQ(port.Timeouts().ReadInterval(), 7);
    EXPECT_EQ(line->timeouts.readInterval, 7u);
    EXPECT_EQ(line->timeouts.writeTotalConstant, 1000u);  // every field was copied
    // Assigning copies values only: each object keeps the port it belongs to.
    other.SetReadInterval(9);
    EXPECT_EQ(line->timeouts.readInterval, 7u);
    port.Timeouts().SetReadInterval(8);
    EXPECT_EQ(line->timeouts.readInterval, 8u);
}

TEST_F(ComPortTest, LoadingRecordsConnectedUntilTheAfterLoadStep) {
    port.BeginLoading();
    port.SetConnected(true);
    port.SetBaudRate(br4800);
    port.SetPort("COM3");
    EXPECT_EQ(line->factoryCalls, 0);
    port.Loaded();
    EXPECT_TRUE(port.Connected());
    EXPECT_EQ(line->openedName, "\\\\.\\COM3");
    EXPECT_EQ(line->line.baudRate, 4800u);

    // A failing open in the after-load step goes to the exception handler.
    TComPort other;
    auto failing = std::make_shared<FakeLine>();
    failing->openError = EACCES;
    other.SetDeviceFactory(test::FakeFactory(failing));
    std::string reported;
    other.Dispatcher().SetExceptionHandler([&](std::exception_ptr e) {
        try {
            std::rethrow_exception(e);
        } catch (const EComPort& c) {
            reported = c.what();
        }
    });
    other.BeginLoading();
    other.SetConnected(true);
    EXPECT_NO_THROW(other.Loaded());
    EXPECT_FALSE(other.Connected());
    EXPECT_EQ(reported, "Unable to open com port (win error code: 13)");
}

TEST_F(ComPortTest, FlowControlSummaryReadsAndWrites) {
    TComFlowControl& fc = port.FlowControl();
    fc.SetFlowControl(fcHardware);
    EXPECT_EQ(fc.ControlRTS(), rtsHandshake);
    EXPECT_TRUE(fc.OutCTSFlow());
    EXPECT_FALSE(fc.XonXoffIn() || fc.XonXoffOut());
    EXPECT_EQ(fc.FlowControl(), fcHardware);
    fc.SetControlDTR(dtrHandshake);
    EXPECT_EQ(fc.FlowControl(), fcHardware);
    fc.SetFlowControl(fcSoftware);
    EXPECT_EQ(fc.ControlRTS(), rtsDisable);
    EXPECT_FALSE(fc.OutCTSFlow());
    EXPECT_TRUE(fc.XonXoffIn() && fc.XonXoffOut());
    EXPECT_EQ(fc.FlowControl(), fcSoftware);
    fc.SetXonXoffIn(false);
    EXPECT_EQ(fc.FlowControl(), fcCustom);
    fc.SetFlowControl(fcCustom);  // changes nothing
    EXPECT_TRUE(fc.XonXoffOut());
    fc.SetFlowControl(fcNone);
    EXPECT_EQ(fc.FlowControl(), fcNone);
    EXPECT_EQ(fc.ControlDTR(), dtrHandshake);  // DTR is not part of the summary

    port.OpenPort();
    int lines = line->Count("SetLine");
    fc.SetFlowControl(fcHardware);
    EXPECT_EQ(line->Count("SetLine"), lines + 1);
    EXPECT_TRUE(line->line.outCtsFlow);
    EXPECT_EQ(line->line.rts, LineRts::Handshake);
}

TEST_F(ComPortTest, SyncMethodCannotChangeWhileOpen) {
    port.OpenPort();
    EXPECT_NO_THROW(port.SetSyncMethod(smThreadSync));
    try {
        port.SetSyncMethod(smNone);
        FAIL() << "no error";
    } catch (const EComPort& e) {
        EXPECT_EQ(e.ErrorNumber(), CE_CONNECT_CHANGE_PROP);
        EXPECT_EQ(e.SystemErrorCode(), -1);
        EXPECT_STREQ(e.what(), "Cannot set property while connected");
    }
    EXPECT_EQ(port.SyncMethod(), smThreadSync);
    port.ClosePort();
    port.SetSyncMethod(smNone);
    EXPECT_EQ(port.SyncMethod(), smNone);
}

TEST_F(ComPortTest, PortChangeReopensWithBothSequences) {
    Record();
    port.OpenPort();
    ClearLog();
    port.SetPort("COM1");  // same name: nothing
    EXPECT_TRUE(Log().empty());
    port.SetPort("COM2");
    EXPECT_EQ(Log(), (Strings{"CTS-", "DSR-", "RLSD-", "BeforeClose", "AfterClose", "BeforeOpen", "AfterOpen",
                              "CTS-", "DSR-", "RLSD-"}));
    EXPECT_EQ(line->openedName, "\\\\.\\COM2");
    EXPECT_TRUE(port.Connected());
}

TEST_F(ComPortTest, FailuresWhileOpeningLeaveThePortClosed) {
    Record();
    line->openError = EBUSY;
    try {
        port.OpenPort();
        FAIL() << "no error";
    } catch (const EComPort& e) {
        EXPECT_EQ(e.ErrorNumber(), CE_OPEN_FAILED);
        EXPECT_EQ(e.SystemErrorCode(), EBUSY);
    }
    EXPECT_FALSE(port.Connected());
    EXPECT_EQ(Log(), (Strings{"BeforeOpen"}));

    line->openError = 0;
    line->setLineError = EINVAL;
    try {
        port.OpenPort();
        FAIL() << "no error";
    } catch (const EComPort& e) {
        EXPECT_EQ(e.ErrorNumber(), CE_SET_STATE_FAILED);
        EXPECT_EQ(e.SystemErrorCode(), EINVAL);
    }
    EXPECT_FALSE(port.Connected());
    EXPECT_EQ(line->calls.back(), "Close");

    // Rejected while open: the value stays stored, the port stays open.
    line->setLineError = 0;
    port.OpenPort();
    line->setLineError = EINVAL;
    EXPECT_THROW(port.SetStopBits(sbOne5StopBits), EComPort);
    EXPECT_EQ(port.StopBits(), sbOne5StopBits);
    EXPECT_TRUE(port.Connected());
}

TEST_F(ComPortTest, PurgeFailureKeepsThePortOpenUnlessTheDeviceIsGone) {
    port.OpenPort();
    line->purgeError = EPERM;
    try {
        port.ClosePort();
        FAIL() << "no error";
    } catch (const EComPort& e) {
        EXPECT_EQ(e.ErrorNumber(), CE_PURGE_FAILED);
    }
    EXPECT_TRUE(port.Connected());
    line->purgeError = EIO;  // unplugged: nothing to abort, closing must work
    EXPECT_NO_THROW(port.ClosePort());
    EXPECT_FALSE(port.Connected());
}

TEST_F(ComPortTest, LineErrorsMapAndParityCountsOnlyWhenChecked) {
    port.OpenPort();
    line->lineErrors = line_error::kRxParity;
    EXPECT_TRUE(port.TakeLineErrors().Empty());
    port.Parity().SetCheck(true);
    EXPECT_EQ(port.TakeLineErrors(), (TComErrors{ceRxParity}));
    line->lineErrors = line_error::kFrame | line_error::kOverrun | line_error::kBreak | line_error::kIo |
                       line_error::kMode | line_error::kRxOver | line_error::kTxFull;
    EXPECT_EQ(port.TakeLineErrors(),
              (TComErrors{ceFrame, ceOverrun, ceBreak, ceIO, ceMode, ceRxOver, ceTxFull}));
}

TEST_F(ComPortTest, NoneDeliveryHandlesABatchInOrderOnTheMonitoringThread) {
    Record();
    port.SetSyncMethod(smNone);
    // Set on the monitoring thread, read here.
    std::atomic<std::thread::id> handlerThread{};
    port.OnRx80Full = [&](TCustomComPort*) { handlerThread = std::this_thread::get_id(); };
    line->pending = 3;
    line->lineErrors = line_error::kFrame;
    port.OpenPort();
    ClearLog();
    line->PushEvents(0x05FF);
    ASSERT_TRUE(WaitUntil([&] { return handlerThread.load() != std::thread::id(); }));
    EXPECT_EQ(Log(),
              (Strings{"Error1", "RxChar3", "TxEmpty", "Break", "Ring", "CTS-", "DSR-", "RxFlag", "RLSD-"}));
    EXPECT_NE(handlerThread.load(), std::this_thread::get_id());
    port.ClosePort();
}

TEST_F(ComPortTest, ThreadSyncRunsTheBatchOnTheOwnerAndWaits) {
    Record();
    line->pending = 0;  // no queued bytes: no OnRxChar
    port.OpenPort();
    ClearLog();
    line->PushEvents(serial_event::kRxChar | serial_event::kRing);
    // The batch waits for the owner thread to serve the queue.
    ASSERT_TRUE(WaitUntil([&] {
        port.Dispatcher().ProcessPending();
        return !Log().empty();
    }));
    EXPECT_EQ(Log(), (Strings{"Ring"}));

    // A batch handed over while ClosePort waits is still handled, before the
    // port reports itself closed.
    bool connectedInHandler = false;
    port.OnBreak = [&](TCustomComPort* p) { connectedInHandler = p->Connected(); };
    line->PushEvents(serial_event::kBreak);
    ASSERT_TRUE(WaitUntil([&] { return port.Dispatcher().PendingCount() == 1; }));
    port.ClosePort();
    EXPECT_TRUE(connectedInHandler);
    EXPECT_FALSE(port.Connected());
}

TEST_F(ComPortTest, ThreadSyncHandlerErrorEndsMonitoringButNotThePort) {
    int rings = 0;
    port.OnRing = [&](TCustomComPort*) {
        ++rings;
        throw std::runtime_error("handler failed");
    };
    port.OpenPort();
    line->PushEvents(serial_event::kRing);
    ASSERT_TRUE(WaitUntil([&] {
        port.Dispatcher().ProcessPending();
        return rings == 1;
    }));
    EXPECT_TRUE(port.Connected());
    EXPECT_EQ(port.SendBytes("ab", 2), 2);
    line->PushEvents(serial_event::kRing);
    port.ClosePort();  // serves any hand-off; a live thread would have taken the batch
    EXPECT_EQ(rings, 1);
    std::lock_guard guard(line->lock);
    EXPECT_EQ(line->waits, 1);
    EXPECT_EQ(line->events.size(), 1u);
}

TEST_F(ComPortTest, WindowSyncPostsEachEventAndGoesOnAfterAnError) {
    port.SetSyncMethod(smWindowSync);
    std::vector<std::string> seen;
    port.OnRLSDChange = [&](TCustomComPort*, bool) { seen.push_back("RLSD"); };
    port.OnRing = [&](TCustomComPort*) {
        seen.push_back("Ring");
        throw std::runtime_error("ring failed");
    };
    std::vector<std::string> reported;
    port.Dispatcher().SetExceptionHandler([&](std::exception_ptr e) {
        try {
            std::rethrow_exception(e);
        } catch (const std::exception& x) {
            reported.push_back(x.what());
        }
    });
    port.OpenPort();
    seen.clear();  // the initial line report
    line->PushEvents(serial_event::kRlsd | serial_event::kRing);
    std::size_t messages = 0;
    ASSERT_TRUE(WaitUntil([&] {
        messages += port.Dispatcher().ProcessPending();
        return messages == 2;
    }));
    // Ring comes before RLSD in the handling order; each is its own message.
    EXPECT_EQ(seen, (Strings{"Ring", "RLSD"}));
    EXPECT_EQ(reported, (Strings{"ring failed"}));
    line->PushEvents(serial_event::kRlsd);  // monitoring went on
    ASSERT_TRUE(WaitUntil([&] {
        port.Dispatcher().ProcessPending();
        return seen.size() == 3;
    }));
    port.ClosePort();
}

TEST_F(ComPortTest, EmptyEventsStartNoThreadButStillReportTheLines) {
    Record();
    port.SetEvents({});
    port.OpenPort();
    EXPECT_EQ(Log(), (Strings{"BeforeOpen", "AfterOpen", "CTS-", "DSR-", "RLSD-"}));
    port.ClosePort();
    EXPECT_EQ(line->waits, 0);
    EXPECT_EQ(line->Count("Purge12"), 0);  // the thread's final purge never ran
}

}  // namespace
}  // namespace dsp
