#pragma once

#include "core/resources/message_id.h"

namespace brenmoor::msg {

// Comparing two configurations. Texts with %1, %2 ... take their values in
// that order.
inline constexpr MessageId CompareEqual{1900};
inline constexpr MessageId CompareDifferenceLine{1901};
inline constexpr MessageId CompareNotSent{1902};
// A field that travels, sent as the same bytes from either value.
inline constexpr MessageId CompareSameBytes{1952};
inline constexpr MessageId CompareEmptyValue{1903};
inline constexpr MessageId CompareAbsent{1904};
inline constexpr MessageId PlaceDevice{1905};
inline constexpr MessageId PlaceSubnet{1906};
inline constexpr MessageId PlaceNode{1907};
inline constexpr MessageId PlaceCommand{1908};
// A command by its position in the list, as the gateway numbers them.
inline constexpr MessageId PlaceListCommand{1909};

// The device settings and flags a project file carries.
inline constexpr MessageId LabelDeviceFamily{1910};
inline constexpr MessageId LabelModelCode{1911};
inline constexpr MessageId LabelModel12Flag{1912};
inline constexpr MessageId LabelModel11Flag{1913};
inline constexpr MessageId LabelDataFilterFlag{1914};
inline constexpr MessageId LabelCommonModeFlag{1915};
inline constexpr MessageId LabelDoubleFaultFlag{1916};
inline constexpr MessageId LabelProfibusDataFlag{1917};
inline constexpr MessageId LabelCommandStatusFlag{1918};
inline constexpr MessageId LabelDelimiterFlag{1919};

// Fields that have no row of their own on this device's pages.
inline constexpr MessageId LabelProfibusConfigMode{1920};
inline constexpr MessageId LabelProfibusConfigData{1921};
inline constexpr MessageId LabelIpMode{1922};
inline constexpr MessageId LabelIpAddress{1923};
inline constexpr MessageId LabelSubnetMask{1924};
inline constexpr MessageId LabelGatewayAddress{1925};
inline constexpr MessageId LabelDns1{1926};
inline constexpr MessageId LabelDns2{1927};
inline constexpr MessageId LabelCommandStatus{1928};
inline constexpr MessageId LabelTimeoutAction{1929};
inline constexpr MessageId LabelTimeoutCount{1930};
inline constexpr MessageId LabelDoubleFaultClear{1931};
inline constexpr MessageId LabelFrameControl{1932};
inline constexpr MessageId LabelCharTimeout{1933};
inline constexpr MessageId LabelCharCount{1934};
inline constexpr MessageId LabelAutoSend{1935};
inline constexpr MessageId LabelAutoSendCycle{1936};
inline constexpr MessageId LabelUseCrc{1937};
inline constexpr MessageId LabelValidLength{1938};
inline constexpr MessageId LabelStartChar{1939};
inline constexpr MessageId LabelTerminator{1940};
inline constexpr MessageId LabelStoredDebugInterface{1941};
inline constexpr MessageId LabelNodeName{1942};
inline constexpr MessageId LabelCommandCount{1943};
// A field of a protocol mode's group that the page does not show now.
inline constexpr MessageId LabelOfGroup{1944};

// Reading a download back.
inline constexpr MessageId VerifyStep{1945};
inline constexpr MessageId VerifyPassed{1946};
inline constexpr MessageId VerifyDifferent{1947};
inline constexpr MessageId VerifyDifferenceLine{1948};
// The other side of a comparison with a gateway.
inline constexpr MessageId GatewayName{1949};

} // namespace brenmoor::msg
