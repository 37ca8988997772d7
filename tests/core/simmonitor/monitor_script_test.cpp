#include "sim/monitor_script.h"

#include "core/monitor/monitor_record.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace brenmoor::sim {
namespace {

TEST(MonitorScriptTest, ReadsNamesNumbersCommentsAndOutputItems) {
    const auto script = parseMonitorScript("# a comment line\r\n"
                                           "\n"
                                           "ok 5 16 0a 0B 0c   # trailing comment\r\n"
                                           "\tabnormal\t5\t16\t02\n"
                                           "hidden 1 0\n"
                                           "7 255 65535 ff out:4000:4 out:406f:1");
    ASSERT_TRUE(script.ok()) << script.error;
    ASSERT_EQ(script.records.size(), 4u);

    const auto& first = script.records[0];
    EXPECT_EQ(first.state, 0);
    EXPECT_EQ(first.slaveAddress, 5);
    EXPECT_EQ(first.startingAddress, 16);
    ASSERT_EQ(first.data.size(), 3u);
    EXPECT_EQ(first.data[1].byte, 0x0B);
    EXPECT_EQ(script.records[1].state, 1);
    EXPECT_EQ(script.records[2].state, 255);
    EXPECT_TRUE(script.records[2].data.empty());

    const auto& last = script.records[3];
    EXPECT_EQ(last.state, 7);
    EXPECT_EQ(last.slaveAddress, 255);
    EXPECT_EQ(last.startingAddress, 65535);
    ASSERT_EQ(last.data.size(), 3u);
    EXPECT_TRUE(last.data[1].fromOutput);
    EXPECT_EQ(last.data[1].address, 0x4000);
    EXPECT_EQ(last.data[1].count, 4);
    EXPECT_EQ(last.data[2].address, 0x406F);
    EXPECT_EQ(last.dataSize(), 6u);
}

TEST(MonitorScriptTest, NamesTheFirstBadLineAndKeepsNoRecords) {
    struct Case {
        std::string line;
        std::string why;
    };
    const Case cases[] = {
        {"ok 5", "a record needs STATE SLAVE START"},
        {"fine 5 16", "unknown state 'fine'"},
        {"OK 5 16", "unknown state 'OK'"},
        {"256 5 16", "unknown state '256'"},
        {"-1 5 16", "unknown state '-1'"},
        {"ok 256 16", "slave address '256' is not 0-255"},
        {"ok 0x5 16", "slave address '0x5' is not 0-255"},
        {"ok 5 65536", "starting address '65536' is not 0-65535"},
        {"ok 5 1e3", "starting address '1e3' is not 0-65535"},
        {"ok 5 16 a", "data byte 'a' is not two hex digits"},
        {"ok 5 16 0g", "data byte '0g' is not two hex digits"},
        {"ok 5 16 123", "data byte '123' is not two hex digits"},
        {"ok 5 16 +1", "data byte '+1' is not two hex digits"},
        {"ok 5 16 out:4000", "'out:4000' is not out:ADDR:N"},
        {"ok 5 16 out:4000:0", "'out:4000:0' is not out:ADDR:N"},
        {"ok 5 16 out:zz:1", "'out:zz:1' is not out:ADDR:N"},
        {"ok 5 16 out:3fff:1", "'out:3fff:1' reaches outside the output area 4000-406F"},
        {"ok 5 16 out:406f:2", "'out:406f:2' reaches outside the output area 4000-406F"},
        {"ok 5 16 out:4000:196", "'out:4000:196' is not out:ADDR:N"},
    };
    for (const auto& c : cases) {
        const auto script = parseMonitorScript("ok 1 1\n# fine so far\n" + c.line + "\nok 2 2\n");
        EXPECT_EQ(script.error, "line 3: " + c.why) << c.line;
        EXPECT_TRUE(script.records.empty()) << c.line;
    }
}

TEST(MonitorScriptTest, DataMustFitOneReadOfTheMonitor) {
    std::string line = "ok 1 1";
    for (size_t i = 0; i < kMaxScriptDataBytes; ++i)
        line += " 00";
    EXPECT_TRUE(parseMonitorScript(line).ok());
    EXPECT_EQ(parseMonitorScript(line + " 00").error, "line 1: more than 195 data bytes");
    // Output items count by the bytes they read, not as one item.
    EXPECT_EQ(parseMonitorScript("ok 1 1 out:4000:100 out:4000:96").error,
              "line 1: more than 195 data bytes");
}

TEST(MonitorScriptTest, AScriptWithoutRecordsIsRefused) {
    EXPECT_EQ(parseMonitorScript("").error, "the script holds no record");
    EXPECT_EQ(parseMonitorScript("# only\n\n   \n").error, "the script holds no record");
}

TEST(MonitorScriptTest, FilesAreReadWithTheirNameInErrors) {
    test::TempDir dir;
    const std::string good = dir.file("good.txt");
    test::writeBytes(good, {'o', 'k', ' ', '1', ' ', '2', '\n'});
    const auto loaded = loadMonitorScript(good);
    ASSERT_TRUE(loaded.ok()) << loaded.error;
    EXPECT_EQ(loaded.records.size(), 1u);

    const std::string bad = dir.file("bad.txt");
    test::writeBytes(bad, {'o', 'k', '\n'});
    EXPECT_EQ(loadMonitorScript(bad).error, bad + ": line 1: a record needs STATE SLAVE START");
    EXPECT_EQ(loadMonitorScript(dir.file("missing.txt")).error,
              "cannot read " + dir.file("missing.txt"));
    EXPECT_EQ(loadMonitorScript(dir.path().string()).error, "cannot read " + dir.path().string());

    const std::string huge = dir.file("huge.txt");
    test::writeBytes(huge, std::vector<uint8_t>(kMaxScriptFileBytes + 1, '#'));
    EXPECT_EQ(loadMonitorScript(huge).error, huge + " is larger than 1048576 bytes");
}

TEST(MonitorScriptTest, DefaultCycleShowsEveryTextOfTheMonitor) {
    const auto cycle = defaultMonitorCycle();
    ASSERT_TRUE(cycle.ok()) << cycle.error;
    std::set<std::string> stateTexts;
    std::set<uint8_t> exceptionCodes;
    bool hidden = false;
    bool dropped = false;
    bool readsOutput = false;
    for (const auto& record : cycle.records) {
        const monitor::RecordKind kind = monitor::recordKind(record.state);
        hidden |= kind == monitor::RecordKind::Hidden;
        dropped |= kind == monitor::RecordKind::Invalid;
        if (kind == monitor::RecordKind::Shown)
            stateTexts.emplace(monitor::stateText(record.state));
        if (record.state == monitor::kStateAbnormal) {
            ASSERT_FALSE(record.data.empty());
            exceptionCodes.insert(record.data[0].byte);
        }
        for (const auto& item : record.data)
            readsOutput |= item.fromOutput && item.address == kOutputAreaFirst;
    }
    EXPECT_EQ(stateTexts.size(), 4u);
    EXPECT_EQ(exceptionCodes, (std::set<uint8_t>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_TRUE(hidden);
    EXPECT_TRUE(dropped);
    EXPECT_TRUE(readsOutput);
    // The first record is the monitor's own example.
    ASSERT_FALSE(cycle.records.empty());
    EXPECT_EQ(cycle.records[0].slaveAddress, 5);
    EXPECT_EQ(cycle.records[0].startingAddress, 16);
    EXPECT_EQ(parseMonitorScript(defaultMonitorCycleText()).records.size(), cycle.records.size());
}

} // namespace
} // namespace brenmoor::sim

namespace brenmoor::sim {
namespace {

TEST(MonitorScriptTest, PatternsSlaveRangesAndChangingData) {
    const auto script =
        parseMonitorScript("ok/ok/abnormal:2/timeout 1-3 100 inc:0010:-1 sine:100:4 "
                           "rand:3 out:4000:2\n");
    ASSERT_TRUE(script.ok()) << script.error;
    ASSERT_EQ(script.records.size(), 3u);
    EXPECT_EQ(script.records[2].slaveAddress, 3);
    const auto& record = script.records[0];
    EXPECT_EQ(record.state, 0);
    EXPECT_EQ(record.pattern,
              (std::vector<ScriptState>{{0, {}}, {0, {}}, {1, uint8_t{2}}, {3, {}}}));
    EXPECT_EQ(record.dataSize(), 2u + 2u + 3u + 2u);
    EXPECT_EQ(record.data[0].kind, ScriptData::Kind::Counter);
    EXPECT_EQ(record.data[0].first, 0x10);
    EXPECT_EQ(record.data[0].step, -1);
    EXPECT_TRUE(parseMonitorScript("ok 5 16").records[0].pattern.empty());
}

TEST(MonitorScriptTest, NewFormsNameWhatIsWrong) {
    struct Case {
        std::string line;
        std::string why;
    };
    const Case cases[] = {
        {"ok/fine 5 16", "unknown state 'fine'"},
        {"ok/ 5 16", "unknown state ''"},
        {"ok:02 5 16", "unknown state 'ok:02'"},
        {"abnormal:100 5 16", "unknown state 'abnormal:100'"},
        {"ok 5-3 16", "slave address '5-3' is not 0-255"},
        {"ok 1-256 16", "slave address '1-256' is not 0-255"},
        {"ok 5 16 inc:10000:1", "'inc:10000:1' is not inc:HHHH:STEP"},
        {"ok 5 16 inc:0:1:2", "'inc:0:1:2' is not inc:HHHH:STEP"},
        {"ok 5 16 sine:100:0", "'sine:100:0' is not sine:AMP:PERIOD"},
        {"ok 5 16 sine:40000:4", "'sine:40000:4' is not sine:AMP:PERIOD"},
        {"ok 5 16 rand:0", "'rand:0' is not rand:N"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parseMonitorScript(c.line).error, "line 1: " + c.why) << c.line;

    std::string many;
    for (int i = 0; i < 257; ++i)
        many += "ok 0-255 1\n";
    EXPECT_EQ(parseMonitorScript(many).error, "line 257: more than 65536 records");
}

} // namespace
} // namespace brenmoor::sim
