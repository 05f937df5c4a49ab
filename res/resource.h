/* Resource identifiers, shared by the code and the resource script. */
#pragma once

#define IDI_WANDERPOINT 1

/* Macro window: 500-599. */
#define IDC_TEST_POSITION 500
