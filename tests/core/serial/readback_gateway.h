#pragma once

#include "core/serial/frame.h"
#include "scripted_port.h"

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <vector>

namespace brenmoor::test {

// A gateway that keeps what it is sent and answers reads from it, so that a
// download can be read back. It can store one write wrongly and fall silent
// on chosen requests.
struct StoringGateway {
    using Bytes = std::vector<uint8_t>;

    struct Miswrite {
        uint8_t code;
        int occurrence; // the n-th write with this code, from 1
        size_t byte;    // within the stored block or record
        uint8_t mask;   // XORed into that byte
    };

    uint8_t deviceType = 1;
    int firmware = 31;
    std::array<uint8_t, kDeviceNetBlockSize> deviceNet{};
    std::array<uint8_t, kSubnetBlockSize> subnet{};
    std::map<uint8_t, std::array<uint8_t, kCommandRecordSize>> commands;
    uint8_t clearingOption = 0;
    std::array<uint8_t, kProfibusConfigSize> profibus{};
    std::optional<Miswrite> miswrite;
    std::set<uint8_t> silentOn;

    ScriptedPort::Reply reply(const Bytes& request) {
        if (silentOn.contains(request[0]))
            return {};
        return {{{5, answer(request)}}};
    }

  private:
    std::map<uint8_t, int> seen_;

    // The write's data as the gateway keeps it, after the fault if it hits.
    template <size_t N> std::array<uint8_t, N> stored(const Bytes& request, size_t skip) {
        std::array<uint8_t, N> block{};
        std::copy_n(request.begin() + 2 + static_cast<std::ptrdiff_t>(skip), N, block.begin());
        const int n = ++seen_[request[0]];
        if (miswrite && miswrite->code == request[0] && miswrite->occurrence == n)
            block[miswrite->byte] ^= miswrite->mask;
        return block;
    }

    Bytes answer(const Bytes& r) {
        switch (r[0]) {
        case code::DeviceInfo:
            return buildFrame(r[0], Bytes{deviceType, static_cast<uint8_t>(firmware / 10),
                                          static_cast<uint8_t>(firmware % 10), 0, 0, 0, 0, 0});
        case code::WriteDeviceNet:
            deviceNet = stored<kDeviceNetBlockSize>(r, 0);
            return ackFrame(r[0]);
        case code::WriteSubnet:
            subnet = stored<kSubnetBlockSize>(r, 1);
            return ackFrame(r[0]);
        case code::ClearCommands:
            commands.clear();
            return ackFrame(r[0]);
        case code::WriteCommand:
            commands[r[3]] = stored<kCommandRecordSize>(r, 2);
            return ackFrame(r[0]);
        case code::WriteClearingOption:
            clearingOption = stored<1>(r, 0)[0];
            return ackFrame(r[0]);
        case code::WriteProfibusConfig:
            profibus = stored<kProfibusConfigSize>(r, 0);
            return ackFrame(r[0]);
        case code::ReadDeviceNet:
            return buildFrame(r[0], deviceNet);
        case code::ReadSubnet: {
            Bytes data{0};
            data.insert(data.end(), subnet.begin(), subnet.end());
            return buildFrame(r[0], data);
        }
        case code::ReadCommandCount:
            return buildFrame(r[0], Bytes{0, 0, static_cast<uint8_t>(commands.size())});
        case code::ReadCommandPacket: {
            Bytes data{0};
            size_t i = 0;
            for (const auto& [index, record] : commands) {
                if (i / kCommandsPerPacket == r[3]) {
                    data.push_back(index);
                    data.insert(data.end(), record.begin(), record.end());
                }
                ++i;
            }
            return buildFrame(r[0], data);
        }
        case code::ReadClearingOption:
            return buildFrame(r[0], Bytes{clearingOption});
        case code::ReadProfibusConfig:
            return buildFrame(r[0], profibus);
        default:
            return ackFrame(r[0]);
        }
    }
};

} // namespace brenmoor::test
