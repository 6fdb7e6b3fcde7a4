// Resource ids of brisel.exe, shared by the resource script and the code.
#pragma once

// The settings dialog template.
#define IDD_SETTINGS 1

// Dialog controls. Per kind: icon, application edit (101 + 2 * setting index),
// browse button, extension edit.
#define IDC_HELP_BUTTON 9
#define IDC_KISS_ICON 100
#define IDC_KISS_APP 101
#define IDC_KISS_BROWSE 102
#define IDC_KISS_EXT 103
#define IDC_CG_ICON 104
#define IDC_CG_APP 105
#define IDC_CG_BROWSE 106
#define IDC_CG_EXT 107
#define IDC_MIDI_ICON 108
#define IDC_MIDI_APP 109
#define IDC_MIDI_BROWSE 110
#define IDC_MIDI_EXT 111
#define IDC_OTHER_ICON 112
#define IDC_OTHER_APP 113
#define IDC_OTHER_BROWSE 114
#define IDC_ASSOCIATE 115

// Texts of the string table, in both languages: 1000-1039 the dialog and the
// settings, 1040-1079 launch mode.
#define IDS_MESSAGE_CAPTION 1000
#define IDS_SELF_CHOSEN 1001
#define IDS_FILTER_PROGRAMS 1002
#define IDS_FILTER_ALL 1003
#define IDS_APPLICATION_DESCRIPTION 1004
#define IDS_INSTALL_REFUSED 1005
#define IDS_INSTALL_TEMPORARY 1006
#define IDS_REMOVE_REFUSED 1007
#define IDS_OTHER_CHOICE 1008
#define IDS_SAVE_FAILED 1009
#define IDS_TEXT_NOT_STORABLE 1010
#define IDS_BROWSED_NOT_NAMEABLE 1011
// The names of the seven fields, in the order of the settings record.
#define IDS_FIELD_FIRST 1012
#define IDS_START_FAILED 1040
#define IDS_FOLDER_NOT_NAMEABLE 1041
// Every string id lies in [IDS_FIRST, IDS_LAST]; ids may leave gaps.
#define IDS_FIRST IDS_MESSAGE_CAPTION
#define IDS_LAST IDS_FOLDER_NOT_NAMEABLE

// Icon groups: 200 + k holds icon image k + 1. The shell takes the lowest
// group as the program's icon and ",1" as the second: the .lzh document.
#define IDI_PROGRAM 200
#define IDI_DOCUMENT 201
#define IDI_KISS 202
#define IDI_CG 203
#define IDI_MIDI 204
#define IDI_ORDINARY 205
#define IDI_APPLICATION_FILE 206
#define IDI_EXTENSIONS 207
#define IDI_HELP 208
#define ICON_GROUP_COUNT 9
