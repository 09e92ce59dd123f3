#pragma once
// The thread's message loop, in the three ways the program waits.
#ifndef _WIN32
#error "toolkit/backends/win32/MessageLoop.h is for Windows builds only"
#endif

namespace nuvex::win32 {

// Dispatches what is waiting and returns; a quit message stays for the main loop.
void DispatchPending();

// Waits for one message and dispatches it; false once the quit message came.
bool DispatchNext();

// Tells the system the thread still answers, without taking any input.
void AnswerSystem();

}  // namespace nuvex::win32
