// The monitor as a diagnostic instrument: what the driver's observer makes
// of the records a tick or a Send reads (the log, the statistics, the
// matching to the project's commands, decoded values), on a fake clock.
#include "core/jobs/monitor_diagnostics.h"
#include "core/model/project.h"
#include "core/monitor/log_folder.h"

#include "fake_clock.h"
#include "scripted_port.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace brenmoor::monitor {
namespace {

using Bytes = std::vector<uint8_t>;
namespace fs = std::filesystem;

void addNode(ParameterStore& store, const std::string& address) {
    CONFIG& subnet = store.subnets[0];
    NODE& node = subnet.nodes[static_cast<size_t>(subnet.nodeCount++)];
    node.address = address;
    node.name = "Node-" + address;
}

void addCommand(ParameterStore& store, int node, const std::string& code, const std::string& start,
                const std::string& count, const std::string& swap = "No Swap") {
    CONFIG& subnet = store.subnets[0];
    INSTRUCTION& command = subnet.commands[static_cast<size_t>(subnet.commandCount++)];
    command.nodeNumber = node;
    command.slaveAddress = subnet.nodes[static_cast<size_t>(node - 1)].address;
    command.functionCode = code;
    command.startAddress = start;
    command.dataCount = count;
    command.swapMode = swap;
}

// Node-5 reads two holding registers and eight coils from address 16 (one
// address, told apart by the response's size), Node-7 one input register
// from 100 as a 32-bit value.
ParameterStore plant() {
    ParameterStore store = makeNewProject().store;
    addNode(store, "5");
    addNode(store, "7");
    addCommand(store, 1, "3", "16", "2");
    addCommand(store, 1, "1", "16", "8");
    addCommand(store, 2, "4", "100", "2", "Four Bytes Swap");
    return store;
}

std::string fileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    size_t at = 0;
    while (at < text.size()) {
        const size_t end = text.find("\r\n", at);
        out.push_back(text.substr(at, end - at));
        at = end == std::string::npos ? text.size() : end + 2;
    }
    return out;
}

class MonitorDiagnosticsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // Times in the log are local; the tests read them in UTC.
#ifdef _WIN32
        _putenv_s("TZ", "UTC0");
        _tzset();
#else
        setenv("TZ", "UTC0", 1);
        tzset();
#endif
    }

    // Reads `bytes` in one tick, `ms` after the previous one.
    MonitorStep read(const Bytes& bytes, int64_t ms = 200) {
        clock.advance(ms);
        port.injectNow(bytes);
        return driver.tick(&port).step;
    }

    FakeClock clock;
    ScriptedPort port{clock};
    MonitorSession session;
    MonitorDriver driver{session, clock};
    ParameterStore store = plant();
    MonitorDiagnostics diagnostics{clock, ProjectCommands(store)};
    test::TempDir dir;
};

TEST_F(MonitorDiagnosticsTest, RecordsAreMatchedToTheProjectsCommands) {
    driver.setObserver(&diagnostics);
    read({0x00, 0x07, 0x00, 0x64, 0x04, 0x00, 0x00, 0x01, 0x00}); // Node-7, 4 bytes
    read({0x00, 0x05, 0x00, 0x10, 0x04, 0x00, 0x2a, 0x00, 0x2b}); // the registers
    read({0x00, 0x09, 0x00, 0x00, 0x00});                         // no such slave
    const auto& entries = diagnostics.statistics().entries();
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(diagnostics.commandText(entries[0]), "Node-7 / Read Input Register (4)");
    EXPECT_EQ(diagnostics.lastValueText(entries[0]), "256");
    // Two commands at 5/16, and the four bytes fit only the registers.
    EXPECT_EQ(diagnostics.commandText(entries[1]), "Node-5 / Read Holding Registers (3)");
    EXPECT_EQ(diagnostics.lastValueText(entries[1]), "42 43");
    EXPECT_EQ(diagnostics.commandText(entries[2]), "not in the project");

    // A coil response at the same address: each record is still named by its
    // size, the address as a whole no longer is.
    read({0x00, 0x05, 0x00, 0x10, 0x01, 0x0d});
    EXPECT_EQ(diagnostics.commandText(entries[1]), "ambiguous");
    // A failure says nothing about the size.
    read({0x01, 0x05, 0x00, 0x10, 0x01, 0x02});
    EXPECT_EQ(diagnostics.commandText(entries[1]), "ambiguous");
}

TEST_F(MonitorDiagnosticsTest, ANodesAddressWinsOverTheCommandsStaleCopy) {
    store.subnets[0].nodes[1].address = "8"; // Node-7 renumbered, its command not refreshed
    const ProjectCommands commands(store);
    EXPECT_TRUE(commands.candidates(7, 100).empty());
    ASSERT_EQ(commands.candidates(8, 100).size(), 1u);
    // Commands a gateway cannot poll are left out.
    store.subnets[0].commands[0].startAddress = "";
    store.subnets[0].commands[1].functionCode = "9";
    EXPECT_TRUE(ProjectCommands(store).candidates(5, 16).empty());
}

TEST_F(MonitorDiagnosticsTest, StatisticsCountEveryStateAndExceptionAsJson) {
    driver.setObserver(&diagnostics);
    read({0x00, 0x05, 0x00, 0x10, 0x04, 0x00, 0x2a, 0x00, 0x2b});
    read({0x01, 0x05, 0x00, 0x10, 0x01, 0x02});
    read({0x01, 0x05, 0x00, 0x10, 0x01, 0x02});
    read({0x01, 0x05, 0x00, 0x10, 0x01, 0x09});
    read({0x02, 0x05, 0x00, 0x10, 0x02, 0x01, 0x83});
    read({0x03, 0x05, 0x00, 0x10, 0x00}, 1500);
    read({0xff, 0x05, 0x00, 0x10, 0x00});
    read({0x07, 0x05, 0x00, 0x10, 0x00});
    read({0x07, 0x05, 0x00, 0x10, 0x00});

    const CommandStatistics& entry = diagnostics.statistics().entries().at(0);
    EXPECT_EQ(entry.failures(), 5u);
    EXPECT_DOUBLE_EQ(entry.failureShare(), 5.0 / 6.0);
    EXPECT_EQ(diagnostics.statisticsCells(entry)[8], "02: 2, 09: 1");
    EXPECT_EQ(diagnostics.statisticsCells(entry)[3], "83.3 %");
    const std::string expected = R"json({
  "records": 9,
  "hidden": 1,
  "unknownState": 2,
  "commands": [
    {
      "slave": 5,
      "start": 16,
      "command": "Node-5 / Read Holding Registers (3)",
      "states": {
        "0": 1,
        "1": 3,
        "2": 1,
        "3": 1
      },
      "exceptions": {
        "2": 2,
        "9": 1
      },
      "first": "2024-05-01 12:00:00.200",
      "last": "2024-05-01 12:00:02.500",
      "lastValue": "42 43"
    }
  ]
}
)json";
    EXPECT_EQ(diagnostics.statisticsJson(), expected);

    diagnostics.chooseFormat(5, 16, {ValueType::Hex16});
    diagnostics.resetStatistics();
    EXPECT_TRUE(diagnostics.statistics().entries().empty());
    EXPECT_EQ(diagnostics.statistics().records(), 0u);
    read({0x00, 0x05, 0x00, 0x10, 0x02, 0x00, 0x2a});
    EXPECT_EQ(diagnostics.lastValueText(diagnostics.statistics().entries().at(0)), "002a")
        << "a chosen reading outlives the reset";
}

TEST_F(MonitorDiagnosticsTest, TheLogHasEveryRecordItsAnswerAndMonotonicTimes) {
    const std::string path = dir.file("log.csv");
    ASSERT_TRUE(diagnostics.logTo(path));
    driver.setObserver(&diagnostics);
    read({0x00, 0x05, 0x00, 0x10, 0x04, 0x00, 0x2a, 0x00, 0x2b});
    read({0xff, 0x05, 0x00, 0x10, 0x00});
    // Unknown: never answered. Two records in one read: the first is the
    // one the monitor answers and lists; the log keeps both.
    read({0x07, 0x05, 0x00, 0x10, 0x00});
    read({0x03, 0x07, 0x00, 0x64, 0x00, 0x01, 0x07, 0x00, 0x64, 0x01, 0x02});
    // Send answers the record it waited for with the write request.
    port.expectReply({0x00, 0x07, 0x00, 0x64, 0x04, 0x3f, 0xc0, 0x00, 0x00}, 0);
    port.writeBytes(Bytes{0x00});
    driver.send(&port, "4000", "00 01 ");
    // A record cut short: its data is what came.
    read({0x00, 0x09, 0x00, 0x00, 0x05, 0x01});

    EXPECT_EQ(
        lines(fileText(path)),
        (std::vector<std::string>{
            "time,elapsed_ms,bytes,state,state_text,slave,start,count,data,answer,listed,command,"
            "type,value",
            "2024-05-01 12:00:00.200,200,00 05 00 10 04 00 2a 00 2b,0,Correct response,5,16,4,"
            "00 2a 00 2b ,continue,yes,Node-5 / Read Holding Registers (3),uint16,42 43",
            "2024-05-01 12:00:00.400,400,ff 05 00 10 00,255,,5,16,0,,continue,no,ambiguous,,",
            "2024-05-01 12:00:00.600,600,07 05 00 10 00,7,,5,16,0,,none,no,ambiguous,,",
            "2024-05-01 12:00:00.800,800,03 07 00 64 00,3,Response Timeout,7,100,0,"
            "No response to the node,continue,yes,Node-7 / Read Input Register (4),,",
            "2024-05-01 12:00:00.800,800,01 07 00 64 01 02,1,Abnormal response,7,100,1,"
            "02 (Illegal Data Address),none,no,Node-7 / Read Input Register (4),,",
            "2024-05-01 12:00:00.900,900,00 07 00 64 04 3f c0 00 00,0,Correct response,7,100,4,"
            "3f c0 00 00 ,write 4000: 00 01,yes,Node-7 / Read Input Register (4),int32 ABCD,"
            "1069547520",
            "2024-05-01 12:00:01.100,1100,00 09 00 00 05 01,0,Correct response,9,0,5,01 ,continue,"
            "yes,not in the project,uint16,[01]",
        }));
    // The list and the answers are the session's as ever.
    EXPECT_EQ(session.list().size(), 4u);
}

TEST_F(MonitorDiagnosticsTest, CsvFieldsAreQuotedOnlyWhereTheyMustBe) {
    EXPECT_EQ(csvField("plain text"), "plain text");
    EXPECT_EQ(csvField("Pump, north"), "\"Pump, north\"");
    EXPECT_EQ(csvField("say \"hi\""), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(csvField("two\r\nlines"), "\"two\r\nlines\"");
    EXPECT_EQ(answerText(Bytes{}), "none");
    EXPECT_EQ(answerText(Bytes{0x00}), "continue");
    EXPECT_EQ(answerText(Bytes{0x01, 0x40, 0x6f, 0x01, 0xff}), "write 406f: ff");
}

TEST_F(MonitorDiagnosticsTest, TheSessionLogFolderKeepsTheNewestSessionsUnderItsCap) {
#ifdef _WIN32
    const std::string root = "C:\\";
#else
    const std::string root = "/";
#endif
    const std::string state = root + "state";
    const std::string home = root + "home";
    EXPECT_EQ(monitorLogFolder(state.c_str(), home.c_str()), fs::path(state) / "brenmoor/monitor");
    EXPECT_EQ(monitorLogFolder("relative", home.c_str()),
              fs::path(home) / ".local/state/brenmoor/monitor");
    EXPECT_EQ(monitorLogFolder(nullptr, home.c_str()),
              fs::path(home) / ".local/state/brenmoor/monitor");
    EXPECT_FALSE(monitorLogFolder("", ""));

    const fs::path folder = dir.path() / "state" / "brenmoor" / "monitor";
    diagnostics.logToFolder(folder, 100);
    EXPECT_EQ(diagnostics.logPath(), (folder / "session-20240501-120000-000.csv").string());
    driver.setObserver(&diagnostics);
    read({}); // nothing read: no file yet
    EXPECT_FALSE(fs::exists(folder));

    fs::create_directories(folder);
    const auto write = [&folder](const std::string& name, size_t size) {
        std::ofstream(folder / name) << std::string(size, 'x');
    };
    write("session-20240430-080000-000.csv", 60);
    write("session-20240430-090000-000.csv", 60);
    write("notes.txt", 500);
    read({0x00, 0x09, 0x00, 0x00, 0x00});
    // The older session goes; with the new one the rest fits the cap.
    EXPECT_FALSE(fs::exists(folder / "session-20240430-080000-000.csv"));
    EXPECT_TRUE(fs::exists(folder / "session-20240430-090000-000.csv"));
    EXPECT_TRUE(fs::exists(folder / "notes.txt"));
    EXPECT_EQ(lines(fileText(diagnostics.logPath())).size(), 2u);
    // Growing past the cap on its own, the session is never cut.
    pruneSessionLogs(folder, 10, diagnostics.logPath());
    EXPECT_TRUE(fs::exists(diagnostics.logPath()));
    EXPECT_FALSE(fs::exists(folder / "session-20240430-090000-000.csv"));
}

TEST_F(MonitorDiagnosticsTest, ExportCopiesTheLogAndNamesAFileItCannotWrite) {
    const std::string exported = dir.file("export.csv");
    ASSERT_TRUE(diagnostics.exportLog(exported));
    EXPECT_EQ(lines(fileText(exported)).size(), 1u) << "the header alone before any record";

    diagnostics.logToFolder(dir.path() / "logs", kLogFolderCapBytes);
    driver.setObserver(&diagnostics);
    read({0x00, 0x09, 0x00, 0x00, 0x00});
    ASSERT_TRUE(diagnostics.exportLog(exported));
    EXPECT_EQ(fileText(exported), fileText(diagnostics.logPath()));

    const Outcome refused = diagnostics.exportLog(dir.path().string());
    EXPECT_EQ(refused.message(), "The log could not be written to " + dir.path().string() + ".");
}

TEST_F(MonitorDiagnosticsTest, ALogThatCannotBeOpenedSaysSoAndMonitoringGoesOn) {
    diagnostics.logToFolder(dir.path() / "file-not-folder" / "monitor", kLogFolderCapBytes);
    std::ofstream(dir.path() / "file-not-folder") << "x";
    driver.setObserver(&diagnostics);
    const MonitorStep step = read({0x00, 0x09, 0x00, 0x00, 0x00});
    EXPECT_FALSE(diagnostics.logState());
    EXPECT_EQ(step.answer, Bytes{0x00});
    EXPECT_EQ(diagnostics.statistics().records(), 1u);
}

TEST_F(MonitorDiagnosticsTest, AGarbledLineCannotGrowTheStatisticsWithoutBound) {
    driver.setObserver(&diagnostics);
    for (size_t i = 0; i <= MonitorStatistics::kMaxEntries; ++i)
        diagnostics.observe(
            Bytes{0x00, static_cast<uint8_t>(i >> 8), static_cast<uint8_t>(i), 0x00, 0x00}, {}, 0);
    EXPECT_EQ(diagnostics.statistics().entries().size(), MonitorStatistics::kMaxEntries);
    EXPECT_EQ(diagnostics.statistics().records(), MonitorStatistics::kMaxEntries + 1);
}

} // namespace
} // namespace brenmoor::monitor
