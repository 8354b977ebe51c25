// Dialog templates of the file commands (resources/file_dialogs.rc).
#pragma once

// "Import from Clipboard"
#define IDD_IMPORTCLIP 940
#define IDC_IMPORT_KVL 1001
#define IDC_IMPORT_RC 1002
#define IDC_IMPORT_VBFORM 1003
#define IDC_IMPORT_TEXT 1004

// "Open/Import Results"
#define IDD_IMPORTRESULTS 941
#define IDC_RESULTS_LABELS 1001
#define IDC_RESULTS_NUMBERS 1002
