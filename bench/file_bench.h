#pragma once

// Prints, for macro files of the shapes the size cap lets through, the time to open each on the
// real macro window until it is painted, the memory it took at its peak, and whether it was opened
// or refused.
void benchMacroFileShapes();
