#include "core/model/project_file.h"

#include "core/model/archive_reader.h"
#include "core/model/archive_writer.h"
#include "core/model/file_io.h"
#include "core/resources/messages_model.h"
#include "core/resources/string_table.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace brenmoor {
namespace {

constexpr uint16_t kNewClassTag = 0xFFFF;
constexpr uint16_t kClassTag = 0x8000;
constexpr uint16_t kSchema = 1;
constexpr std::string_view kFieldbusClass = "FIELDBUS";
constexpr std::string_view kConfigClass = "CONFIG";

// Format versions from which a CONFIG object carries more items.
constexpr uint32_t kTailDataFilter = 233;
constexpr uint32_t kTailCommonMode = 243;
constexpr uint32_t kTailDoubleFault = 244;
constexpr uint32_t kTailModel11 = 245;
constexpr uint32_t kTailProfibus = 246;
constexpr uint32_t kTailCommandStatus = 300;
constexpr uint32_t kTailDelimiter = 312;

// Far above any real project; keeps a device node or a stray huge file from
// being read into memory.
constexpr size_t kMaxProjectFileSize = 256u << 20;

// The 33 texts between formatVersion and the counters, in file order.
#define TEXT(path) [](CONFIG& c) -> std::string& { return c.path; }
using ConfigText = std::string& (*)(CONFIG&);
const ConfigText kConfigTexts[] = {
    TEXT(protocolMode),           TEXT(master.masterBaud),       TEXT(master.masterDataBits),
    TEXT(master.masterParity),    TEXT(master.masterStopBits),   TEXT(master.masterTransmission),
    TEXT(master.responseTimeout), TEXT(master.pollDelay),        TEXT(master.outputMode),
    TEXT(master.outputPulse),     TEXT(master.scanRate),         TEXT(slave.slaveBaud),
    TEXT(slave.slaveDataBits),    TEXT(slave.slaveParity),       TEXT(slave.slaveStopBits),
    TEXT(slave.slaveAddress),     TEXT(slave.slaveTransmission), TEXT(common.commonBaud),
    TEXT(common.commonDataBits),  TEXT(common.commonParity),     TEXT(common.commonStopBits),
    TEXT(common.frameControl),    TEXT(common.charTimeout),      TEXT(common.charCount),
    TEXT(common.autoSend),        TEXT(common.autoSendCycle),    TEXT(common.useCrc),
    TEXT(common.commInterface),   TEXT(common.debugInterface),   TEXT(common.validLength),
    TEXT(custom.customBaud),      TEXT(custom.customDataBits),   TEXT(custom.customParity),
    TEXT(custom.customStopBits),
};
#undef TEXT

// FIELDBUS object: the profibus texts are not part of it, they trail the file.
constexpr std::string FIELDBUS::*kFieldbusTexts[] = {
    &FIELDBUS::fieldbusType, &FIELDBUS::stationAddress, &FIELDBUS::fieldbusBaud,
    &FIELDBUS::inputSize,    &FIELDBUS::outputSize,     &FIELDBUS::ipMode,
    &FIELDBUS::ipAddress,    &FIELDBUS::subnetMask,     &FIELDBUS::gatewayAddress,
    &FIELDBUS::dns1,         &FIELDBUS::dns2,
};

constexpr std::string INSTRUCTION::*kInstructionTexts[] = {
    &INSTRUCTION::slaveAddress, &INSTRUCTION::functionCode, &INSTRUCTION::startAddress,
    &INSTRUCTION::dataCount,    &INSTRUCTION::mapAddress,   &INSTRUCTION::bitOffset,
    &INSTRUCTION::byteCount,    &INSTRUCTION::swapMode,     &INSTRUCTION::checkType,
    &INSTRUCTION::scanType,
};

// ---- writing -------------------------------------------------------------

void writeFieldbus(ArchiveWriter& out, const FIELDBUS& fieldbus) {
    for (auto member : kFieldbusTexts)
        out.writeText(fieldbus.*member);
}

// The flag values are constants: a file this program writes never switches
// a feature on when it is read back.
void writeConfig(ArchiveWriter& out, const CONFIG& config, uint32_t version) {
    out.writeUInt32(version);
    for (auto text : kConfigTexts)
        out.writeText(text(const_cast<CONFIG&>(config)));
    out.writeInt32(config.nodeCount);
    out.writeInt32(config.commandCount);
    for (int n = 0; n < config.nodeCount; ++n) {
        out.writeText(config.nodes[n].address);
        out.writeText(config.nodes[n].name);
    }
    for (int c = 0; c < config.commandCount; ++c) {
        const INSTRUCTION& command = config.commands[c];
        for (auto member : kInstructionTexts)
            out.writeText(command.*member);
        out.writeInt32(command.nodeNumber);
    }
    if (version >= kTailDataFilter) {
        out.writeInt32(0);
        out.writeInt32(1);
    }
    if (version >= kTailCommonMode)
        out.writeInt32(0);
    if (version >= kTailDoubleFault) {
        out.writeInt32(0);
        out.writeText(config.doubleFaultClear);
    }
    if (version >= kTailModel11)
        out.writeInt32(1);
    if (version >= kTailProfibus)
        out.writeInt32(0);
    if (version >= kTailCommandStatus) {
        out.writeInt32(0);
        out.writeText(config.master.commandStatus);
        out.writeText(config.master.timeoutAction);
        out.writeText(config.master.timeoutCount);
    }
    if (version >= kTailDelimiter) {
        out.writeInt32(0);
        out.writeText(config.common.startChar);
        out.writeText(config.common.terminator);
    }
}

void writeClassHeader(ArchiveWriter& out, std::string_view name) {
    out.writeUInt16(kNewClassTag);
    out.writeUInt16(kSchema);
    out.writeUInt16(static_cast<uint16_t>(name.size()));
    for (char ch : name)
        out.writeByte(static_cast<uint8_t>(ch));
}

// ---- reading -------------------------------------------------------------

// The object stream's bookkeeping: classes and objects share one index space
// that starts at 1.
class ObjectStream {
  public:
    explicit ObjectStream(ArchiveReader& in) : in_(in) {}

    // Reads the tag in front of an object and checks that it introduces an
    // object of `expected`. Back-references and the missing object cannot be
    // records of this file, so they are refused like any other mismatch.
    bool readObjectTag(std::string_view expected) {
        uint16_t tag = 0;
        if (!in_.readUInt16(tag))
            return false;
        std::string_view className;
        if (tag == kNewClassTag) {
            uint16_t schema = 0;
            uint16_t nameLength = 0;
            if (!in_.readUInt16(schema) || !in_.readUInt16(nameLength))
                return false;
            if (schema != kSchema || nameLength > in_.remaining())
                return false;
            std::string name(nameLength, '\0');
            for (char& ch : name) {
                uint8_t byte = 0;
                if (!in_.readByte(byte))
                    return false;
                ch = static_cast<char>(byte);
            }
            if (name == kFieldbusClass)
                className = kFieldbusClass;
            else if (name == kConfigClass)
                className = kConfigClass;
            else
                return false;
            defineClass(className);
        } else if ((tag & kClassTag) != 0 && tag != kNewClassTag) {
            className = classAt(tag & ~kClassTag);
            if (className.empty())
                return false;
        } else {
            return false;
        }
        if (className != expected)
            return false;
        ++nextIndex_; // the object itself
        return true;
    }

  private:
    void defineClass(std::string_view name) { classes_[classCount_++] = {nextIndex_++, name}; }
    std::string_view classAt(uint32_t index) const {
        for (size_t i = 0; i < classCount_; ++i)
            if (classes_[i].index == index)
                return classes_[i].name;
        return {};
    }

    struct ClassEntry {
        uint32_t index = 0;
        std::string_view name;
    };
    ArchiveReader& in_;
    std::array<ClassEntry, 5> classes_{};
    size_t classCount_ = 0;
    uint32_t nextIndex_ = 1;
};

bool readFlag(ArchiveReader& in, bool& flag) {
    int32_t value = 0;
    if (!in.readInt32(value))
        return false;
    flag = value != 0;
    return true;
}

bool readFieldbus(ArchiveReader& in, FIELDBUS& fieldbus) {
    for (auto member : kFieldbusTexts)
        in.readText(fieldbus.*member);
    return !in.failed();
}

bool readConfig(ArchiveReader& in, CONFIG& config, DeviceSettings& device, uint32_t& version) {
    clearRecordFlags(device);
    in.readUInt32(version);
    for (auto text : kConfigTexts)
        in.readText(text(config));
    in.readInt32(config.nodeCount);
    in.readInt32(config.commandCount);
    if (in.failed())
        return false;
    // The store has 48 slots of each; a count beyond them cannot be held.
    if (config.nodeCount < 0 || config.nodeCount > kMaxNodes || config.commandCount < 0 ||
        config.commandCount > kMaxCommands)
        return false;
    for (int n = 0; n < config.nodeCount; ++n) {
        in.readText(config.nodes[n].address);
        in.readText(config.nodes[n].name);
    }
    for (int c = 0; c < config.commandCount; ++c) {
        INSTRUCTION& command = config.commands[c];
        for (auto member : kInstructionTexts)
            in.readText(command.*member);
        in.readInt32(command.nodeNumber);
    }
    if (version >= kTailDataFilter) {
        readFlag(in, device.dataFilter);
        readFlag(in, device.model12);
    }
    if (version >= kTailCommonMode)
        readFlag(in, device.commonMode);
    if (version >= kTailDoubleFault) {
        readFlag(in, device.doubleFault);
        in.readText(config.doubleFaultClear);
    }
    if (version >= kTailModel11)
        readFlag(in, device.model11);
    if (version >= kTailProfibus)
        readFlag(in, device.profibusData);
    if (version >= kTailCommandStatus) {
        readFlag(in, device.commandStatus);
        in.readText(config.master.commandStatus);
        in.readText(config.master.timeoutAction);
        in.readText(config.master.timeoutCount);
    }
    if (version >= kTailDelimiter) {
        readFlag(in, device.delimiter);
        in.readText(config.common.startChar);
        in.readText(config.common.terminator);
    }
    return !in.failed();
}

} // namespace

std::vector<uint8_t> serializeProject(const Project& project) {
    const ProjectRecords records = CopyToRecords(project.store);
    ArchiveWriter out;
    out.writeInt32(project.device.deviceFamily);
    out.writeInt32(project.device.modelCode);
    writeClassHeader(out, kFieldbusClass);
    writeFieldbus(out, records.fieldbus);
    writeClassHeader(out, kConfigClass);
    writeConfig(out, records.configs[0], project.formatVersion);
    for (int s = 1; s < kSubnetCount; ++s) {
        out.writeUInt16(kClassTag | 3); // CONFIG is class index 3
        writeConfig(out, records.configs[s], project.formatVersion);
    }
    if (project.formatVersion >= kTailProfibus) {
        out.writeText(project.store.fieldbus.profibusConfigMode);
        out.writeText(project.store.fieldbus.profibusConfigData);
    }
    return out.take();
}

std::optional<LoadedProject> parseProject(std::span<const uint8_t> bytes,
                                          const DeviceSettings& before) {
    ArchiveReader in(bytes);
    LoadedProject loaded;
    loaded.device = before;
    int32_t family = 0;
    int32_t model = 0;
    if (!in.readInt32(family) || !in.readInt32(model))
        return std::nullopt;
    // This program configures one gateway only, whatever the file says.
    loaded.device.deviceFamily = kDeviceNetFamily;
    loaded.device.modelCode = kCorvanPlusModel;

    ObjectStream objects(in);
    if (!objects.readObjectTag(kFieldbusClass) || !readFieldbus(in, loaded.records.fieldbus))
        return std::nullopt;
    for (CONFIG& config : loaded.records.configs) {
        if (!objects.readObjectTag(kConfigClass) ||
            !readConfig(in, config, loaded.device, loaded.formatVersion))
            return std::nullopt;
    }
    if (loaded.formatVersion >= kTailProfibus) {
        in.readText(loaded.profibusConfigMode);
        in.readText(loaded.profibusConfigData);
        if (in.failed())
            return std::nullopt;
    }
    setModelFlagsFromCode(loaded.device);
    // The slots a file does not fill hold what a reset store holds, so that a
    // configuration saved and read again is the same store, unused slots too.
    for (CONFIG& config : loaded.records.configs) {
        std::fill(config.nodes.begin() + config.nodeCount, config.nodes.end(), defaultNode());
        std::fill(config.commands.begin() + config.commandCount, config.commands.end(),
                  defaultInstruction(loaded.device));
    }
    return loaded;
}

void applyLoadedProject(Project& project, LoadedProject loaded) {
    project.device = loaded.device;
    CopyFromRecords(project.store, loaded.records);
    if (loaded.formatVersion >= kTailProfibus) {
        project.store.fieldbus.profibusConfigMode = std::move(loaded.profibusConfigMode);
        project.store.fieldbus.profibusConfigData = std::move(loaded.profibusConfigData);
    }
    project.formatVersion = loaded.formatVersion;
    project.marks.loaded = true;
}

OpenOutcome openProjectFile(Project& project, const std::string& path) {
    std::vector<uint8_t> bytes;
    if (Outcome read = readWholeFile(path, bytes, kMaxProjectFileSize); !read) {
        // Nothing that large was ever written as a project.
        if (read.id() == msg::FileTooLarge)
            return {OpenResult::Failed,
                    Outcome::failure(msg::UnexpectedFileFormat,
                                     std::string(loadString(msg::UnexpectedFileFormat)))};
        return {OpenResult::Failed, read};
    }
    if (bytes.empty())
        return {OpenResult::Empty, Outcome::success()};
    std::optional<LoadedProject> loaded = parseProject(bytes, project.device);
    if (!loaded)
        return {OpenResult::Failed,
                Outcome::failure(msg::UnexpectedFileFormat,
                                 std::string(loadString(msg::UnexpectedFileFormat)))};
    applyLoadedProject(project, std::move(*loaded));
    return {OpenResult::Read, Outcome::success()};
}

Outcome saveProjectFile(const Project& project, const std::string& path) {
    const std::vector<uint8_t> bytes = serializeProject(project);
    return writeFileAtomically(path, bytes);
}

} // namespace brenmoor
