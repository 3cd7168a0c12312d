#pragma once

// The longest filter the workbench handles: designs, imports, exports and the zeros' exchange
// files, which count their records in 16 bits.
constexpr int kMaxFilterLength = 65535;
