#pragma once
// The ids of the installer's and uninstaller's texts in the message table
// (installer/Messages.h), named once for every file that shows one.
namespace nuvex::msg {

inline constexpr int kOkCaption = 0;
inline constexpr int kCancelCaption = 1;
inline constexpr int kErrorCaption = 4;
inline constexpr int kInformationCaption = 5;
inline constexpr int kWindowCaption = 100;
inline constexpr int kApplicationTitle = 101;
inline constexpr int kDirectoryText = 102;
inline constexpr int kFolderHint = 103;
inline constexpr int kInstallDone = 104;
inline constexpr int kInstallFailed = 105;
inline constexpr int kDirectXMissing = 107;
inline constexpr int kDialogCaption = 108;
inline constexpr int kFolderNotFull = 109;
inline constexpr int kNotEnoughSpace = 110;
inline constexpr int kHelpShortcut = 300;
inline constexpr int kUninstallQuestion = 500;
inline constexpr int kUninstallShortcut = 501;
inline constexpr int kUninstallCaption = 502;
inline constexpr int kRemoved = 503;
inline constexpr int kNotAllRemoved = 504;
inline constexpr int kFailedFiles = 505;
inline constexpr int kSharedFiles = 506;
inline constexpr int kKeptFolders = 507;
inline constexpr int kRemovedAtRestart = 508;
inline constexpr int kUninstallListMissing = 509;

}  // namespace nuvex::msg
