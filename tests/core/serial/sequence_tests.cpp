#include "core/model/project.h"
#include "core/model/store_texts.h"
#include "core/resources/messages_serial.h"
#include "core/serial/download_sequence.h"
#include "core/serial/download_verify.h"
#include "core/serial/frame.h"
#include "core/serial/image_codec.h"
#include "core/serial/upload_sequence.h"
#include "scripted_port.h"
#include "support/recording_prompter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace brenmoor {
namespace {

using Bytes = std::vector<uint8_t>;

// A gateway good enough for the sequences: it answers every request the
// way the configuration protocol describes, unless a test overrides the
// reply to a code.
struct FakeGateway {
    uint8_t deviceType = 1;
    int firmware = 31;
    Bytes subnetBlock = Bytes(22, 0);
    std::map<uint8_t, Bytes> commands;
    std::map<uint8_t, std::vector<ScriptedPort::Reply>> overrides;

    ScriptedPort::Reply reply(const Bytes& request) {
        const uint8_t c = request[0];
        if (auto it = overrides.find(c); it != overrides.end() && !it->second.empty()) {
            auto r = it->second.front();
            it->second.erase(it->second.begin());
            return r;
        }
        return {{{5, answer(request)}}};
    }

    Bytes answer(const Bytes& r) {
        switch (r[0]) {
        case 0x01:
            return buildFrame(0x01, Bytes{deviceType, static_cast<uint8_t>(firmware / 10),
                                          static_cast<uint8_t>(firmware % 10), 0, 0, 0, 0, 0});
        case 0x10:
            commands[r[3]] = Bytes(r.begin() + 4, r.begin() + 15);
            return ackFrame(0x10);
        case 0x14:
            commands.clear();
            return ackFrame(0x14);
        case 0x22:
            return buildFrame(0x22, Bytes{9, 1, 3, 3});
        case 0x04: {
            Bytes data{0};
            data.insert(data.end(), subnetBlock.begin(), subnetBlock.end());
            return buildFrame(0x04, data);
        }
        case 0x15:
            return buildFrame(0x15, Bytes{0, 0, static_cast<uint8_t>(commands.size())});
        case 0x16: {
            Bytes data{0};
            size_t i = 0;
            for (const auto& [index, record] : commands) {
                if (i / 6 == r[3]) {
                    data.push_back(index);
                    data.insert(data.end(), record.begin(), record.end());
                }
                ++i;
            }
            return buildFrame(0x16, data);
        }
        case 0x33:
            return buildFrame(0x33, Bytes{4});
        case 0x35:
            return buildFrame(0x35, Bytes{2, 0xD1, 0xE1, 0, 0, 0, 0, 0, 0});
        default:
            return ackFrame(r[0]);
        }
    }
};

struct SequenceTest : ::testing::Test {
    FakeClock clock;
    ScriptedPort port{clock};
    FakeGateway gateway;
    test::RecordingPrompter prompter;
    TransferView view;
    std::vector<TransferView> shown;
    Project project = makeNewProject();

    SequenceTest() {
        port.setResponder([this](const Bytes& request) { return gateway.reply(request); });
    }

    void addCommands(int n) {
        CONFIG& s = project.store.subnets[0];
        s.nodeCount = 1;
        s.nodes[0] = {"1", "Node-1"};
        for (int k = 0; k < n; ++k) {
            INSTRUCTION& c = s.commands[static_cast<size_t>(k)];
            c = {"1",       "3", std::to_string(k), "2", "a" + std::to_string(k), "0", "4",
                 "No Swap", "",  "Fast Scan",       1};
        }
        s.commandCount = n;
    }

    Outcome download() {
        DownloadSequence sequence(port, clock, prompter, view,
                                  [this](const TransferView& v) { shown.push_back(v); });
        return sequence.run(project);
    }
    Outcome upload() {
        UploadSequence sequence(port, clock, view,
                                [this](const TransferView& v) { shown.push_back(v); });
        return sequence.run(project);
    }
};

TEST_F(SequenceTest, DownloadWritesEveryBlockInOrder) {
    addCommands(3);
    const Outcome done = download();
    ASSERT_TRUE(done) << done.message();
    EXPECT_EQ(port.writtenCodes(), (Bytes{0x01, 0x21, 0x03, 0x14, 0x10, 0x10, 0x10}));
    EXPECT_EQ(port.written()[3],
              (Bytes{0x14, 0x03, 0x00, 0x55, 0xAA, 0x14 + 3 + 0x55 + 0xAA - 256}));
    EXPECT_EQ(port.written()[1].size(), 7u);
    EXPECT_EQ(port.written()[2].size(), 26u);
    EXPECT_EQ(port.written()[6].size(), 16u);
    EXPECT_EQ(port.written()[6][3], 2); // command index
    EXPECT_EQ(gateway.commands.size(), 3u);

    EXPECT_EQ(view.lineB, "Downloading is successful!");
    EXPECT_EQ(view.lineA, "");
    EXPECT_EQ(view.stepLines[0], "Downloading DeviceNet parameters configuration");
    EXPECT_EQ(view.stepLines[2], "Downloading Modbus commands configuration");
    EXPECT_TRUE(view.iconsVisible);
    EXPECT_TRUE(view.iconsHaveCheckMark);
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(shown.front().lineB, "Downloading, please wait");
    EXPECT_FALSE(shown.front().iconsVisible);
    EXPECT_TRUE(prompter.shown().empty());
    // The engine adds nothing to the protocol's own waits: 100 ms for the
    // first request, 150 ms for each short acknowledgement.
    EXPECT_EQ(clock.totalSlept(), 100 + 150 * 6);
}

// The progress a dialog shows: every request counted once, against a plan
// that only shrinks as the gateway's replies tell more, and that the
// transfer meets exactly when it ends.
void expectCountedAgainstThePlan(const std::vector<TransferView>& shown, size_t sent) {
    ASSERT_FALSE(shown.empty());
    for (size_t i = 1; i < shown.size(); ++i) {
        EXPECT_GE(shown[i].count.requestsDone, shown[i - 1].count.requestsDone) << i;
        EXPECT_LE(shown[i].count.requestsPlanned, shown[i - 1].count.requestsPlanned) << i;
    }
    EXPECT_EQ(shown.front().count.requestsDone, 0);
    EXPECT_EQ(shown.back().count.requestsDone, static_cast<int>(sent));
    EXPECT_EQ(shown.back().count.requestsPlanned, static_cast<int>(sent));
}

TEST_F(SequenceTest, ProgressCountsRequestsAndCommands) {
    addCommands(3);
    // Firmware 39 does not take the clearing option the flag asks for: the
    // plan counts it until the device information says so.
    project.device.commandStatus = true;
    gateway.firmware = 39;
    {
        DownloadSequence sequence(port, clock, prompter, view,
                                  [this](const TransferView& v) { shown.push_back(v); });
        sequence.planReadBack(true);
        ASSERT_TRUE(sequence.run(project));
        EXPECT_EQ(shown.front().count.requestsPlanned, 1 + 1 + 1 + 1 + 3 + 1 + 2 + 1 + 1 + 1);
        EXPECT_EQ(commandCountText(shown.front().count), "");
        EXPECT_EQ(commandCountText(view.count), "3 of 3");
        verifyDownload(port, clock, project, sequence.firmwareVersion(), view,
                       [this](const TransferView& v) { shown.push_back(v); });
    }
    expectCountedAgainstThePlan(shown, port.written().size());
    EXPECT_EQ(requestCountText(view.count), "11 of 11 requests");
    // While command 2 goes out, the dialog says so.
    EXPECT_TRUE(std::ranges::any_of(shown, [](const TransferView& v) {
        return v.count.command == 2 && v.count.requestsDone == 5;
    }));

    for (const int commands : {7, 0}) {
        FakeGateway gw;
        for (int k = 0; k < commands; ++k)
            gw.commands[static_cast<uint8_t>(k)] = Bytes{3, 3, 0, 0, 0, 1, 0, 0, 0, 0, 0};
        FakeClock localClock;
        ScriptedPort localPort(localClock);
        localPort.setResponder([&gw](const Bytes& r) { return gw.reply(r); });
        std::vector<TransferView> uploaded;
        TransferView v;
        Project p = makeNewProject();
        UploadSequence sequence(localPort, localClock, v,
                                [&uploaded](const TransferView& now) { uploaded.push_back(now); });
        ASSERT_TRUE(sequence.run(p));
        expectCountedAgainstThePlan(uploaded, localPort.written().size());
        EXPECT_EQ(commandCountText(v.count), commands ? "7 of 7" : "");
    }

    // A subnet that is no Modbus master has no command list to read.
    gateway.subnetBlock[0] = 1;
    shown.clear();
    const size_t before = port.written().size();
    ASSERT_TRUE(upload());
    expectCountedAgainstThePlan(shown, port.written().size() - before);
}

TEST_F(SequenceTest, ModbusSlaveSubnetSendsNoCommands) {
    addCommands(2);
    project.store.subnets[0].protocolMode = std::string(text::ModbusSlave);
    ASSERT_TRUE(download());
    EXPECT_EQ(port.writtenCodes(), (Bytes{0x01, 0x21, 0x03}));
}

TEST_F(SequenceTest, OptionalBlocksFollowFlagsAndFirmware) {
    struct Case {
        bool doubleFault, commandStatus, dataFilter, profibusData;
        int firmware;
        uint8_t deviceType;
        Bytes codes;
    };
    const Case cases[] = {
        {false, true, false, false, 39, 1, {0x01, 0x21, 0x03, 0x14}},
        {false, true, false, false, 40, 1, {0x01, 0x21, 0x03, 0x14, 0x32}},
        {true, false, false, false, 10, 1, {0x01, 0x03, 0x14, 0x32}},
        {true, false, false, false, 10, 5, {0x01, 0x03, 0x14, 0x32}},
        {false, false, true, false, 29, 1, {0x01, 0x21, 0x03, 0x14}},
        {false, false, true, false, 30, 1, {0x01, 0x21, 0x03, 0x14, 0x34}},
        {false, true, false, true, 45, 1, {0x01, 0x21, 0x03, 0x14, 0x32, 0x34}},
    };
    for (const Case& c : cases) {
        FakeClock localClock;
        ScriptedPort localPort(localClock);
        FakeGateway gw;
        gw.firmware = c.firmware;
        gw.deviceType = c.deviceType;
        localPort.setResponder([&gw](const Bytes& r) { return gw.reply(r); });
        Project p = makeNewProject();
        p.device.doubleFault = c.doubleFault;
        p.device.commandStatus = c.commandStatus;
        p.device.dataFilter = c.dataFilter;
        p.device.profibusData = c.profibusData;
        TransferView v;
        DownloadSequence sequence(localPort, localClock, prompter, v);
        const Outcome done = sequence.run(p);
        EXPECT_TRUE(done) << done.message();
        EXPECT_EQ(localPort.writtenCodes(), c.codes) << c.firmware;
        // Device type 5 leaves the step lines empty.
        EXPECT_EQ(v.stepLines[0].empty(), c.deviceType == 5);
    }
}

TEST_F(SequenceTest, DownloadFailuresAndTheirMessages) {
    struct Case {
        uint8_t code;
        ScriptedPort::Reply reply;
        int occurrence;
        MessageId expected;
    };
    const ScriptedPort::Reply silence{};
    auto bytes = [](Bytes b) { return ScriptedPort::Reply{{{5, std::move(b)}}}; };
    const Case cases[] = {
        {0x01, silence, 1, msg::ReadDeviceTypeTimeout},
        {0x01, bytes({0x01, 0x08, 1}), 1, msg::DownloadError},
        {0x21, silence, 1, msg::DeviceNetTimeout},
        {0x21, bytes(buildFrame(0xA1, Bytes{1, 0})), 1, msg::DeviceNetDownloadError},
        {0x03, silence, 1, msg::ModbusParametersTimeout},
        {0x03, bytes({0x03, 0x00, 0x04}), 1, msg::ModbusParametersError},
        {0x14, silence, 1, msg::ReadDeviceTypeTimeout},
        {0x10, silence, 3, msg::AddCommandTimeout},
        {0x10, bytes(buildFrame(0x90, Bytes{3, 0})), 1, msg::OneModbusSlaveOnly},
        {0x10, bytes(buildFrame(0x90, Bytes{4, 0})), 2, msg::CommandDownloadError},
    };
    for (const Case& c : cases) {
        FakeClock localClock;
        ScriptedPort localPort(localClock);
        FakeGateway gw;
        for (int i = 1; i < c.occurrence; ++i)
            gw.overrides[c.code].push_back({{{5, c.code == 0x10 ? ackFrame(0x10) : Bytes{}}}});
        gw.overrides[c.code].push_back(c.reply);
        localPort.setResponder([&gw](const Bytes& r) { return gw.reply(r); });
        TransferView v;
        DownloadSequence sequence(localPort, localClock, prompter, v);
        Project p = project;
        CONFIG& s = p.store.subnets[0];
        s.commandCount = 4;
        const Outcome done = sequence.run(p);
        ASSERT_FALSE(done);
        EXPECT_EQ(done.id(), c.expected) << int(c.code) << " " << done.message();
        EXPECT_EQ(localPort.writtenCodes().back(), c.code);
        if (c.expected == msg::CommandDownloadError) {
            EXPECT_EQ(done.message(), "Subnet 1Modbus command configures 1 download error");
        }
    }
}

TEST_F(SequenceTest, WrongDeviceTypeClosesThePort) {
    gateway.deviceType = 5;
    const Outcome done = download();
    EXPECT_EQ(done.id(), msg::DeviceTypeMismatch);
    EXPECT_FALSE(port.isOpen());
    // Pressing Download again on the closed port times out at the first request.
    EXPECT_EQ(download().id(), msg::ReadDeviceTypeTimeout);
}

TEST_F(SequenceTest, RejectedClearIsReportedAndTheDownloadGoesOn) {
    addCommands(1);
    gateway.overrides[0x14].push_back({{{5, buildFrame(0x94, Bytes{1, 0})}}});
    ASSERT_TRUE(download());
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{"Clear command error"});
    EXPECT_EQ(port.writtenCodes().back(), 0x10);
}

TEST_F(SequenceTest, OptionalBlockReplyChecks) {
    project.device.doubleFault = true;
    gateway.overrides[0x32].push_back({{{5, Bytes{0x32, 0x01}}}});
    EXPECT_EQ(download().id(), msg::ConfigParametersError);
    gateway.overrides[0x32].push_back({});
    EXPECT_EQ(download().id(), msg::ConfigParametersTimeout);

    project.device.doubleFault = false;
    project.device.profibusData = true;
    gateway.overrides[0x34].push_back({{{5, Bytes{0x34, 0x00, 0x35}}}});
    EXPECT_EQ(download().id(), msg::ProfibusDownloadFailed);
    gateway.overrides[0x34].push_back({});
    EXPECT_EQ(download().id(), msg::ProfibusDownloadFailed);
}

TEST_F(SequenceTest, NodeCheckNeedsEveryAddress) {
    EXPECT_TRUE(checkNodeAddresses(project.store));
    project.store.subnets[2].nodeCount = 1;
    project.store.subnets[2].nodes[0].address = "-1";
    EXPECT_EQ(checkNodeAddresses(project.store).message(), "Node address can not be empty!");
    project.store.subnets[2].nodes[0].address = "";
    EXPECT_FALSE(checkNodeAddresses(project.store));
}

TEST_F(SequenceTest, UploadReadsPacketsByCommandCount) {
    const std::pair<int, Bytes> cases[] = {
        {0, {0x01, 0x22, 0x04, 0x15, 0x16}},
        {6, {0x01, 0x22, 0x04, 0x15, 0x16}},
        {7, {0x01, 0x22, 0x04, 0x15, 0x16, 0x16}},
        {48, {0x01, 0x22, 0x04, 0x15, 0x16, 0x16, 0x16, 0x16, 0x16, 0x16, 0x16, 0x16}},
    };
    for (const auto& [count, codes] : cases) {
        FakeClock localClock;
        ScriptedPort localPort(localClock);
        FakeGateway gw;
        for (int k = 0; k < count; ++k)
            gw.commands[static_cast<uint8_t>(k)] =
                Bytes{static_cast<uint8_t>(k % 5 + 1), 3, 0, 0, 0, 1, 0, 0, 0, 0, 0};
        localPort.setResponder([&gw](const Bytes& r) { return gw.reply(r); });
        TransferView v;
        Project p = makeNewProject();
        UploadSequence sequence(localPort, localClock, v);
        const Outcome done = sequence.run(p);
        ASSERT_TRUE(done) << done.message();
        EXPECT_EQ(localPort.writtenCodes(), codes) << count;
        EXPECT_EQ(p.store.subnets[0].commandCount, count);
        EXPECT_EQ(p.store.subnets[0].nodeCount, std::min(count, 5));
        EXPECT_EQ(v.lineB, "Uploading is successful!");
        EXPECT_TRUE(p.marks.modified);
        EXPECT_TRUE(p.marks.upload);
        EXPECT_TRUE(p.marks.loaded);
        EXPECT_EQ(localPort.written()[4], (Bytes{0x16, 0x02, 0x00, 0x00, 0x18}));
    }
}

TEST_F(SequenceTest, UploadOfNonMasterSubnetSkipsTheCommands) {
    gateway.subnetBlock[0] = 1;
    ASSERT_TRUE(upload());
    EXPECT_EQ(port.writtenCodes(), (Bytes{0x01, 0x22, 0x04}));
    EXPECT_EQ(project.store.subnets[0].protocolMode, text::ModbusSlave);
    EXPECT_EQ(project.store.fieldbus.stationAddress, "9");
    EXPECT_EQ(project.store.fieldbus.fieldbusBaud, "250K");
}

TEST_F(SequenceTest, UploadOptionalBlocksAreStored) {
    project.device.commandStatus = true;
    project.device.profibusData = true;
    gateway.firmware = 40;
    ASSERT_TRUE(upload());
    EXPECT_EQ(port.writtenCodes(), (Bytes{0x01, 0x22, 0x04, 0x15, 0x16, 0x33, 0x35}));
    EXPECT_EQ(project.store.subnets[0].master.timeoutAction, "Timeout cleared");
    EXPECT_EQ(project.store.subnets[0].master.timeoutCount, "4");
    EXPECT_EQ(project.store.fieldbus.profibusConfigData, "d1 e1 ");
}

TEST_F(SequenceTest, FailedUploadLeavesStoreAndFlagsAsTheyWere) {
    project.device.commandStatus = true;
    project.device.profibusData = true;
    addCommands(4);
    project.store.fieldbus.stationAddress = "42";
    gateway.firmware = 45;
    gateway.commands[0] = Bytes(11, 1);
    const Project before = project;
    const auto sameAsBefore = [&] {
        EXPECT_EQ(project.store, before.store);
        EXPECT_EQ(project.device, before.device);
        EXPECT_FALSE(project.marks.modified);
        EXPECT_FALSE(project.marks.upload);
    };

    struct Case {
        uint8_t code;
        Bytes reply;
        MessageId expected;
    };
    const Case cases[] = {
        {0x01, {}, msg::UploadError},
        {0x22, {0x22, 0x04}, msg::ReadDeviceNetError},
        {0x04, {}, msg::ReadModbusParametersError},
        {0x15, buildFrame(0x95, Bytes{1, 0}), msg::ReadCommandCountError},
        {0x16, {0x16, 0x0D}, msg::ReadCommandPacketError},
        {0x33, {0x34, 0x01, 0x04}, msg::ConfigParametersError},
        {0x33, {}, msg::ConfigParametersTimeout},
        {0x35, {0x35, 0x08}, msg::ProfibusUploadFailed},
    };
    for (const Case& c : cases) {
        gateway.overrides[c.code].push_back(c.reply.empty() ? ScriptedPort::Reply{}
                                                            : ScriptedPort::Reply{{{5, c.reply}}});
        shown.clear();
        const Outcome done = upload();
        ASSERT_FALSE(done);
        EXPECT_EQ(done.id(), c.expected) << int(c.code);
        sameAsBefore();
        if (c.code == 0x22 || c.code == 0x04 || c.code == 0x15 || c.code == 0x16) {
            EXPECT_FALSE(view.stepLinesVisible);
            EXPECT_EQ(view.lineB, "");
        }
        if (c.code == 0x16) {
            EXPECT_EQ(done.message(), "Modbus read command packet 0 error list");
        }
    }
}

TEST_F(SequenceTest, UploadRefusesDeviceTypeFive) {
    gateway.deviceType = 5;
    EXPECT_EQ(upload().id(), msg::UploadError);
    EXPECT_TRUE(port.isOpen());
    project.device.doubleFault = true;
    EXPECT_EQ(upload().id(), msg::DeviceTypeMismatch);
    EXPECT_FALSE(port.isOpen());
}

TEST_F(SequenceTest, DownloadThenUploadGivesTheSameTransferredValues) {
    addCommands(13);
    project.store.subnets[0].commands[5].slaveAddress = "4";
    project.store.fieldbus.stationAddress = "17";
    ASSERT_TRUE(download());
    Project target = makeNewProject();
    UploadSequence sequence(port, clock, view);
    ASSERT_TRUE(sequence.run(target));
    const CONFIG& a = project.store.subnets[0];
    const CONFIG& b = target.store.subnets[0];
    ASSERT_EQ(b.commandCount, 13);
    EXPECT_EQ(b.nodeCount, 2);
    for (int k = 0; k < 13; ++k) {
        const auto& x = a.commands[static_cast<size_t>(k)];
        const auto& y = b.commands[static_cast<size_t>(k)];
        EXPECT_EQ(x.slaveAddress, y.slaveAddress);
        EXPECT_EQ(x.startAddress, y.startAddress);
        EXPECT_EQ(x.mapAddress, y.mapAddress);
        EXPECT_EQ(y.nodeNumber, k == 5 ? 2 : 1);
    }
}

} // namespace
} // namespace brenmoor
