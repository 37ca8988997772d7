#include "cli/project_json.h"

#include "core/model/parameter_store.h"
#include "core/model/store_fields.h"
#include "core/model/text_encoding.h"

#include <string>

namespace brenmoor::cli {
namespace {

using nlohmann::json;

struct FlagKey {
    const char* name;
    bool DeviceSettings::*member;
};

constexpr FlagKey kFlags[] = {
    {"dataFilter", &DeviceSettings::dataFilter},
    {"commonMode", &DeviceSettings::commonMode},
    {"doubleFault", &DeviceSettings::doubleFault},
    {"profibusData", &DeviceSettings::profibusData},
    {"commandStatus", &DeviceSettings::commandStatus},
    {"delimiter", &DeviceSettings::delimiter},
    {"model12", &DeviceSettings::model12},
    {"model11", &DeviceSettings::model11},
};

[[noreturn]] void fail(const std::string& where, const std::string& what) {
    throw JsonImportError(where + ": " + what);
}

void expectObject(const json& value, const std::string& where) {
    if (!value.is_object())
        fail(where, "expected an object");
}

std::string textAt(const json& value, const std::string& where) {
    if (!value.is_string())
        fail(where, "expected a text");
    return value.get<std::string>();
}

int32_t integerAt(const json& value, const std::string& where) {
    if (!value.is_number_integer())
        fail(where, "expected a whole number");
    // A number above the signed range is held unsigned; read as signed it
    // would wrap (18446744073709551615 to -1).
    if (value.is_number_unsigned() && value.get<uint64_t>() > uint64_t{INT32_MAX})
        fail(where, "number out of range");
    const auto number = value.get<int64_t>();
    if (number < INT32_MIN || number > INT32_MAX)
        fail(where, "number out of range");
    return static_cast<int32_t>(number);
}

// Unknown keys are refused: a misspelt field would otherwise be dropped
// without a word and its value lost.
template <typename Known>
void rejectUnknownKeys(const json& object, const std::string& where, Known known) {
    for (const auto& item : object.items())
        if (!known(item.key()))
            fail(where, "unknown field \"" + item.key() + "\"");
}

json subnetToJson(const CONFIG& config) {
    json out = json::object();
    for (const auto& field : configFields())
        out[std::string(field.name)] = utf8Text(field.get(config));
    out["nodeCount"] = config.nodeCount;
    out["commandCount"] = config.commandCount;
    json nodes = json::array();
    for (int n = 0; n < config.nodeCount; ++n) {
        json node = json::object();
        for (const auto& field : nodeFields())
            node[std::string(field.name)] = utf8Text(config.nodes[n].*field.member);
        nodes.push_back(std::move(node));
    }
    out["nodes"] = std::move(nodes);
    json commands = json::array();
    for (int c = 0; c < config.commandCount; ++c) {
        json command = json::object();
        for (const auto& field : instructionFields())
            command[std::string(field.name)] = utf8Text(config.commands[c].*field.member);
        command["nodeNumber"] = config.commands[c].nodeNumber;
        commands.push_back(std::move(command));
    }
    out["commands"] = std::move(commands);
    return out;
}

void subnetFromJson(const json& in, CONFIG& config, const std::string& where) {
    expectObject(in, where);
    rejectUnknownKeys(in, where, [](const std::string& key) {
        if (key == "nodeCount" || key == "commandCount" || key == "nodes" || key == "commands")
            return true;
        for (const auto& field : configFields())
            if (field.name == key)
                return true;
        return false;
    });
    for (const auto& field : configFields())
        if (auto it = in.find(std::string(field.name)); it != in.end())
            field.ref(config) = textAt(*it, where + "." + std::string(field.name));

    if (auto it = in.find("nodes"); it != in.end()) {
        if (!it->is_array())
            fail(where + ".nodes", "expected an array");
        if (it->size() > static_cast<size_t>(kMaxNodes))
            fail(where + ".nodes", "more than 48 nodes");
        config.nodeCount = static_cast<int32_t>(it->size());
        for (size_t n = 0; n < it->size(); ++n) {
            const std::string at = where + ".nodes[" + std::to_string(n) + "]";
            const json& node = (*it)[n];
            expectObject(node, at);
            rejectUnknownKeys(node, at, [](const std::string& key) {
                for (const auto& field : nodeFields())
                    if (field.name == key)
                        return true;
                return false;
            });
            for (const auto& field : nodeFields())
                if (auto f = node.find(std::string(field.name)); f != node.end())
                    config.nodes[n].*field.member = textAt(*f, at + "." + std::string(field.name));
        }
    }
    if (auto it = in.find("commands"); it != in.end()) {
        if (!it->is_array())
            fail(where + ".commands", "expected an array");
        if (it->size() > static_cast<size_t>(kMaxCommands))
            fail(where + ".commands", "more than 48 commands");
        config.commandCount = static_cast<int32_t>(it->size());
        for (size_t c = 0; c < it->size(); ++c) {
            const std::string at = where + ".commands[" + std::to_string(c) + "]";
            const json& command = (*it)[c];
            expectObject(command, at);
            rejectUnknownKeys(command, at, [](const std::string& key) {
                if (key == "nodeNumber")
                    return true;
                for (const auto& field : instructionFields())
                    if (field.name == key)
                        return true;
                return false;
            });
            INSTRUCTION& target = config.commands[c];
            for (const auto& field : instructionFields())
                if (auto f = command.find(std::string(field.name)); f != command.end())
                    target.*field.member = textAt(*f, at + "." + std::string(field.name));
            if (auto f = command.find("nodeNumber"); f != command.end())
                target.nodeNumber = integerAt(*f, at + ".nodeNumber");
        }
    }
    // The counts come from the arrays; a stated count is only checked for its type.
    for (const char* key : {"nodeCount", "commandCount"})
        if (auto it = in.find(key); it != in.end())
            integerAt(*it, where + "." + key);
}

} // namespace

json projectToJson(const Project& project) {
    json out = json::object();
    out["formatVersion"] = project.formatVersion;
    out["deviceFamily"] = project.device.deviceFamily;
    out["modelCode"] = project.device.modelCode;
    json flags = json::object();
    for (const auto& flag : kFlags)
        flags[flag.name] = project.device.*flag.member;
    out["flags"] = std::move(flags);
    json fieldbus = json::object();
    for (const auto& field : fieldbusFields())
        fieldbus[std::string(field.name)] = utf8Text(project.store.fieldbus.*field.member);
    out["fieldbus"] = std::move(fieldbus);
    json subnets = json::array();
    for (const CONFIG& config : project.store.subnets)
        subnets.push_back(subnetToJson(config));
    out["subnets"] = std::move(subnets);
    return out;
}

Project projectFromJson(const json& in) {
    expectObject(in, "configuration");
    rejectUnknownKeys(in, "configuration", [](const std::string& key) {
        return key == "formatVersion" || key == "deviceFamily" || key == "modelCode" ||
               key == "flags" || key == "fieldbus" || key == "subnets";
    });

    Project project;
    applySelectDeviceOk(project.device);
    if (auto it = in.find("flags"); it != in.end()) {
        expectObject(*it, "flags");
        rejectUnknownKeys(*it, "flags", [](const std::string& key) {
            for (const auto& flag : kFlags)
                if (key == flag.name)
                    return true;
            return false;
        });
        for (const auto& flag : kFlags) {
            if (auto f = it->find(flag.name); f != it->end()) {
                if (!f->is_boolean())
                    fail(std::string("flags.") + flag.name, "expected true or false");
                project.device.*flag.member = f->get<bool>();
            }
        }
    }
    // Only the Corvan-Plus of the DeviceNet family is configured here.
    for (const char* key : {"deviceFamily", "modelCode"}) {
        if (auto it = in.find(key); it != in.end()) {
            const int32_t value = integerAt(*it, key);
            const int32_t expected =
                std::string(key) == "deviceFamily" ? kDeviceNetFamily : kCorvanPlusModel;
            if (value != expected)
                fail(key, "must be " + std::to_string(expected));
        }
    }
    if (auto it = in.find("formatVersion"); it != in.end()) {
        if (!it->is_number_unsigned() || it->get<uint64_t>() > UINT32_MAX)
            fail("formatVersion", "expected a whole number from 0 to 4294967295");
        project.formatVersion = static_cast<uint32_t>(it->get<uint64_t>());
    }

    ResetToDefaults(project.store, project.device);
    if (auto it = in.find("fieldbus"); it != in.end()) {
        expectObject(*it, "fieldbus");
        rejectUnknownKeys(*it, "fieldbus", [](const std::string& key) {
            for (const auto& field : fieldbusFields())
                if (field.name == key)
                    return true;
            return false;
        });
        for (const auto& field : fieldbusFields())
            if (auto f = it->find(std::string(field.name)); f != it->end())
                project.store.fieldbus.*field.member =
                    textAt(*f, "fieldbus." + std::string(field.name));
    }
    if (auto it = in.find("subnets"); it != in.end()) {
        if (!it->is_array() || it->size() > static_cast<size_t>(kSubnetCount))
            fail("subnets", "expected an array of at most four subnets");
        for (size_t s = 0; s < it->size(); ++s)
            subnetFromJson((*it)[s], project.store.subnets[s],
                           "subnets[" + std::to_string(s) + "]");
    }
    return project;
}

} // namespace brenmoor::cli
