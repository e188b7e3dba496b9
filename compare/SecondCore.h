#pragma once

// Whether this process may run on a second core, so that a second thread can make a run faster.
bool SecondCoreFree();
