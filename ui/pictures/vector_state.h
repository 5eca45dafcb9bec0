#pragma once
// Qt's vectorised drawing and start-up code can leave the upper halves of the AVX
// registers in use. The engine is built for plain SSE, and every SSE instruction then
// carries a false dependency on those halves: the signal evaluation ran 13 times slower
// (16 ms instead of 1.2 ms for one plot of the DAC output) until they were cleared.
// Handlers call this before they hand heavy work to the engine.
void clear_upper_vector_state();
