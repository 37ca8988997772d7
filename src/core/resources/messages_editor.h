#pragma once

#include "core/resources/message_id.h"

namespace brenmoor::msg {

// Structure commands.
inline constexpr MessageId NodesOverrun{1100};
inline constexpr MessageId CommandsOverrun{1101};

// Info panel hints on selection.
inline constexpr MessageId SubnetInfo{1102};
inline constexpr MessageId NodeInfo{1103};

// Value editing.
inline constexpr MessageId SlaveAddressOutOfRange{1104};
inline constexpr MessageId SlaveAddressDuplicate{1105};
inline constexpr MessageId BufferSizeTooLarge{1106};
inline constexpr MessageId PlcAddressQuestion{1107};

// Fieldbus page labels.
inline constexpr MessageId LabelTypeOfProtocol{1110};
inline constexpr MessageId LabelDeviceNetAddress{1111};
inline constexpr MessageId LabelDeviceNetBaud{1112};
inline constexpr MessageId LabelInputBuffer{1113};
inline constexpr MessageId LabelOutputBuffer{1114};

// Subnet page labels, rows 0 to 13.
inline constexpr MessageId LabelProtocolsMode{1120};
inline constexpr MessageId LabelBaudRate{1121};
inline constexpr MessageId LabelDataBits{1122};
inline constexpr MessageId LabelParityCheck{1123};
inline constexpr MessageId LabelStopBits{1124};
inline constexpr MessageId LabelSlaveAddress{1125};
inline constexpr MessageId LabelTransmissionMode{1126};
inline constexpr MessageId LabelResponseTimeout{1127};
inline constexpr MessageId LabelPollDelay{1128};
inline constexpr MessageId LabelOutputMode{1129};
inline constexpr MessageId LabelOutputPulse{1130};
inline constexpr MessageId LabelScanRate{1131};
inline constexpr MessageId LabelCommInterface{1132};
inline constexpr MessageId LabelDebugInterface{1133};

// Node and command page labels.
inline constexpr MessageId LabelNodeSlaveAddress{1140};
inline constexpr MessageId LabelFunctionCode{1141};
inline constexpr MessageId LabelStartingAddress{1142};
inline constexpr MessageId LabelNumberOfData{1143};
inline constexpr MessageId LabelMappingAddress{1144};
inline constexpr MessageId LabelBitOffset{1145};
inline constexpr MessageId LabelNumberOfBytes{1146};
inline constexpr MessageId LabelByteSwap{1147};
inline constexpr MessageId LabelDataFilter{1148};
inline constexpr MessageId LabelTypeOfCheck{1149};
inline constexpr MessageId LabelTypeOfScan{1150};

// Row help texts of the fieldbus page.
inline constexpr MessageId HelpFieldbus0{1160};
inline constexpr MessageId HelpFieldbus1{1161};
inline constexpr MessageId HelpFieldbus2{1162};
inline constexpr MessageId HelpFieldbus3{1163};
inline constexpr MessageId HelpFieldbus4{1164};

// Row help texts of the subnet page.
inline constexpr MessageId HelpSubnet0{1170};
inline constexpr MessageId HelpSubnet1{1171};
inline constexpr MessageId HelpSubnet1CommonMode{1172};
inline constexpr MessageId HelpSubnet2{1173};
inline constexpr MessageId HelpSubnet3{1174};
inline constexpr MessageId HelpSubnet4{1175};
inline constexpr MessageId HelpSubnet5{1176};
inline constexpr MessageId HelpSubnet6{1177};
inline constexpr MessageId HelpSubnet7{1178};
inline constexpr MessageId HelpSubnet8{1179};
inline constexpr MessageId HelpSubnet9{1180};
inline constexpr MessageId HelpSubnet10{1181};
inline constexpr MessageId HelpSubnet11{1182};
inline constexpr MessageId HelpSubnet12{1183};
inline constexpr MessageId HelpSubnet13{1184};

// Row help texts of the node and command pages.
inline constexpr MessageId HelpNode0{1190};
inline constexpr MessageId HelpCommand0{1200};
inline constexpr MessageId HelpCommand1{1201};
inline constexpr MessageId HelpCommand2{1202};
inline constexpr MessageId HelpCommand3{1203};
inline constexpr MessageId HelpCommand3DoubleFault{1204};
inline constexpr MessageId HelpCommand4{1205};
inline constexpr MessageId HelpCommand4DoubleFault{1206};
inline constexpr MessageId HelpCommand5{1207};
inline constexpr MessageId HelpCommand6{1208};
inline constexpr MessageId HelpCommand7{1209};
inline constexpr MessageId HelpCommand7DataFilter{1210};
inline constexpr MessageId HelpCommand8{1211};
inline constexpr MessageId HelpCommand9{1212};

} // namespace brenmoor::msg
