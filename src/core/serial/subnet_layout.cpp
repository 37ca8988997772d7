#include "core/serial/subnet_layout.h"

#include "core/resources/messages_compare.h"
#include "core/resources/messages_editor.h"
#include "core/serial/frame.h"

#include <array>
#include <optional>

namespace brenmoor {

namespace {

template <auto Text> constexpr TextRef<CONFIG> master = at<&CONFIG::master, Text>;
template <auto Text> constexpr TextRef<CONFIG> slave = at<&CONFIG::slave, Text>;
template <auto Text> constexpr TextRef<CONFIG> custom = at<&CONFIG::custom, Text>;
template <auto Text> constexpr TextRef<CONFIG> common = at<&CONFIG::common, Text>;

template <size_t A, size_t B>
constexpr std::array<Field<CONFIG>, A + B> join(const std::array<Field<CONFIG>, A>& a,
                                                const std::array<Field<CONFIG>, B>& b) {
    std::array<Field<CONFIG>, A + B> out{};
    for (size_t i = 0; i < A; ++i)
        out[i] = a[i];
    for (size_t i = 0; i < B; ++i)
        out[A + i] = b[i];
    return out;
}

// The line settings every group has, each from its own texts.
constexpr std::array<Field<CONFIG>, 4> line(TextRef<CONFIG> baud, TextRef<CONFIG> dataBits,
                                            TextRef<CONFIG> parity, TextRef<CONFIG> stopBits) {
    return {{
        // The gateway has no code for 4800: it goes out as 300.
        {{1, 1, msg::LabelBaudRate, Encoding::Table, kSubnetBauds}, baud},
        {{2, 1, msg::LabelDataBits, Encoding::TwoCodes, kDataBits}, dataBits},
        {{3, 1, msg::LabelParityCheck, Encoding::Table, kParities}, parity},
        {{4, 1, msg::LabelStopBits, Encoding::TwoCodes, kStopBits}, stopBits},
    }};
}

constexpr Field<CONFIG> kProtocol{{0, 1, msg::LabelProtocolsMode, Encoding::Table, kProtocolModes},
                                  at<&CONFIG::protocolMode>};

constexpr auto kMaster = join(
    line(master<&MASTERPARAM::masterBaud>, master<&MASTERPARAM::masterDataBits>,
         master<&MASTERPARAM::masterParity>, master<&MASTERPARAM::masterStopBits>),
    std::array<Field<CONFIG>, 7>{{
        {{6, 1, msg::LabelTransmissionMode, Encoding::TwoCodes, kTransmissions},
         master<&MASTERPARAM::masterTransmission>},
        {{7, 2, msg::LabelResponseTimeout, Encoding::Word}, master<&MASTERPARAM::responseTimeout>},
        {{9, 1, msg::LabelPollDelay, Encoding::Tens}, master<&MASTERPARAM::pollDelay>},
        {{10, 1, msg::LabelOutputMode, Encoding::Table, kOutputModes},
         master<&MASTERPARAM::outputMode>},
        {{11, 1, msg::LabelOutputPulse, Encoding::Tens},
         master<&MASTERPARAM::outputPulse>,
         {},
         Travel::ReadForPulseOutput},
        {{12, 1, msg::LabelScanRate, Encoding::Number}, master<&MASTERPARAM::scanRate>},
        {{13, 1, msg::LabelCommandStatus, Encoding::StatusBytes},
         master<&MASTERPARAM::commandStatus>,
         {},
         Travel::ReadWithCommandStatus},
    }});

constexpr auto kSlave =
    join(line(slave<&SLAVEPARAM::slaveBaud>, slave<&SLAVEPARAM::slaveDataBits>,
              slave<&SLAVEPARAM::slaveParity>, slave<&SLAVEPARAM::slaveStopBits>),
         std::array<Field<CONFIG>, 2>{{
             {{5, 1, msg::LabelSlaveAddress, Encoding::Number}, slave<&SLAVEPARAM::slaveAddress>},
             {{6, 1, msg::LabelTransmissionMode, Encoding::TwoCodes, kTransmissions},
              slave<&SLAVEPARAM::slaveTransmission>},
         }});

constexpr auto kCustom =
    line(custom<&CUSTOMPARAM::customBaud>, custom<&CUSTOMPARAM::customDataBits>,
         custom<&CUSTOMPARAM::customParity>, custom<&CUSTOMPARAM::customStopBits>);

constexpr auto kCommon = join(
    line(common<&COMMONPARAM::commonBaud>, common<&COMMONPARAM::commonDataBits>,
         common<&COMMONPARAM::commonParity>, common<&COMMONPARAM::commonStopBits>),
    std::array<Field<CONFIG>, 6>{{
        {{13, 1, msg::LabelFrameControl, Encoding::Switch, kFrameControls},
         common<&COMMONPARAM::frameControl>},
        {{14, 2, msg::LabelCharTimeout, Encoding::Word}, common<&COMMONPARAM::charTimeout>},
        {{16, 1, msg::LabelCharCount, Encoding::Number}, common<&COMMONPARAM::charCount>},
        {{17, 1, msg::LabelAutoSend, Encoding::Switch, kSwitchStates},
         common<&COMMONPARAM::autoSend>},
        {{18, 2, msg::LabelAutoSendCycle, Encoding::Word}, common<&COMMONPARAM::autoSendCycle>},
        {{20, 1, msg::LabelUseCrc, Encoding::Switch, kSwitchStates}, common<&COMMONPARAM::useCrc>},
    }});

constexpr std::array<Field<CONFIG>, 2> kShared{{
    {{21, 1, msg::LabelCommInterface, Encoding::Switch, kInterfaces},
     common<&COMMONPARAM::commInterface>},
    {{21, 1, msg::LabelDebugInterface, Encoding::Switch, kDebugInterfaces},
     common<&COMMONPARAM::debugInterface>,
     {},
     Travel::ReadOnly},
}};

// What one block of each group sends: the protocol byte, the group's
// fields and the shared ones.
template <size_t N> constexpr bool sendable(const std::array<Field<CONFIG>, N>& group) {
    const auto block = join(join(std::array<Field<CONFIG>, 1>{kProtocol}, group), kShared);
    return apart(block) && fitsIn(block, kSubnetBlockSize);
}
static_assert(sendable(kMaster) && sendable(kSlave) && sendable(kCustom) && sendable(kCommon));

// The custom protocol's block is never read for its interface.
constexpr std::array<SubnetGroup, 4> kGroups{{
    {0, kMaster, true},
    {1, kSlave, true},
    {2, kCustom, false},
    {3, kCommon, true},
}};

const SubnetGroup* groupOfCode(std::optional<uint8_t> code) {
    if (code)
        for (const SubnetGroup& g : kGroups)
            if (g.protocol == *code)
                return &g;
    return nullptr;
}

} // namespace

const Field<CONFIG>& protocolField() {
    return kProtocol;
}

std::span<const SubnetGroup> subnetGroups() {
    return kGroups;
}

std::span<const Field<CONFIG>> sharedSubnetFields() {
    return kShared;
}

const SubnetGroup* groupOfMode(std::string_view protocolMode) {
    return groupOfCode(codeOf(kProtocol.bytes.table, protocolMode));
}

const SubnetGroup* groupOfBlock(std::span<const uint8_t> block) {
    const uint8_t code = block[kProtocol.bytes.first];
    return textOf(kProtocol.bytes.table, code) ? groupOfCode(code) : nullptr;
}

} // namespace brenmoor
