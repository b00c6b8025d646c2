#pragma once
// PLM-1 device driver: opens the line with the unit's settings and runs one synchronous transaction per
// command (flush, write, wait until sent, handshake, reply line), decoding and checking every reply.

#include "errors/VKR_Fehlercodes.h"

// Line protocol bytes.
constexpr char VKRPLM1_ACK = 0x06;
constexpr char VKRPLM1_NAK = 0x15;
constexpr char VKRPLM1_CAN = 0x18;
constexpr char VKRPLM1_CR = 0x0D;
constexpr char VKRPLM1_START = '#';
constexpr char VKRPLM1_BROADCAST = '&';

constexpr int VKRPLM1_BAUDRATE = 9600;
constexpr double VKRPLM1_TIMEOUT_S = 0.5;
constexpr int VKRPLM1_SPEICHERTYP = 4;
constexpr int VKRPLM1_MAX_BLOCK = 64;
constexpr int VKRPLM1_SPEICHER_ENDE = 0x10000; // one past the unit's last memory address
constexpr int VKRPLM1_ID_LAENGE = 27;          // room idText must have

[[nodiscard]] Fehlercode VKRPLM1_Open(int port, int baud);
[[nodiscard]] Fehlercode VKRPLM1_Close(int port);
[[nodiscard]] Fehlercode VKRPLM1_Timeout(int port, double seconds);
// Empties the input queue, then the output queue: 0, FEHLER_FLUSH_EINGANG or FEHLER_FLUSH_AUSGANG.
[[nodiscard]] Fehlercode FlushInOut(int port);
[[nodiscard]] Fehlercode VKRPLM1_IDLesen(int port, char address, char* idText);
[[nodiscard]] Fehlercode VKRPLM1_DeviceFunction(int port, char address, const char* word);
[[nodiscard]] Fehlercode VKRPLM1_ParameterSchreiben(int port, char address, const char* word,
                                                    double realValue, int intValue);
[[nodiscard]] Fehlercode VKRPLM1_ParameterLesen(int port, char address, const char* word, double* realOut,
                                                int* intOut, char* textOut);
[[nodiscard]] Fehlercode VKRPLM1_SpeicherLesen(int port, char address, int memoryType, int startAddress,
                                               int size, unsigned char* buffer);
[[nodiscard]] Fehlercode VKRPLM1_SpeicherSchreiben(int port, char address, int memoryType, int startAddress,
                                                   int size, const unsigned char* data);
int Hexchar2Int(char c); // 0..15 for a hexadecimal digit of either case, else -1
