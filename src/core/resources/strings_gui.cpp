#include "brenmoor_version.h"
#include "core/resources/messages_gui.h"
#include "core/resources/string_fragments.h"

namespace brenmoor {

namespace {
constexpr StringEntry kEntries[] = {
    {msg::AppTitle, "Brenmoor"},
    {msg::MainWindowTitle, "Gateway Configuration Software Brenmoor"},
    {msg::Untitled, "Untitled"},
    {msg::SaveConfigurationTitle, "Save Configuration"},
    {msg::SaveConfigurationQuestion, "Configuration has been changed, save it or not?"},
    {msg::ButtonYes, "Yes(&Y)"},
    {msg::ButtonNo, "No(&N)"},
    {msg::ButtonCancel, "Cancel"},
    {msg::ButtonOk, "OK"},
    {msg::ButtonClose, "Close"},
    {msg::FilterConfigFile, "Config File(*.chg)"},
    {msg::FilterAllFiles, "All Files (*.*)"},

    {msg::SelectDeviceTitle, "Select Device"},
    {msg::SelectType, "Select Type"},
    {msg::CorvanPlus, "Corvan-Plus"},

    {msg::MenuFile, "File(&F)"},
    {msg::MenuEdit, "Edit(&E)"},
    {msg::MenuTools, "Tools(&T)"},
    {msg::MenuHelp, "Help(&H)"},
    {msg::MenuNew, "New(&N)\tCtrl+N"},
    {msg::MenuOpen, "Open(&O)...\tCtrl+O"},
    {msg::MenuSave, "Save(&S)\tCtrl+S"},
    {msg::MenuSaveAs, "Save As(&A)..."},
    {msg::MenuExit, "Exit(&E)"},
    {msg::MenuAddNode, "Add Node(&N)"},
    {msg::MenuDeleteNode, "Delete Node(&D)"},
    {msg::MenuAddCommand, "Add Command(&I)"},
    {msg::MenuDeleteCommand, "Delete Command(&E)"},
    {msg::MenuCopyNode, "Copy Node(&C)"},
    {msg::MenuPasteNode, "Paste Node(&P)"},
    {msg::MenuSerialConnection, "Serial Connection"},
    {msg::MenuUpload, "Upload"},
    {msg::MenuDownload, "Download"},
    {msg::MenuConflictDetection, "Conflict Detection"},
    {msg::MenuAutoMapping, "Auto Mapping"},
    {msg::MenuExportExcel, "Export Excel"},
    {msg::MenuMonitorIoData, "Monitor I/O Data"},
    {msg::MenuContent, "Content(&C)"},
    {msg::MenuAbout, "About(&A)..."},

    {msg::TreeAddNode, "Add Node"},
    {msg::TreeDeleteNode, "Delete Node"},
    {msg::TreeAddCommand, "Add Command"},
    {msg::TreeDeleteCommand, "Delete Command"},
    {msg::TreeCopyNode, "Copy Node"},
    {msg::TreePasteNode, "Paste Node"},

    {msg::ToolNew, "New"},
    {msg::ToolSave, "Save"},
    {msg::ToolOpen, "Open"},
    {msg::ToolAddNode, "Add Node"},
    {msg::ToolDelNode, "Del Node"},
    {msg::ToolAddCmd, "Add Cmd "},
    {msg::ToolDelCmd, "Del Cmd "},
    {msg::ToolUpload, "Upload"},
    {msg::ToolDownload, "Download"},
    {msg::ToolAutoMap, "AutoMap"},
    {msg::ToolConflict, "Confilct"},
    {msg::ToolExport, "Export"},
    {msg::ToolDebug, "Debug"},

    {msg::StatusReady, "Ready"},
    {msg::IndicatorUppercase, "Uppercase"},
    {msg::IndicatorDigital, "Digital"},
    {msg::IndicatorScroll, "Scroll"},
    {msg::BottomBarTitle, "MY Control"},
    {msg::TabInfo, "Info"},
    {msg::TabNews, "News"},
    {msg::CaptionDevice, "Device"},
    {msg::CaptionConfiguration, "Configuration"},
    {msg::SelectCommandTitle, "Select Command"},

    {msg::AboutTitle, "About Software Brenmoor"},
    {msg::AboutProduct, "Gateway Configuration Software Brenmoor"},
    {msg::AboutVersion, "Version " BRENMOOR_VERSION},
    {msg::AboutContact,
     "Kestrin\nTechnical support: support@kestrin.example\nPhone: +00 000 000 0000"},
    {msg::AboutLink, "https://www.kestrin.example/"},
    {msg::HelpTitle, "Brenmoor Help"},
};
} // namespace

std::span<const StringEntry> guiStrings() {
    return kEntries;
}

} // namespace brenmoor
