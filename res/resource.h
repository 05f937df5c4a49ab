/* Resource identifiers, shared by the code and the resource script. */
#pragma once

#define IDI_WANDERPOINT 1

/* The mouse control's face (200-299). */
#define IDB_MTYMOUSE 200
