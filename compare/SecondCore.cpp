#include "compare/SecondCore.h"

#include "platform/process/UsableCores.h"

bool SecondCoreFree() {
    return UsableCores() >= 2;
}
