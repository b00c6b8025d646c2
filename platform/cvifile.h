#pragma once
// File operations of the data files: binary open, read, write, close by handle, and path splitting.

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

// Writes data to a temporary file in the target's directory and renames it over the target only when
// every byte was written and flushed; on failure the target is left as it was. Returns 0, -1 when the
// temporary file cannot be created, -2 on a short write, -3 when the rename fails.
int Datei_SicherSchreiben(const std::string& path, const void* data, int count);
