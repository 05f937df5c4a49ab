/* Resource identifiers, shared by the code and the resource script. */
#pragma once

#define IDI_WANDERPOINT 1

/* The mouse control's face (200-299). */
#define IDB_MTYMOUSE 200

/* The about window: 400-499 */
#define IDB_ABOUT_LOGO 400
#define IDC_POINTING_HAND 401
