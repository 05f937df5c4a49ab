/* Resource identifiers, shared by the code and the resource script. */
#pragma once

#define IDI_WANDERPOINT 1

/* The mouse control's face (200-299). */
#define IDB_MTYMOUSE 200

/* The main window's commands and the markers: 300-399. */
#define IDI_TEST_POSITION 300
#define IDI_HELP_SIGN 301
#define IDI_ABOUT_SIGN 302
#define IDC_HAND_POINTER 303

/* The about window: 400-499 */
#define IDB_ABOUT_LOGO 400
#define IDC_POINTING_HAND 401

/* Macro window: 500-599. */
#define IDC_TEST_POSITION 500
