/* The application information, in a form that both C++ and the resource compiler read. */
#pragma once

#define WP_APP_TITLE "Wanderpoint"
#define WP_APP_MAJOR 1
#define WP_APP_MINOR 6
#define WP_APP_REVISION 1
#define WP_APP_COMMENTS "Moves the mouse at specified intervals. Capable of running macros"
#define WP_APP_DESCRIPTION WP_APP_COMMENTS "."
/* One line in the about window: its copyright label is 216 pixels wide. */
#define WP_APP_COPYRIGHT "Copyright (C) 2026 Wanderpoint"
#define WP_APP_COMPANY "."
#define WP_APP_INTERNAL_NAME "Wandrpnt"
#define WP_APP_FILE_NAME "Wandrpnt.exe"
/* Major, then Minor to two digits and Revision to four; checked against versionText() in C++. */
#define WP_APP_VERSION_TEXT "1.06.0001"
