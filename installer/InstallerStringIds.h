/* Ids of the installer window's texts in the program's string table.  Plain
   macros: the resource script includes this file too. */
#ifndef NUVEX_INSTALLER_STRING_IDS_H
#define NUVEX_INSTALLER_STRING_IDS_H

/* The DirectX installers beside the program, by button and language. */
#define IDS_DIRECTX_WIN98_POLISH 25600
#define IDS_DIRECTX_WIN2000_POLISH 25601
#define IDS_DIRECTX_WIN98_ENGLISH 25602
#define IDS_DIRECTX_WIN2000_ENGLISH 25603

#endif
