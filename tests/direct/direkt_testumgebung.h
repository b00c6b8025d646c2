#pragma once
// Shared set-up of the direct-operation tests: the window loaded once, a simulated unit on a
// pseudo-terminal mapped to COM1, the connection open at address '1'.

#include "sim/plm1sim_server.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

constexpr int TEST_PORT = 1;

// Loads DIREKTPNL once per process and returns its handle.
int DirektTest_Panel();

class DirektGeraet : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Command lines the unit received since the last call, without their CR.
    std::vector<std::string> zeilen();
    int fehlernummer() const;
    int ctrlInt(int control) const;
    double ctrlDouble(int control) const;

    plm1sim::Server server;
    int panel = 0;
};
