// Resource and command ids of the editor program.
#pragma once

#include "editor/textedit/edit/edit_ids.h"
#include "editor/textedit/view/text_view_ids.h"

// Resources.
constexpr UINT IDR_MAINFRAME = 128;
constexpr UINT IDR_SAMPLETYPE = 129;
constexpr UINT IDD_ABOUTBOX = 100;
constexpr UINT IDD_EXPLORER_PANE = 138;
constexpr UINT IDR_FILE_LIST_MENU = 139;
constexpr UINT IDD_RENAME = 140;
constexpr UINT IDD_SETTINGS = 145;
constexpr UINT IDD_FOLDER_PICKER = 146;

// Strings.
constexpr UINT IDP_OLE_INIT_FAILED = 57608;

// Commands of the NC view and the application.
constexpr UINT ID_FIND_LINE_NUMBER = 32800;
constexpr UINT ID_FIND_M_CODE = 32806;
constexpr UINT ID_FIND_X_CODE = 32808;
constexpr UINT ID_FIND_Y_CODE = 32809;
constexpr UINT ID_FIND_Z_CODE = 32810;
constexpr UINT ID_FIND_T_CODE = 32811;
constexpr UINT ID_FIND_H_CODE = 32812;
constexpr UINT ID_FIND_I_CODE = 32813;
constexpr UINT ID_FIND_J_CODE = 32814;
constexpr UINT ID_FIND_S_CODE = 32815;
constexpr UINT ID_EDIT_DELETE_RANGE = 32826;
constexpr UINT ID_FIND_G_CODE = 32835;
constexpr UINT ID_FIND_F_CODE = 32836;
constexpr UINT ID_NC_MERGE = 32860;
constexpr UINT ID_NC_CODE_CHANGE = 32861;
constexpr UINT ID_VIEW_SETTINGS = 32862;
constexpr UINT ID_REMOVE_SEQUENCE_NUMBERS = 32863;
constexpr UINT ID_FIND_SEQUENCE_NUMBER = 32864;
constexpr UINT ID_FIND_COORDINATE = 32865;
constexpr UINT ID_VIEW_NC_HIGHLIGHT = 32866;
constexpr UINT ID_GO_TEXT_BEGIN = 32868;
constexpr UINT ID_GO_TEXT_END = 32869;
constexpr UINT ID_RESTART_EDIT = 32877;
constexpr UINT ID_SUBPROGRAM_MERGE = 32878;
constexpr UINT ID_APP_SETTINGS = 32882;
constexpr UINT ID_TOGGLE_READ_ONLY = 32795;

// Commands of the explorer pane's popup menu.
constexpr UINT ID_FILE_LIST_OPEN = 32850;
constexpr UINT ID_FILE_LIST_REFRESH = 32851;
constexpr UINT ID_FILE_LIST_CUT = 32852;
constexpr UINT ID_FILE_LIST_COPY = 32853;
constexpr UINT ID_FILE_LIST_PASTE = 32854;
constexpr UINT ID_FILE_LIST_DELETE = 32855;
constexpr UINT ID_FILE_LIST_RENAME = 32856;
constexpr UINT ID_FILE_LIST_PROPERTIES = 32857;

// Controls.
constexpr int IDC_EXPLORE = 1044;
constexpr int IDC_REFRESH = 1045;
constexpr int IDC_PATTERN = 1046;
constexpr int IDC_FOLDER_TREE = 1047;
constexpr int IDC_RENAME_CAPTION = 1048;
constexpr int IDC_RENAME_NAME = 1049;
constexpr int IDC_CONFIG_DIR = 1039;
constexpr int IDC_BROWSE_CONFIG = 1052;
constexpr int IDC_BROWSE_NCDATA = 1053;
constexpr int IDC_NCDATA_DIR = 1075;
constexpr int IDC_PATTERN_EDIT = 1076;
constexpr int IDC_NC_HIGHLIGHT_CHECK = 1085;
constexpr int IDC_NC_HIGHLIGHT_TEXT = 1086;
constexpr int IDC_MACRO_DIR = 1096;
constexpr int IDC_BROWSE_MACRO = 1112;
constexpr int IDC_MACRO_CHECK = 1113;
