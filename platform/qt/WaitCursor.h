#pragma once

// The busy pointer over every window of the program; calls nest. A run keeps them paired
// whichever way it ends.
void BeginWaitCursor();
void EndWaitCursor();
