// Test entry for window tests: offscreen Qt platform unless one is set, one QApplication, the resource
// registered, GoogleTest. Every run gets a private folder as its temporary folder, home and configuration,
// so that runs in parallel never share a file and Qt (its file dialog remembers folders) never touches the
// user's settings; and a test left waiting on a modal popup fails after a deadline instead of hanging.

#include "resources/panels.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTimer>
#include <QWidget>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>

namespace {

constexpr int POPUP_FRIST_MS = 30000; // longest time a test may leave a modal popup open

// Closes what a test left open past its deadline, and says so.
class PopupWachhund : public ::testing::EmptyTestEventListener {
  public:
    PopupWachhund() {
        frist_.setSingleShot(true);
        QObject::connect(&frist_, &QTimer::timeout, [this] {
            ADD_FAILURE() << "a modal popup was still open after " << POPUP_FRIST_MS
                          << " ms; closed by force";
            raeumen_.start(100);
        });
        QObject::connect(&raeumen_, &QTimer::timeout, [] {
            for (int i = 0; i < 20; ++i) {
                QWidget* w = QApplication::activeModalWidget();
                if (!w) break;
                w->close();
                if (w == QApplication::activeModalWidget()) w->hide();
            }
        });
    }
    void OnTestStart(const ::testing::TestInfo&) override { frist_.start(POPUP_FRIST_MS); }
    void OnTestEnd(const ::testing::TestInfo&) override {
        frist_.stop();
        raeumen_.stop();
    }

  private:
    QTimer frist_, raeumen_;
};

std::string privaterOrdner() {
    const char* basis = std::getenv("TMPDIR");
    std::string muster = std::string(basis && *basis ? basis : "/tmp") + "/plm1-test-XXXXXX";
    if (!mkdtemp(muster.data())) return {};
    for (const char* unter : {"home", "config", "cache", "data", "tmp"})
        std::filesystem::create_directories(muster + "/" + unter);
    setenv("HOME", (muster + "/home").c_str(), 1);
    setenv("XDG_CONFIG_HOME", (muster + "/config").c_str(), 1);
    setenv("PLM1_SPRACHE", "de", 1); // the program's own texts, whatever the locale of the test run
    setenv("XDG_CACHE_HOME", (muster + "/cache").c_str(), 1);
    setenv("XDG_DATA_HOME", (muster + "/data").c_str(), 1);
    setenv("TEST_TMPDIR", (muster + "/tmp/").c_str(), 1); // ::testing::TempDir()
    const std::string laufzeit = muster + "/runtime";
    if (mkdir(laufzeit.c_str(), 0700) == 0) setenv("XDG_RUNTIME_DIR", laufzeit.c_str(), 1);
    return muster;
}

// The offscreen platform's own screen (800x600) is smaller than the program's windows, which would be
// shrunk to it: a desktop's screen instead.
void offscreenMitSchirm(const std::string& ordner) {
    const std::string pfad = ordner + "/schirm.json";
    std::ofstream(pfad) << R"({"screens": [{"name": "schirm", "x": 0, "y": 0, "width": 1600, "height": 1000,)"
                           R"( "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})";
    setenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + pfad).c_str(), 1);
}

} // namespace

int main(int argc, char** argv) {
    const std::string ordner = privaterOrdner();
    if (ordner.empty()) return 1;
    if (!std::getenv("QT_QPA_PLATFORM")) offscreenMitSchirm(ordner);
    QStandardPaths::setTestModeEnabled(true);
    int rc = 0;
    {
        QApplication app(argc, argv);
        QApplication::setStyle("Fusion");
        Resource_Registrieren();
        ::testing::InitGoogleTest(&argc, argv);
        auto* wachhund = new PopupWachhund;
        ::testing::UnitTest::GetInstance()->listeners().Append(wachhund);
        rc = RUN_ALL_TESTS();
        delete ::testing::UnitTest::GetInstance()->listeners().Release(wachhund);
    }
    std::error_code egal;
    std::filesystem::remove_all(ordner, egal);
    return rc;
}
