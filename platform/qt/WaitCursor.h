#pragma once

// The busy pointer over every window of the program; calls nest.
void BeginWaitCursor();
void EndWaitCursor();

// Keeps the busy pointer up for the life of the object, whichever way the scope is left.
class CWaitCursor {
public:
    CWaitCursor() { BeginWaitCursor(); }
    ~CWaitCursor() { EndWaitCursor(); }
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
};
