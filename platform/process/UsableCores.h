#pragma once

// How many cores this process may run on now, as its CPU affinity allows; 1 when the system
// does not say.
int UsableCores();
