#pragma once

namespace brenmoor::gui::cmd {

// The command ids of the menus and the toolbar, carried as QAction data.
inline constexpr int FileNew = 57600;
inline constexpr int FileOpen = 57601;
inline constexpr int FileSave = 57603;
inline constexpr int FileSaveAs = 57604;
inline constexpr int AppExit = 57665;
inline constexpr int AppAbout = 57664;
inline constexpr int AddNode = 32771;
inline constexpr int DeleteNode = 32772;
inline constexpr int AddCommand = 32773;
inline constexpr int DeleteCommand = 32774;
inline constexpr int CopyNode = 32790;
inline constexpr int PasteNode = 32791;
inline constexpr int SerialConnection = 32775;
inline constexpr int Upload = 32776;
inline constexpr int Download = 32777;
inline constexpr int ConflictDetection = 32779;
inline constexpr int AutoMapping = 32792;
inline constexpr int ExportExcel = 32780;
inline constexpr int MonitorIoData = 32787;
inline constexpr int HelpContent = 32786;
inline constexpr int TreeAddNode = 32781;
inline constexpr int TreeDeleteNode = 32782;
inline constexpr int TreeAddCommand = 32783;
inline constexpr int TreeDeleteCommand = 32784;
// Undo and Redo keep the framework's editing ids; the comparisons have ids
// of their own after the program's commands.
inline constexpr int EditUndo = 57643;
inline constexpr int EditRedo = 57644;
inline constexpr int CompareWithFile = 32800;
inline constexpr int CompareWithGateway = 32801;

} // namespace brenmoor::gui::cmd
