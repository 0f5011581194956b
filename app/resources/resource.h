// Resource and control identifiers of Firmlook (shared by the code and the resource script).
#ifndef FIRMLOOK_RESOURCE_H
#define FIRMLOOK_RESOURCE_H

#define IDD_MAIN 100
#define IDI_MAIN 101

#define IDC_CLOSE 1
#define IDC_CANCEL 2
#define IDC_LANGUAGE 10
#define IDC_FONT 11
#define IDC_ABOUT 12
#define IDC_PRINT 13
#define IDC_REFRESH 14
#define IDC_COLOUR 15
#define IDC_WWW 16
#define IDC_RAMINFO 17
#define IDC_ROMDATES 18
#define IDC_NONOTES 19
#define IDC_HEXDUMP 20
#define IDC_OLDMETHOD 21
#define IDC_SEGMENT 22
#define IDC_SEGMENT_SPIN 23
#define IDC_OFFSET 24
#define IDC_OFFSET_SPIN 25
#define IDC_STEP 26
#define IDC_STEP_SPIN 27
#define IDC_STEP_LABEL 102
#define IDC_REPORT 1000

// System-menu commands added by the program.
#define IDM_ABOUT 1
#define IDM_PRINT 2

#endif
