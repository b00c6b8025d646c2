#pragma once
// The settings file in the working folder and its one section, read and written by the program and read
// by the command-line tool.

constexpr const char* INI_DATEINAME = "plm1Steuerung.ini";
constexpr const char* INI_SEKTION = "konfig";
