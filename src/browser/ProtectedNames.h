#pragma once

#include <array>
#include <string>

// Names of system files and folders that the editor never changes, wherever they lie. The
// first five are folders that the browser never enters.
inline const std::array<std::wstring, 9> ProtectedNames = {L"Documents and Settings",
                                                           L"System Volume Information",
                                                           L"$RECYCLE.BIN",
                                                           L"Boot",
                                                           L"Windows",
                                                           L"bootmgr",
                                                           L"BOOTNXT",
                                                           L"ProgramData",
                                                           L"Users"};

// True for one of ProtectedNames, the letters a-z taken as A-Z.
bool IsProtectedName(const std::wstring& name);
// True for one of the five folders not entered, compared exactly.
bool IsUnenterableFolderName(const std::wstring& name);
