#pragma once
// Resource and control identifiers, shared by the resource scripts and the code.

#define IDD_TMAINFRM 100

#define IDC_GROUPBOX1 1001
#define IDC_PATHLBL 1002
#define IDC_LABEL3 1003
#define IDC_LABEL4 1004
#define IDC_LABEL1 1005
#define IDC_EDPATH 1006
#define IDC_EDWERSJA 1007
#define IDC_USTAWBTN 1008
#define IDC_CLOSEBRN 1009

#define IDS_WRITE_DENIED 2001

#define IDB_FEDITBMP 3001
