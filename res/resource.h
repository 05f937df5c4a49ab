/* Resource identifiers, shared by the code and the resource script. */
#pragma once

#define IDI_WANDERPOINT 1
