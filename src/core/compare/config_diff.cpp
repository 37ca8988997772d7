#include "core/compare/config_diff.h"

#include "core/editor/page_catalogue.h"
#include "core/model/shown_text.h"
#include "core/model/store_texts.h"
#include "core/model/text_encoding.h"
#include "core/resources/message_text.h"
#include "core/resources/messages_compare.h"
#include "core/resources/messages_editor.h"
#include "core/resources/messages_model.h"
#include "core/resources/string_table.h"
#include "core/serial/block_layout.h"
#include "core/serial/image_codec.h"

#include <algorithm>
#include <cctype>
#include <optional>

namespace brenmoor {

namespace {

// How a stored text appears in its value cell.
enum class Shown { AsStored, BlankIfNotSet, MapAddress };

std::string shownText(const std::string& stored, Shown shown) {
    switch (shown) {
    case Shown::AsStored:
        return stored;
    case Shown::BlankIfNotSet:
        return shownValue(stored);
    case Shown::MapAddress:
        // Without the cell's "H": the label already says the digits are
        // hexadecimal.
        return shownValue(stored);
    }
    return stored;
}

// How the comparison shows a field the page shows in `form`: as the cell,
// but a mapping address without its "H" and every other computed text as
// stored, since it is the stored text that differs.
Shown comparedForm(Form form) {
    switch (form) {
    case Form::BlankIfNotSet:
    case Form::ByteCount:
        return Shown::BlankIfNotSet;
    case Form::MapAddress:
        return Shown::MapAddress;
    case Form::AsStored:
    case Form::FixedSwap:
    case Form::OtherInterface:
        break;
    }
    return Shown::AsStored;
}

// Mapping addresses are hexadecimal in either letter case (Auto Mapping
// writes upper case, the editor and an upload lower case), with or without
// leading zeros: all of them send the same two bytes.
std::optional<std::string> canonicalHex(const std::string& text) {
    if (text.empty())
        return std::nullopt;
    std::string digits;
    for (const char c : text) {
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return std::nullopt;
        digits += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    const size_t first = digits.find_first_not_of('0');
    return first == std::string::npos ? "0" : digits.substr(first);
}

bool sameStored(const std::string& a, const std::string& b, Shown shown) {
    if (a == b)
        return true;
    if (shown != Shown::MapAddress)
        return false;
    const auto ca = canonicalHex(a);
    const auto cb = canonicalHex(b);
    return ca && cb && *ca == *cb;
}

std::string onOff(bool on) {
    return std::string(on ? text::Open : text::Close);
}

std::string label(MessageId id) {
    return std::string(loadString(id));
}

// The bytes a field of each side goes out as; empty where the field has no
// bytes of its own (or the two sides would send it in different places).
struct SentBytes {
    std::span<const uint8_t> left;
    std::span<const uint8_t> right;

    bool same() const { return !left.empty() && std::ranges::equal(left, right); }
};

class Collector {
  public:
    explicit Collector(std::vector<ConfigDifference>& out) : out_(out) {}

    void field(const std::string& place, const std::string& labelText, const std::string& left,
               const std::string& right, bool travels, Shown shown = Shown::AsStored,
               SentBytes sent = {}) {
        if (sameStored(left, right, shown))
            return;
        std::string l = shownText(left, shown);
        std::string r = shownText(right, shown);
        // Two stored texts the cell shows alike ("-1" and "" are both
        // blank) are told apart by what is stored.
        if (l == r) {
            l = left;
            r = right;
        }
        out_.push_back(
            {place, labelText, utf8Text(l), utf8Text(r), travels, travels && sent.same()});
    }

    void presence(const std::string& place, const std::string& labelText,
                  const std::optional<std::string>& left, const std::optional<std::string>& right,
                  bool travels) {
        const std::string absent(loadString(msg::CompareAbsent));
        out_.push_back({place, labelText, utf8Text(left.value_or(absent)),
                        utf8Text(right.value_or(absent)), travels});
    }

  private:
    std::vector<ConfigDifference>& out_;
};

void compareDevice(Collector& c, const DeviceSettings& l, const DeviceSettings& r) {
    const std::string place = label(msg::PlaceDevice);
    c.field(place, label(msg::LabelDeviceFamily), std::to_string(l.deviceFamily),
            std::to_string(r.deviceFamily), false);
    c.field(place, label(msg::LabelModelCode), std::to_string(l.modelCode),
            std::to_string(r.modelCode), false);
    const struct {
        MessageId label;
        bool DeviceSettings::*flag;
    } flags[] = {
        {msg::LabelModel12Flag, &DeviceSettings::model12},
        {msg::LabelModel11Flag, &DeviceSettings::model11},
        {msg::LabelDataFilterFlag, &DeviceSettings::dataFilter},
        {msg::LabelCommonModeFlag, &DeviceSettings::commonMode},
        {msg::LabelDoubleFaultFlag, &DeviceSettings::doubleFault},
        {msg::LabelProfibusDataFlag, &DeviceSettings::profibusData},
        {msg::LabelCommandStatusFlag, &DeviceSettings::commandStatus},
        {msg::LabelDelimiterFlag, &DeviceSettings::delimiter},
    };
    for (const auto& f : flags)
        c.field(place, label(f.label), onOff(l.*f.flag), onOff(r.*f.flag), false);
}

void compareFieldbus(Collector& c, const Project& left, const Project& right) {
    const FIELDBUS& l = left.store.fieldbus;
    const FIELDBUS& r = right.store.fieldbus;
    const std::string place = label(msg::FieldbusRoot);
    const auto leftBlock = encodeDeviceNetBlock(left.store);
    const auto rightBlock = encodeDeviceNetBlock(right.store);
    auto sent = [&](MessageId id) {
        return SentBytes{fieldBytes(deviceNetLayout(), id, leftBlock),
                         fieldBytes(deviceNetLayout(), id, rightBlock)};
    };
    // The page's rows; a field the DeviceNet block lacks (the fieldbus type,
    // which the gateway knows itself) is never sent.
    for (const PageRow& row : pageRows(ItemKind::Fieldbus)) {
        const MessageId id = row.label.pick(left.device);
        const SentBytes bytes = sent(id);
        c.field(place, label(id), l.*row.cell.field.fieldbus, r.*row.cell.field.fieldbus,
                !bytes.left.empty(), comparedForm(row.cell.form), bytes);
    }

    auto sendsProfibus = [](const DeviceSettings& d) { return d.dataFilter || d.profibusData; };
    const bool profibus = sendsProfibus(left.device) || sendsProfibus(right.device);
    const bool dataTravels = profibus && (l.profibusConfigMode != text::UseNumberOfBytes ||
                                          r.profibusConfigMode != text::UseNumberOfBytes);
    // Mode and data go out together as one block.
    const auto leftProfibus = encodeProfibusConfigData(left.store);
    const auto rightProfibus = encodeProfibusConfigData(right.store);
    const SentBytes profibusBlock{leftProfibus, rightProfibus};
    c.field(place, label(msg::LabelProfibusConfigMode), l.profibusConfigMode, r.profibusConfigMode,
            profibus, Shown::AsStored, profibusBlock);
    c.field(place, label(msg::LabelProfibusConfigData), l.profibusConfigData, r.profibusConfigData,
            dataTravels, Shown::AsStored, profibusBlock);

    // The Ethernet edition's settings ride along in every file.
    c.field(place, label(msg::LabelIpMode), l.ipMode, r.ipMode, false);
    c.field(place, label(msg::LabelIpAddress), l.ipAddress, r.ipAddress, false);
    c.field(place, label(msg::LabelSubnetMask), l.subnetMask, r.subnetMask, false);
    c.field(place, label(msg::LabelGatewayAddress), l.gatewayAddress, r.gatewayAddress, false);
    c.field(place, label(msg::LabelDns1), l.dns1, r.dns1, false);
    c.field(place, label(msg::LabelDns2), l.dns2, r.dns2, false);
}

// One field of a subnet's parameter groups.
struct SubnetField {
    MessageId label;
    FieldRef field;
    Shown shown = Shown::AsStored;
};

// Which fields a protocol mode sends in the subnet block, in the order of
// the page's rows: the group fields of the page catalogue.
struct ModeGroup {
    std::string_view mode;
    std::vector<SubnetField> sent;
};

const std::vector<ModeGroup>& modeGroups() {
    static const std::vector<ModeGroup> groups = [] {
        std::vector<ModeGroup> all;
        for (size_t m = 0; m + 1 < kSubnetModes; ++m) {
            ModeGroup group{subnetModeText(m), {}};
            for (const SubnetRow& row : subnetRows()) {
                const ValueCell& cell = row.byMode[m];
                if (!cell.groupField)
                    continue;
                group.sent.push_back(
                    {cell.fieldName != MessageId{} ? cell.fieldName : row.label, cell.field,
                     cell.form == Form::BlankIfNotSet ? Shown::BlankIfNotSet : Shown::AsStored});
            }
            all.push_back(std::move(group));
        }
        return all;
    }();
    return groups;
}

struct SubnetContext {
    Collector& c;
    int number; // 1-based, as the places name it
    const Project& left;
    const Project& right;
    const CONFIG& l;
    const CONFIG& r;
    const DeviceSettings& ld;
    const DeviceSettings& rd;
    bool sent; // only the first subnet travels
};

// The subnet blocks both sides would send, for the fields whose bytes can
// be told apart: those of a group both sides use, and the interface.
struct SubnetBlocks {
    std::array<uint8_t, kSubnetBlockSize> left;
    std::array<uint8_t, kSubnetBlockSize> right;

    SentBytes of(MessageId id, bool commonMode) const {
        return {fieldBytes(subnetLayout(commonMode), id, left),
                fieldBytes(subnetLayout(commonMode), id, right)};
    }
};

bool eitherMode(const SubnetContext& s, std::string_view mode) {
    return s.l.protocolMode == mode || s.r.protocolMode == mode;
}

void compareSubnetParameters(const SubnetContext& s) {
    const std::string place = fillIn(msg::PlaceSubnet, {std::to_string(s.number)});
    s.c.field(place, label(msg::LabelProtocolsMode), s.l.protocolMode, s.r.protocolMode, s.sent);
    const int subnet = s.number - 1;
    const SubnetBlocks blocks{encodeSubnetBlock(s.left.store, subnet),
                              encodeSubnetBlock(s.right.store, subnet)};
    const bool sameMode = s.l.protocolMode == s.r.protocolMode;
    const bool commonMode = s.l.protocolMode == text::CommonMode;

    // The group of the page's protocol mode first, in row order, then the
    // groups that are carried along; their fields are named with the mode
    // they belong to unless both sides show them on the page.
    std::vector<const ModeGroup*> order;
    for (const ModeGroup& g : modeGroups())
        if (g.mode == s.l.protocolMode)
            order.push_back(&g);
    for (const ModeGroup& g : modeGroups())
        if (g.mode != s.l.protocolMode)
            order.push_back(&g);

    // Every mode but the custom protocol reads the interface back.
    const bool interfaceTravels =
        s.sent && (eitherMode(s, text::ModbusMaster) || eitherMode(s, text::ModbusSlave) ||
                   eitherMode(s, text::CommonMode));
    auto compareInterface = [&] {
        s.c.field(place, label(msg::LabelCommInterface), s.l.common.commInterface,
                  s.r.common.commInterface, interfaceTravels, Shown::AsStored,
                  blocks.of(msg::LabelCommInterface, commonMode));
    };
    bool interfaceDone = false;
    for (const ModeGroup* g : order) {
        const bool inLeft = s.l.protocolMode == g->mode;
        const bool inRight = s.r.protocolMode == g->mode;
        const bool travels = s.sent && (inLeft || inRight);
        for (const SubnetField& f : g->sent) {
            std::string name = label(f.label);
            if (!(inLeft && inRight))
                name = fillIn(msg::LabelOfGroup, {name, g->mode});
            bool fieldTravels = travels;
            // The pulse time comes back from the gateway only for pulse
            // output.
            if (f.label == msg::LabelOutputPulse)
                fieldTravels = travels && (s.l.master.outputMode == text::PulseOutput ||
                                           s.r.master.outputMode == text::PulseOutput);
            // Only where both sides send this group do its bytes sit in
            // the same place.
            const SentBytes sent = inLeft && inRight ? blocks.of(f.label, commonMode) : SentBytes{};
            s.c.field(place, name, f.field.of(s.l), f.field.of(s.r), fieldTravels, f.shown, sent);
        }
        if (!interfaceDone && g->mode == s.l.protocolMode) {
            compareInterface();
            interfaceDone = true;
        }
    }
    if (!interfaceDone)
        compareInterface();

    const bool master = s.sent && eitherMode(s, text::ModbusMaster);
    const bool commandStatus = s.ld.commandStatus || s.rd.commandStatus;
    const bool doubleFault = s.ld.doubleFault || s.rd.doubleFault;
    const bool bothMaster = sameMode && s.l.protocolMode == text::ModbusMaster;
    s.c.field(place, label(msg::LabelCommandStatus), s.l.master.commandStatus,
              s.r.master.commandStatus, master && commandStatus, Shown::AsStored,
              bothMaster ? blocks.of(msg::LabelCommandStatus, false) : SentBytes{});
    // The timeout action and count, or the double-fault choice, go out as
    // one clearing byte.
    const uint8_t leftClearing = encodeClearingOption(s.left.store, s.ld);
    const uint8_t rightClearing = encodeClearingOption(s.right.store, s.rd);
    const SentBytes clearing{{&leftClearing, 1}, {&rightClearing, 1}};
    s.c.field(place, label(msg::LabelTimeoutAction), s.l.master.timeoutAction,
              s.r.master.timeoutAction, s.sent && commandStatus && !doubleFault, Shown::AsStored,
              clearing);
    s.c.field(place, label(msg::LabelTimeoutCount), s.l.master.timeoutCount,
              s.r.master.timeoutCount, s.sent && commandStatus && !doubleFault, Shown::AsStored,
              clearing);
    s.c.field(place, label(msg::LabelDoubleFaultClear), s.l.doubleFaultClear, s.r.doubleFaultClear,
              s.sent && doubleFault, Shown::AsStored, clearing);
    s.c.field(place, label(msg::LabelValidLength), s.l.common.validLength, s.r.common.validLength,
              false);
    s.c.field(place, label(msg::LabelStartChar), s.l.common.startChar, s.r.common.startChar, false);
    s.c.field(place, label(msg::LabelTerminator), s.l.common.terminator, s.r.common.terminator,
              false);
    // The page's Debug Interface row follows the communication interface;
    // the stored text is only carried in files.
    s.c.field(place, label(msg::LabelStoredDebugInterface), s.l.common.debugInterface,
              s.r.common.debugInterface, false);
}

// The nodes and commands of a subnet as the tree holds them: each node with
// the indexes of its commands, in command order.
struct TreeNode {
    int index = -1; // into CONFIG::nodes; -1 for the commands without a node
    std::vector<int> commands;
};

std::vector<TreeNode> treeOf(const CONFIG& config) {
    const int nodeCount = std::clamp(config.nodeCount, 0, kMaxNodes);
    const int commandCount = std::clamp(config.commandCount, 0, kMaxCommands);
    std::vector<TreeNode> nodes(static_cast<size_t>(nodeCount) + 1);
    for (int j = 0; j < nodeCount; ++j)
        nodes[static_cast<size_t>(j)].index = j;
    for (int k = 0; k < commandCount; ++k) {
        const int n = config.commands[static_cast<size_t>(k)].nodeNumber;
        const size_t slot =
            n >= 1 && n <= nodeCount ? static_cast<size_t>(n - 1) : nodes.size() - 1;
        nodes[slot].commands.push_back(k);
    }
    return nodes;
}

std::string nodeKey(const CONFIG& config, int index) {
    const NODE& node = config.nodes[static_cast<size_t>(index)];
    const std::string shown = shownValue(node.address);
    return utf8Text(shown.empty() ? node.name : shown);
}

void compareCommand(const SubnetContext& s, const std::string& place, int lk, int rk,
                    bool travels) {
    const INSTRUCTION& l = s.l.commands[static_cast<size_t>(lk)];
    const INSTRUCTION& r = s.r.commands[static_cast<size_t>(rk)];
    const int subnet = s.number - 1;
    const auto leftRecord = encodeCommand(s.left.store, subnet, lk);
    const auto rightRecord = encodeCommand(s.right.store, subnet, rk);
    const auto layout = commandLayout(s.ld.dataFilter);
    // A row renamed by the data-filter flag is named as either side shows it.
    DeviceSettings either = s.ld;
    either.dataFilter = s.ld.dataFilter || s.rd.dataFilter;
    // The command page's rows; the fields a command record lacks (the number
    // of bytes, worked out before every download, and the type of check,
    // which follows the subnet) never travel.
    for (const PageRow& row : pageRows(ItemKind::Command)) {
        const MessageId own = row.label.pick(s.ld);
        const SentBytes bytes{fieldBytes(layout, own, leftRecord), fieldBytes(layout, own, rightRecord)};
        const auto member = row.cell.field.command;
        s.c.field(place, label(row.label.pick(either)), l.*member, r.*member,
                  travels && !bytes.left.empty(), comparedForm(row.cell.form), bytes);
    }
}

std::optional<std::string> functionOf(const CONFIG& config, const std::vector<int>& commands,
                                      size_t position) {
    if (position >= commands.size())
        return std::nullopt;
    return config.commands[static_cast<size_t>(commands[position])].functionCode;
}

void compareCommandsOf(const SubnetContext& s, const std::string& key, const TreeNode* l,
                       const TreeNode* r, bool travels) {
    static const std::vector<int> none;
    const std::vector<int>& lc = l ? l->commands : none;
    const std::vector<int>& rc = r ? r->commands : none;
    const bool loose = (l && l->index < 0) || (r && r->index < 0);
    const std::string number = std::to_string(s.number);
    for (size_t p = 0; p < std::max(lc.size(), rc.size()); ++p) {
        std::string place;
        if (loose) {
            const int k = p < lc.size() ? lc[p] : rc[p];
            place = fillIn(msg::PlaceListCommand, {number, std::to_string(k + 1)});
        } else {
            place = fillIn(msg::PlaceCommand, {number, key, std::to_string(p + 1)});
        }
        if (p < lc.size() && p < rc.size())
            compareCommand(s, place, lc[p], rc[p], travels);
        else
            s.c.presence(place, label(msg::LabelFunctionCode), functionOf(s.l, lc, p),
                         functionOf(s.r, rc, p), travels);
    }
}

void compareNodes(const SubnetContext& s) {
    const std::vector<TreeNode> left = treeOf(s.l);
    const std::vector<TreeNode> right = treeOf(s.r);
    // Nodes and commands reach the gateway only through the command list
    // of a Modbus master.
    const bool commandsTravel = s.sent && eitherMode(s, text::ModbusMaster);
    const std::string number = std::to_string(s.number);
    std::vector<bool> matched(right.size(), false);

    auto nodeTravels = [&](const TreeNode* l, const TreeNode* r) {
        return commandsTravel && ((l && !l->commands.empty()) || (r && !r->commands.empty()));
    };
    auto address = [](const CONFIG& config, const TreeNode* node) -> std::optional<std::string> {
        if (!node)
            return std::nullopt;
        return shownValue(config.nodes[static_cast<size_t>(node->index)].address);
    };

    for (size_t i = 0; i + 1 < left.size(); ++i) {
        const TreeNode& l = left[i];
        const std::string& addr = s.l.nodes[static_cast<size_t>(l.index)].address;
        const TreeNode* r = nullptr;
        for (size_t j = 0; j + 1 < right.size() && !r; ++j)
            if (!matched[j] && s.r.nodes[static_cast<size_t>(right[j].index)].address == addr) {
                matched[j] = true;
                r = &right[j];
            }
        const std::string key = nodeKey(s.l, l.index);
        const std::string place = fillIn(msg::PlaceNode, {number, key});
        if (r)
            s.c.field(place, label(msg::LabelNodeName),
                      s.l.nodes[static_cast<size_t>(l.index)].name,
                      s.r.nodes[static_cast<size_t>(r->index)].name, false);
        else
            s.c.presence(place, label(msg::LabelNodeSlaveAddress), address(s.l, &l), std::nullopt,
                         nodeTravels(&l, nullptr));
        compareCommandsOf(s, key, &l, r, commandsTravel);
    }
    for (size_t j = 0; j + 1 < right.size(); ++j) {
        if (matched[j])
            continue;
        const TreeNode& r = right[j];
        const std::string key = nodeKey(s.r, r.index);
        s.c.presence(fillIn(msg::PlaceNode, {number, key}), label(msg::LabelNodeSlaveAddress),
                     std::nullopt, address(s.r, &r), nodeTravels(nullptr, &r));
        compareCommandsOf(s, key, nullptr, &r, commandsTravel);
    }
    compareCommandsOf(s, {}, &left.back(), &right.back(), commandsTravel);
}

} // namespace

std::vector<ConfigDifference> compareConfigurations(const Project& left, const Project& right) {
    std::vector<ConfigDifference> out;
    Collector c(out);
    compareDevice(c, left.device, right.device);
    compareFieldbus(c, left, right);
    for (int i = 0; i < kSubnetCount; ++i) {
        const SubnetContext s{c,
                              i + 1,
                              left,
                              right,
                              left.store.subnets[static_cast<size_t>(i)],
                              right.store.subnets[static_cast<size_t>(i)],
                              left.device,
                              right.device,
                              i == 0};
        compareSubnetParameters(s);
        compareNodes(s);
    }
    return out;
}

std::string describeDifference(const ConfigDifference& difference, std::string_view leftName,
                               std::string_view rightName) {
    auto value = [](const std::string& v) {
        return v.empty() ? std::string(loadString(msg::CompareEmptyValue)) : v;
    };
    // The other side's value first: "is 4010 in the gateway, 4000 here".
    std::string line = fillIn(msg::CompareDifferenceLine,
                              {difference.place, difference.label, value(difference.right),
                               rightName, value(difference.left), leftName});
    if (!difference.travels)
        line += loadString(msg::CompareNotSent);
    else if (difference.sameBytes)
        line += loadString(msg::CompareSameBytes);
    return line;
}

} // namespace brenmoor
