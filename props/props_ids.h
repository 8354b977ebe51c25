// Ids of the Properties dialog, its three pages and the colour popup, shared
// by their templates (props.rc) and the code.
#pragma once

#define IDD_PROPERTIES 700
#define IDD_PROPS_GENERAL 701
#define IDD_PROPS_STYLES 702
#define IDD_PROPS_POSITION 703
#define IDD_COLORPOPUP 704
#define IDD_FAVORITENAME 705
#define IDA_PROPERTIES 706

// The frame.
#define IDC_PROP_TAB 215
#define IDC_PROP_DESCRIPTION 224
#define IDC_PROP_APPLY 216
#define IDM_PROP_NEXTTAB 222
#define IDM_PROP_PREVTAB 223

// General page.
#define IDC_PROP_FONTBTN 201
#define IDC_PROP_CAPTION 202
#define IDC_PROP_CLASS 203
#define IDC_PROP_FONTNAME 204
#define IDC_PROP_FONTSIZE 205
#define IDC_PROP_FONTGROUP 206
#define IDC_PROP_IDNAME 207
#define IDC_PROP_IDVALUE 208
#define IDC_PROP_CAPTIONLABEL 209
#define IDC_PROP_CLASSLABEL 210
#define IDC_PROP_TABLABEL 211
#define IDC_PROP_TABORDER 214
#define IDC_PROP_BROWSE 221
#define IDC_PROP_IDMENU 225
#define IDM_PROP_CAPTIONNAME 226
#define IDC_PROP_ICON 227
#define IDC_PROP_COLORGROUP 228
#define IDC_PROP_FORE 1011
#define IDC_PROP_FOREBTN 1012
#define IDC_PROP_FORESYS 1013
#define IDC_PROP_BACK 1014
#define IDC_PROP_BACKBTN 1015
#define IDC_PROP_BACKSYS 1016

// Styles page.
#define IDC_PROP_STYLELIST 212
#define IDC_PROP_EXSTYLELIST 213
#define IDC_PROP_FAVSTYLES 217
#define IDC_PROP_STYLECOUNT 218
#define IDC_PROP_CHOSEN 219
#define IDC_PROP_FAVSTYLEMENU 220

// Position && Size page.
#define IDC_PROP_LEFT 1001
#define IDC_PROP_TOP 1002
#define IDC_PROP_WIDTH 1003
#define IDC_PROP_HEIGHT 1004
#define IDC_PROP_PXLEFT 1005
#define IDC_PROP_PXTOP 1006
#define IDC_PROP_PXWIDTH 1007
#define IDC_PROP_PXHEIGHT 1008
#define IDC_PROP_FAVSIZEMENU 1009
#define IDC_PROP_FAVSIZES 1010

// The favourites menu (commands to the Properties dialog) and the name dialog.
#define IDM_FAV_DEFAULT 1001
#define IDM_FAV_CREATE 1002
#define IDM_FAV_UPDATE 1003
#define IDM_FAV_RENAME 1004
#define IDM_FAV_DELETE 1005
#define IDC_FAVNAME_EDIT 100

// The open-file dialog's preview (its child template lives in resources/).
#define IDD_IMAGEPREVIEW 707
#define IDC_PREVIEW_AREA 1300
#define IDC_PREVIEW_ZOOM 1301
#define IDC_PREVIEW_SIZE 1302

// Colour popup.
#define IDC_COLOR_FIRST 1001 // 1001-1016 the palette, 1017-1018 the system colours
#define IDC_COLOR_MORE 1019
