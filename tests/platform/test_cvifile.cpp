// Binary file access by handle, path splitting and the write that keeps the old file on failure.

#include "platform/files/cvifile.h"
#include "tests/common/testdatei.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

class Verzeichnis : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("plm1_cvifile_" + std::to_string(::getpid()) + "_" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    std::string pfad(const std::string& name) const { return (dir / name).string(); }
    size_t eintraege() const { return size_t(std::distance(fs::directory_iterator(dir), {})); }
    fs::path dir;
};

TEST_F(Verzeichnis, SchreibenTrunkiertUndLesenLiefertDieBytes) {
    const std::string p = pfad("a.bin");
    testdatei::textSchreiben(p, std::string(100, 'x'));
    const unsigned char daten[5] = {0, 1, 0xFF, '\n', 0x80};
    int h = CVI_OpenFile(p.c_str(), VAL_WRITE_ONLY, 0, VAL_BINARY);
    ASSERT_GE(h, 0);
    EXPECT_EQ(CVI_WriteFile(h, daten, 5), 5);
    EXPECT_EQ(CVI_CloseFile(h), 0);
    EXPECT_EQ(testdatei::textLesen(p),
              std::string("\x00\x01\xFF\n\x80", 5)); // truncated, no newline translation

    h = CVI_OpenFile(p.c_str(), VAL_READ_ONLY, 0, VAL_BINARY);
    ASSERT_GE(h, 0);
    unsigned char puffer[10] = {};
    EXPECT_EQ(CVI_ReadFile(h, puffer, 10), 5); // short file: the count actually read
    EXPECT_EQ(0, std::memcmp(puffer, daten, 5));
    EXPECT_EQ(CVI_ReadFile(h, puffer, 10), 0);
    EXPECT_EQ(CVI_WriteFile(h, daten, 1), -1); // read-only handle
    EXPECT_EQ(CVI_CloseFile(h), 0);
}

TEST_F(Verzeichnis, UngueltigeAufrufeLiefernMinusEins) {
    EXPECT_EQ(CVI_OpenFile(pfad("fehlt.bin").c_str(), VAL_READ_ONLY, 0, VAL_BINARY), -1);
    EXPECT_EQ(CVI_OpenFile(pfad("x/y.bin").c_str(), VAL_WRITE_ONLY, 0, VAL_BINARY), -1);
    EXPECT_EQ(CVI_OpenFile(pfad("a.bin").c_str(), 7, 0, VAL_BINARY), -1);
    EXPECT_EQ(CVI_OpenFile(nullptr, VAL_READ_ONLY, 0, VAL_BINARY), -1);
    // A FIFO without a writer is refused at once instead of waited on; so is a folder.
    ASSERT_EQ(::mkfifo(pfad("fifo").c_str(), 0644), 0);
    ::alarm(30); // the deadline: a blocked open ends the test run instead of hanging it
    EXPECT_EQ(CVI_OpenFile(pfad("fifo").c_str(), VAL_READ_ONLY, 0, VAL_BINARY), -1);
    ::alarm(0);
    EXPECT_EQ(CVI_OpenFile(dir.c_str(), VAL_READ_ONLY, 0, VAL_BINARY), -1);
    char c = 0;
    EXPECT_EQ(CVI_ReadFile(12345, &c, 1), -1);
    EXPECT_EQ(CVI_WriteFile(12345, &c, 1), -1);
    EXPECT_EQ(CVI_CloseFile(12345), -1);
    // A closed handle is dead, also for a second close.
    const int h = CVI_OpenFile(pfad("b.bin").c_str(), VAL_WRITE_ONLY, 0, VAL_BINARY);
    ASSERT_GE(h, 0);
    EXPECT_EQ(CVI_WriteFile(h, &c, -1), -1);
    EXPECT_EQ(CVI_CloseFile(h), 0);
    EXPECT_EQ(CVI_CloseFile(h), -1);
    EXPECT_EQ(CVI_WriteFile(h, &c, 1), -1);
}

TEST(SplitPath, ZerlegtInLaufwerkVerzeichnisUndName) {
    struct Fall {
        const char* pfad;
        const char* verzeichnis;
        const char* name;
    };
    const Fall faelle[] = {
        {"Unbenannt", "", "Unbenannt"},
        {"", "", ""},
        {"/home/bediener/Hub.plt", "/home/bediener/", "Hub.plt"},
        {"/Hub.plt", "/", "Hub.plt"},
        {"daten/zyklus.plk", "daten/", "zyklus.plk"},
        {"/home/bediener/", "/home/bediener/", ""},
        {"/a.b/c", "/a.b/", "c"},
        {"/a/ventile.neu.plc", "/a/", "ventile.neu.plc"},
    };
    for (const Fall& f : faelle) {
        std::string l = "x", v, n;
        SplitPath(f.pfad, &l, &v, &n);
        EXPECT_EQ(l, "") << f.pfad;
        EXPECT_EQ(v, f.verzeichnis) << f.pfad;
        EXPECT_EQ(n, f.name) << f.pfad;
    }
    std::string n;
    SplitPath("/x/y.plt", nullptr, nullptr, &n); // parts not asked for may be null
    EXPECT_EQ(n, "y.plt");
}

TEST_F(Verzeichnis, SicherSchreibenErsetztDasZielUndHinterlaesstNichts) {
    const std::string p = pfad("k.plt");
    testdatei::textSchreiben(p, "alt");
    const std::string neu(720, '\x5A');
    EXPECT_EQ(Datei_SicherSchreiben(p, neu.data(), neu.size()), DATEI_OK);
    EXPECT_EQ(testdatei::textLesen(p), neu);
    EXPECT_EQ(eintraege(), 1u); // no temporary file left behind
    EXPECT_EQ(Datei_SicherSchreiben(pfad("neu.plc"), "ab", 2), DATEI_OK);
    EXPECT_EQ(testdatei::textLesen(pfad("neu.plc")), "ab");
}

TEST_F(Verzeichnis, SicherSchreibenLaesstDasZielBeiFehlernStehen) {
    const std::string p = pfad("k.plt");
    testdatei::textSchreiben(p, "alt");
    // No directory for the temporary file.
    EXPECT_EQ(Datei_SicherSchreiben(pfad("fehlt/k.plt"), "neu", 3), DATEI_FEHLER_OEFFNEN);

    // A write that stops short: the file size limit cuts it off.
    {
        const std::string gross(4096, 'n');
        rlimit alt{};
        ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &alt), 0);
        auto altSignal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit klein = alt;
        klein.rlim_cur = 1000;
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &klein), 0);
        const int r = Datei_SicherSchreiben(p, gross.data(), gross.size());
        setrlimit(RLIMIT_FSIZE, &alt);
        std::signal(SIGXFSZ, altSignal);
        EXPECT_EQ(r, DATEI_FEHLER_SCHREIBEN);
    }
    EXPECT_EQ(testdatei::textLesen(p), "alt");
    EXPECT_EQ(eintraege(), 1u);

    // The target is a directory: refused before anything is written, the directory stays.
    fs::create_directories(dir / "ordner.plt" / "innen");
    EXPECT_EQ(Datei_SicherSchreiben(pfad("ordner.plt"), "neu", 3), DATEI_FEHLER_OEFFNEN);
    EXPECT_TRUE(fs::is_directory(dir / "ordner.plt" / "innen"));
    EXPECT_EQ(eintraege(), 2u);

    EXPECT_EQ(Datei_SicherSchreiben(p, nullptr, 3), DATEI_FEHLER_OEFFNEN);
    EXPECT_EQ(Datei_SicherSchreiben("", "x", 1), DATEI_FEHLER_OEFFNEN);
    EXPECT_EQ(testdatei::textLesen(p), "alt");
}

} // namespace
