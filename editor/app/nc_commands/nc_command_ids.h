// Dialog and control ids of the NC commands.
#pragma once

#include "platform/classlib/afxwin.h"

constexpr UINT IDD_FIND_LINE_NUMBER = 135;
constexpr UINT IDD_SELECT_RANGE = 136;
constexpr UINT IDD_NC_MERGE = 144;
constexpr UINT IDD_FIND_SEQUENCE_NUMBER = 151;
constexpr UINT IDD_FIND_COORDINATE = 153;
constexpr UINT IDD_RESTART_EDIT = 155;
constexpr UINT IDD_CODE_CHANGE = 156;

// Shared by several dialogs, as in their templates.
constexpr int IDC_NC_VALUE = 1039;  // the number or text asked for; the found X
constexpr int IDC_RANGE_TEXT = 1043;

// Merge dialog.
constexpr int IDC_MERGE_PATTERN = 1046;
constexpr int IDC_MERGE_TREE = 1047;
constexpr int IDC_MERGE_LIST = 1051;
constexpr int IDC_MERGE_ADD = 1052;
constexpr int IDC_MERGE_REMOVE = 1053;
constexpr int IDC_MERGE_DROP = 1054;
constexpr int IDC_MERGE_START_EMPTY = 1001;

// Code change dialog.
constexpr int IDC_CHANGE_T = 1072;
constexpr int IDC_CHANGE_T_VALUE = 1073;
constexpr int IDC_CHANGE_H = 1001;
constexpr int IDC_CHANGE_H_VALUE = 1069;
constexpr int IDC_CHANGE_G = 1002;
constexpr int IDC_CHANGE_G54 = 1065;
constexpr int IDC_CHANGE_G55 = 1066;
constexpr int IDC_CHANGE_G56 = 1067;
constexpr int IDC_CHANGE_G57 = 1068;
constexpr int IDC_CHANGE_S = 1003;
constexpr int IDC_CHANGE_S_VALUE = 1070;
constexpr int IDC_CHANGE_F = 1004;
constexpr int IDC_CHANGE_F_VALUE = 1071;

// Coordinate search and restart dialogs.
constexpr int IDC_USE_X = 1054;
constexpr int IDC_USE_Y = 1001;
constexpr int IDC_USE_Z = 1002;
constexpr int IDC_FROM_CARET = 1004;
constexpr int IDC_TARGET_X = 1088;
constexpr int IDC_TARGET_Y = 1089;
constexpr int IDC_TARGET_Z = 1090;
constexpr int IDC_TOLERANCE = 1091;
constexpr int IDC_FOUND_X = 1039;
constexpr int IDC_FOUND_Y = 1075;
constexpr int IDC_FOUND_Z = 1076;
constexpr int IDC_HIT_LINE = 1086;
constexpr int IDC_RESTART_SPARE1 = 1096;
constexpr int IDC_RESTART_SPARE2 = 1097;
constexpr int IDC_RESTART_SPARE3 = 1098;
constexpr int IDC_RESTART_SEQUENCE = 1100;
// "검색" goes on searching; OK of the coordinate search ends it, OK of the restart applies the edit.
constexpr int IDC_SEARCH_NEXT = 1092;
constexpr int IDC_RESTART_APPLY = 5;
constexpr int IDC_RESTART_CANCEL = 6;
