// Every resource and control identifier of the program; the .rc and the code both include this.
#ifndef TORVANE_RESOURCE_H
#define TORVANE_RESOURCE_H

#define IDD_MAIN 101
#define IDI_TORVANE 104

#define IDC_READING 1000
#define IDC_UPPER 1001
#define IDC_MIDDLE 1002
#define IDC_LOWER 1003
#define IDC_RANDOM 1004
#define IDC_ABOUT 1005

#define IDS_INTRO 30001
#define IDS_ABOUT_CAPTION 30002
#define IDS_ABOUT_TEXT 30003
// The five count labels, index = count: IDS_COUNT_0 + count.
#define IDS_COUNT_0 30010

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

#endif
