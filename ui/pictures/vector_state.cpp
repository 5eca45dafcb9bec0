#include "ui/pictures/vector_state.h"

void clear_upper_vector_state()
{
#if defined(__x86_64__) || defined(__i386__)
    // vzeroupper exists only on processors with AVX; it keeps the low 128 bits the
    // compiled code uses.
    static const bool has_avx = __builtin_cpu_supports("avx");
    if (has_avx) asm volatile("vzeroupper" ::: "memory");
#endif
}
