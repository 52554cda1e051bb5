#pragma once

// Clears the upper halves of the processor's 256-bit vector registers where
// the processor has them (x86-64 with AVX); elsewhere does nothing.
//
// Some library code run while a QGuiApplication starts leaves them in use and
// nothing clears them afterwards (glibc's AVX-512 string functions never
// do). Until they are cleared every plain SSE instruction, which the
// compiler emits for copies of small structures, waits on their state: the
// conversion loop then runs at half its speed. Values in the registers'
// lower halves are kept, so this is safe at any point of a program.
void clearUpperVectorState();
