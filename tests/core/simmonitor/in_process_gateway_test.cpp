// The simulated gateway inside the program, as the desktop's --simulate
// runs it where there are no pseudo-terminals.
#include "core/jobs/download_job.h"
#include "core/jobs/transfer_jobs.h"
#include "fake_clock.h"
#include "recording_prompter.h"
#include "sim/in_process_gateway.h"

#include <gtest/gtest.h>

namespace brenmoor::sim {
namespace {

class RefusingOpener : public PortOpener {
  public:
    std::vector<std::string> asked;
    PortOpenResult open(const std::string& name, const LineSettings&) override {
        asked.push_back(name);
        return {};
    }
};

GatewayEngine autoEngine() {
    GatewayOptions options;
    options.mode = GatewayMode::Auto;
    return GatewayEngine(options);
}

TEST(InProcessGateway, DownloadsAndUploadsThroughTheOpener) {
    FakeClock clock;
    InProcessGateway gateway("SIMULATED", autoEngine(), clock);
    auto system = std::make_unique<RefusingOpener>();
    RefusingOpener& systemOpener = *system;
    const std::unique_ptr<PortOpener> opener = gateway.opener(std::move(system));

    EXPECT_FALSE(openConfigPort(*opener, "COM3", LineSettings{}).port);
    EXPECT_EQ(systemOpener.asked, std::vector<std::string>{"COM3"});

    OpenedPort opened = openConfigPort(*opener, "SIMULATED", LineSettings{});
    ASSERT_TRUE(opened.port);
    EXPECT_FALSE(openConfigPort(*opener, "SIMULATED", LineSettings{}).port)
        << "a device is open to one port at a time";

    Project project = makeNewProject();
    project.store.fieldbus.stationAddress = "17";
    test::RecordingPrompter prompter;
    TransferView view;
    const DownloadResult downloaded =
        DownloadJob::transfer(*opened.port, clock, prompter, project, true, view);
    EXPECT_TRUE(downloaded.combined().ok()) << downloaded.combined().message();

    const UploadResult uploaded = uploadConfiguration(*opened.port, clock, makeNewProject(), view);
    ASSERT_TRUE(uploaded.outcome.ok()) << uploaded.outcome.message();
    EXPECT_EQ(uploaded.project.store.fieldbus.stationAddress, "17");

    opened.port->closePort();
    EXPECT_TRUE(openConfigPort(*opener, "SIMULATED", LineSettings{}).port);
}

TEST(InProcessGateway, PlaysTheMonitorAtItsSpeed) {
    FakeClock clock;
    InProcessGateway gateway("SIMULATED", autoEngine(), clock);

    std::unique_ptr<SerialPort> config = gateway.open(LineSettings{});
    clock.advance(5000);
    EXPECT_EQ(config->queryStatus(), 0u) << "the configuration protocol speaks when spoken to";
    config->closePort();

    std::unique_ptr<SerialPort> monitor = gateway.open(kMonitorLineSettings);
    clock.advance(5000);
    EXPECT_GT(monitor->queryStatus(), 0u) << "the monitor reports records unasked";
}

} // namespace
} // namespace brenmoor::sim
