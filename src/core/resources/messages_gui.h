#pragma once

#include "core/resources/message_id.h"

namespace brenmoor::msg {

// Titles and the document's questions.
inline constexpr MessageId AppTitle{1700};
inline constexpr MessageId MainWindowTitle{1701};
inline constexpr MessageId Untitled{1702};
inline constexpr MessageId SaveConfigurationTitle{1703};
inline constexpr MessageId SaveConfigurationQuestion{1704};
inline constexpr MessageId ButtonYes{1705};
inline constexpr MessageId ButtonNo{1706};
inline constexpr MessageId ButtonCancel{1707};
inline constexpr MessageId ButtonOk{1708};
inline constexpr MessageId ButtonClose{1709};
inline constexpr MessageId FilterConfigFile{1710};
inline constexpr MessageId FilterAllFiles{1711};

// Select Device.
inline constexpr MessageId SelectDeviceTitle{1720};
inline constexpr MessageId SelectType{1721};
inline constexpr MessageId CorvanPlus{1722};

// Menus: a tab separates the caption from its accelerator.
inline constexpr MessageId MenuFile{1730};
inline constexpr MessageId MenuEdit{1731};
inline constexpr MessageId MenuTools{1732};
inline constexpr MessageId MenuHelp{1733};
inline constexpr MessageId MenuNew{1734};
inline constexpr MessageId MenuOpen{1735};
inline constexpr MessageId MenuSave{1736};
inline constexpr MessageId MenuSaveAs{1737};
inline constexpr MessageId MenuExit{1738};
inline constexpr MessageId MenuAddNode{1739};
inline constexpr MessageId MenuDeleteNode{1740};
inline constexpr MessageId MenuAddCommand{1741};
inline constexpr MessageId MenuDeleteCommand{1742};
inline constexpr MessageId MenuCopyNode{1743};
inline constexpr MessageId MenuPasteNode{1744};
inline constexpr MessageId MenuSerialConnection{1745};
inline constexpr MessageId MenuUpload{1746};
inline constexpr MessageId MenuDownload{1747};
inline constexpr MessageId MenuConflictDetection{1748};
inline constexpr MessageId MenuAutoMapping{1749};
inline constexpr MessageId MenuExportExcel{1750};
inline constexpr MessageId MenuMonitorIoData{1751};
inline constexpr MessageId MenuContent{1752};
inline constexpr MessageId MenuAbout{1753};

// The tree's right-click menu.
inline constexpr MessageId TreeAddNode{1760};
inline constexpr MessageId TreeDeleteNode{1761};
inline constexpr MessageId TreeAddCommand{1762};
inline constexpr MessageId TreeDeleteCommand{1763};
inline constexpr MessageId TreeCopyNode{1764};
inline constexpr MessageId TreePasteNode{1765};

// Toolbar captions, in button order.
inline constexpr MessageId ToolNew{1770};
inline constexpr MessageId ToolSave{1771};
inline constexpr MessageId ToolOpen{1772};
inline constexpr MessageId ToolAddNode{1773};
inline constexpr MessageId ToolDelNode{1774};
inline constexpr MessageId ToolAddCmd{1775};
inline constexpr MessageId ToolDelCmd{1776};
inline constexpr MessageId ToolUpload{1777};
inline constexpr MessageId ToolDownload{1778};
inline constexpr MessageId ToolAutoMap{1779};
inline constexpr MessageId ToolConflict{1780};
inline constexpr MessageId ToolExport{1781};
inline constexpr MessageId ToolDebug{1782};

// Status bar, bottom bar and the form view's captions.
inline constexpr MessageId StatusReady{1790};
inline constexpr MessageId IndicatorUppercase{1791};
inline constexpr MessageId IndicatorDigital{1792};
inline constexpr MessageId IndicatorScroll{1793};
inline constexpr MessageId BottomBarTitle{1794};
inline constexpr MessageId TabInfo{1795};
inline constexpr MessageId TabNews{1796};
inline constexpr MessageId CaptionDevice{1797};
inline constexpr MessageId CaptionConfiguration{1798};
inline constexpr MessageId SelectCommandTitle{1799};

// About.
inline constexpr MessageId AboutTitle{1810};
inline constexpr MessageId AboutProduct{1811};
inline constexpr MessageId AboutVersion{1812};
inline constexpr MessageId AboutContact{1813};
inline constexpr MessageId AboutLink{1814};
inline constexpr MessageId HelpTitle{1815};

} // namespace brenmoor::msg
