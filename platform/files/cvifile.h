#pragma once
// File operations of the data files: binary open, read, write, close by handle, and path splitting. The
// saves of the data files go through Datei_SicherSchreiben (platform/datei_sicher.h).

#include "platform/files/datei_sicher.h"

#include <string>

enum : int { VAL_READ_ONLY = 1, VAL_WRITE_ONLY = 2 }; // read and write modes; writing truncates
enum : int { VAL_BINARY = 1 };

int CVI_OpenFile(const char* path, int mode, int append, int type); // handle >= 0, -1 on failure
int CVI_ReadFile(int handle, void* buffer, int count);              // bytes read, -1 on failure
int CVI_WriteFile(int handle, const void* buffer, int count);       // bytes written, -1 on failure
int CVI_CloseFile(int handle);                                      // 0, -1 on failure

// Splits a full path into drive ("" outside Windows), directory (with its trailing separator) and file
// name with extension.
void SplitPath(const std::string& path, std::string* drive, std::string* directory, std::string* fileName);
