#pragma once

// Resource and control ids of the main window.
inline constexpr int IDD_WENDLE_DIALOG = 102;
inline constexpr int IDR_MAINFRAME = 128;

inline constexpr int IDC_STATIC = -1;  // labels and the separator: no id of their own
inline constexpr int IDC_TITLE = 1001;
inline constexpr int IDC_TEXT = 1002;
inline constexpr int IDC_SAVEAS = 1003;
inline constexpr int IDC_BUILD = 1004;
inline constexpr int IDC_OPEN = 1005;
inline constexpr int IDC_TEMPLATE = 1006;
inline constexpr int IDC_NEW = 1007;
inline constexpr int IDC_SAVE = 1008;
inline constexpr int IDC_BUILDAS = 1009;
inline constexpr int IDC_MARKDOWN = 1010;
