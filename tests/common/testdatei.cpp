// Files in tests: the private folder and the whole-file reads and writes.

#include "testdatei.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

namespace testdatei {

Ordner::Ordner() {
    std::string vorlage = (std::filesystem::temp_directory_path() / "plm1_test_XXXXXX").string();
    if (!::mkdtemp(vorlage.data())) throw std::runtime_error("kein temporärer Ordner: " + vorlage);
    pfad_ = vorlage;
}

Ordner::~Ordner() {
    std::error_code ec;
    std::filesystem::remove_all(pfad_, ec);
}

std::string textLesen(const std::filesystem::path& p) {
    std::ifstream f(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

Bytes bytesLesen(const std::filesystem::path& p) {
    const std::string t = textLesen(p);
    return {t.begin(), t.end()};
}

std::vector<std::string> zeilen(const std::string& text) {
    std::vector<std::string> z;
    std::istringstream s(text);
    for (std::string zeile; std::getline(s, zeile);)
        z.push_back(zeile);
    return z;
}

std::vector<std::string> zeilenLesen(const std::filesystem::path& p) {
    return zeilen(textLesen(p));
}

void textSchreiben(const std::filesystem::path& p, const std::string& text) {
    std::ofstream(p, std::ios::binary | std::ios::trunc) << text;
}

void bytesSchreiben(const std::filesystem::path& p, const Bytes& b) {
    textSchreiben(p, std::string(b.begin(), b.end()));
}

} // namespace testdatei
