#include "compare/SecondCore.h"

#include <sched.h>

bool SecondCoreFree() {
    cpu_set_t cores;
    return ::sched_getaffinity(0, sizeof cores, &cores) == 0 && CPU_COUNT(&cores) >= 2;
}
