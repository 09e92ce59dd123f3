#pragma once
// Where the program's DLLs may come from.  A program that runs with raised
// rights from a folder that others can write (a downloaded package) must not
// load a DLL planted beside it or in the working folder.
namespace nuvex {

// Restricts every later DLL search of this process to the system folder
// (SetDefaultDllDirectories where the system has it) and takes the working
// folder out of it (SetDllDirectoryA("")).  The first thing a program does;
// the DLLs its import table names are loaded before it, so those must be
// ones the system always takes from its own folder (the rest are
// delay-loaded: cmake/DelayLoad.cmake).
void RestrictDllSearch();

}  // namespace nuvex
