#include "core/resources/messages_editor.h"
#include "core/resources/string_fragments.h"

namespace brenmoor {

namespace {
// Line breaks are CR LF except where a text has a lone LF; both are kept
// exactly as the texts have always had them.
constexpr StringEntry kEntries[] = {
    {msg::NodesOverrun, "Nodes overrun!"},
    {msg::CommandsOverrun, "Number of commands overrun!"},
    {msg::SubnetInfo, "Right click on the Subnet to add nodes. When selecting Modbus Master "
                      "protocol, it supports up to 48 nodes under the Subnet."},
    {msg::NodeInfo,
     "Right click on the node to add commands. Supports up to 48 commands in total."},
    {msg::SlaveAddressOutOfRange, "The value of \"Slave Address\" is out of range!"},
    {msg::SlaveAddressDuplicate, "The value of \"Slave Address\" can not be duplicate!"},
    {msg::BufferSizeTooLarge,
     "Corvan-Plus input bytes + output bytes can not be greater than 240 bytes, please select "
     "the appropriate input / output combinations!"},
    {msg::PlcAddressQuestion,
     "Address you entered is probably PLC address, will be converted to a protocol address!"},

    {msg::LabelTypeOfProtocol, "Type of Protocol"},
    {msg::LabelDeviceNetAddress, "DeviceNet Address(0~63)"},
    {msg::LabelDeviceNetBaud, "DeviceNet Baud Rate"},
    {msg::LabelInputBuffer, "Size of DeviceNet Input Buffer"},
    {msg::LabelOutputBuffer, "Size of DeviceNet Output Buffer"},

    {msg::LabelProtocolsMode, "Protocols Mode"},
    {msg::LabelBaudRate, "Baud Rate"},
    {msg::LabelDataBits, "Data Bits"},
    {msg::LabelParityCheck, "Parity Check"},
    {msg::LabelStopBits, "Stop Bits"},
    {msg::LabelSlaveAddress, "Slave Address"},
    {msg::LabelTransmissionMode, "Transmission Mode"},
    {msg::LabelResponseTimeout, "Response Timeout(5~60000ms)"},
    {msg::LabelPollDelay, "Delay Between Polls(0~2500ms)"},
    {msg::LabelOutputMode, "Output Mode"},
    {msg::LabelOutputPulse, "Output Pulse(200~2500ms)"},
    {msg::LabelScanRate, "Scan Rate(1~255)"},
    {msg::LabelCommInterface, "Communication Interface"},
    {msg::LabelDebugInterface, "Debug Interface"},

    {msg::LabelNodeSlaveAddress, "Slave Address (0~247)"},
    {msg::LabelFunctionCode, "Function Code"},
    {msg::LabelStartingAddress, "Starting Address"},
    {msg::LabelNumberOfData, "Number of Data"},
    {msg::LabelMappingAddress, "Mapping Address (HEX)"},
    {msg::LabelBitOffset, "Bit Offset (0~7)"},
    {msg::LabelNumberOfBytes, "Number of Bytes"},
    {msg::LabelByteSwap, "Byte Swap"},
    {msg::LabelDataFilter, "Data Filter"},
    {msg::LabelTypeOfCheck, "Type of Check"},
    {msg::LabelTypeOfScan, "Type of Scan"},

    {msg::HelpFieldbus0, "The fieldbus type connected to the gateway."},
    {msg::HelpFieldbus1, "DeviceNet Address."},
    {msg::HelpFieldbus2, "DeviceNet communication baudrate."},
    {msg::HelpFieldbus3,
     "Size of DeviceNet input bytes, Corvan-Plus input bytes: 8, 16, 32, 64, 96, 128 and 160 "
     "optional. \r\nNotes: The sum of input and output bytes must be less than 240 bytes, or it "
     "will not work properly."},
    {msg::HelpFieldbus4,
     "Size of DeviceNet output buffer, Corvan-Plus output bytes: 8, 16, 32, 64, 96 and 112 "
     "optional. \r\nNotes: The sum of input and output bytes must be less than 240 bytes, or it "
     "will not work properly."},

    {msg::HelpSubnet0, "There is one protocol that you can select: Modbus Master."},
    {msg::HelpSubnet1, "This parameter is used to setting Baud Rate of Modbus. \r\nThe range of "
                       "the parameter value is 300, 600, 1200, 2400, 9600, 19200, 38400, 57600, "
                       "115200. \r\nDefault value is 19200."},
    {msg::HelpSubnet1CommonMode, "Serial communication baudrate"},
    {msg::HelpSubnet2, "The number of data bits of every byte."},
    {msg::HelpSubnet3, "Supports Odd, Even, None, Mark and Space."},
    {msg::HelpSubnet4, "Defines the quantity of stop bits, to be used in protocol for serial data "
                       "communication 1, 2. Default: 1."},
    {msg::HelpSubnet5,
     "When you select  \"Modbus Slave\", this parameter can be modified and is the gateway's "
     "address as Modbus slave. \r\nThe range of the parameter value is 0 to 247."},
    {msg::HelpSubnet6, "Modbus has two transmission modes: Modbus RTU and Modbus ASCII."},
    {msg::HelpSubnet7, "After the gateway sends request, it waits the Modbus slave's response for "
                       "max time which is in ms. \r\nThe range of the parameter value is 5 to "
                       "60000ms."},
    {msg::HelpSubnet8, "Delay between polls means delay between a response has been received and "
                       "sending next request. \r\nThe range of the parameter value is 0 to "
                       "2500ms."},
    {msg::HelpSubnet9,
     "There are three types of output: \r\nCycle: The write command will be sent periodically. "
     "\r\nForbidden: The gateway will not send write command. \r\nChange of Value: When the "
     "output data change, the write command will be sent once."},
    {msg::HelpSubnet10,
     "When the Output Mode is pulse output, the time interval of output commands."},
    {msg::HelpSubnet11,
     "Scan Rate is ratio of fast scan to slow scan. \r\nEvery Modbus command can be set to fast "
     "scan or slow scan. \r\nIf this parameter value is set to 10 then every fast scan command "
     "will be sent 10 times and those slow commands will be sent once. "},
    {msg::HelpSubnet12, "Choose for communication interface."},
    {msg::HelpSubnet13, "Choose for debug interface."},

    {msg::HelpNode0, "It's the gateway's address as a Modbus slave. The range is 0 to 247."},

    {msg::HelpCommand0, "Modbus slave address."},
    {msg::HelpCommand1, "Modbus Function Code."},
    {msg::HelpCommand2, "Modbus slave register, switching value or coils starting address. The "
                        "range of the parameter value is 0 to 65535."},
    {msg::HelpCommand3, "Number of Data:\r\n1~36 (Modbus function code 3, 4, 16).\r\n1~400 "
                        "(Modbus function code 1, 2, 15)."},
    {msg::HelpCommand3DoubleFault, "Number of Data: 1 ~ 84 (Modbus Function Code 3,4,16); 1~400 "
                                   "(Modbus Function Code 1,2,15)"},
    {msg::HelpCommand4,
     "Data mapping in the module memory address range.\r\nRead command: 0x0002~0x009F.\r\nWrite "
     "command: 0x4000~0x406F.\r\nInput 0 for Modbus address mapping command status, if N number "
     "of the command does not respond, the byte is N.\r\nInput 1 for Modbus address mapping node "
     "status, if M number of the command does not respond, the byte is M.\r\nWrite command as a "
     "local data exchange can also use the area : 0x0000~0x006F.\r\nUsers can also click on the "
     "\"Calculate Mapping Address \"to let the software calculate."},
    {msg::HelpCommand4DoubleFault,
     "Data mapping in the module memory address range. \r\nTarnholm range: \n read command: "
     "0x0000 ~ 0x00A7. \r\n write command: 0x4000 ~ 0x40A7. \r\n Users can also click on the "
     "\"Calculate Mapping Address\" to let the software calculate."},
    {msg::HelpCommand5, "When reading or writing a coil or reading input status, its value will be "
                        "mapped into bits of input or output buffer."},
    {msg::HelpCommand6, "Bytes of memory occupied by this command."},
    {msg::HelpCommand7,
     "There are three types: No Swap, Two Bytes Swap, Four Bytes Swap.\r\nThe byte order of "
     "Modbus is the most significant byte (MSB) first, that of DeviceNet is the least "
     "significant byte first.\r\nUsers may need to swap the byte order to get the right value."},
    {msg::HelpCommand7DataFilter,
     "There are three types: full word, high byte, low byte. .\r\n Each register has two bytes. "
     ".\r\n whole word mapping is the two-byte register all gateways into the memory buffer; "
     ".\r\n high byte mapping is only a gateway into the high byte register memory buffer; .\r\n "
     "low byte mapping is the only gateway into the low byte register memory buffer."},
    {msg::HelpCommand8, "Data communication error check."},
    {msg::HelpCommand9,
     "Every Modbus command can be set to fast scan or slow scan. \r\nThe gateway will send Modbus "
     "command according to the \"Scan Rate\". \r\nScan Rate is ratio of fast scan to slow scan."},
};
} // namespace

std::span<const StringEntry> editorStrings() {
    return kEntries;
}

} // namespace brenmoor
