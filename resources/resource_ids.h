#pragma once

// Icon 1 is the first icon group, which the shell shows for the executable.
#define IDI_APP 1
#define IDI_COMPACT_0 101
#define IDI_COMPACT_1 102
#define IDI_COMPACT_2 103
#define IDI_COMPACT_3 104
#define IDI_DOUBLE_0 111
#define IDI_DOUBLE_1 112
#define IDI_DOUBLE_2 113
#define IDI_DOUBLE_3 114
#define IDI_DOUBLE_4 115
#define IDI_DOUBLE_5 116
#define IDI_DOUBLE_6 117
#define IDI_DOUBLE_7 118
#define IDI_CLOSE 120
#define IDI_GLOBE 130
#define IDI_LETTER 131
#define IDC_LINK_HAND 140
