#pragma once
// Files in tests: a private folder that goes with its owner, whole files read as bytes, text or lines,
// and written from bytes or text.

#include <filesystem>
#include <string>
#include <vector>

namespace testdatei {

using Bytes = std::vector<unsigned char>;

// A new empty folder under the system's temporary folder, removed with everything in it at the end.
class Ordner {
  public:
    Ordner();
    ~Ordner();
    Ordner(const Ordner&) = delete;
    Ordner& operator=(const Ordner&) = delete;
    const std::filesystem::path& pfad() const { return pfad_; }
    std::filesystem::path operator/(const std::string& name) const { return pfad_ / name; }

  private:
    std::filesystem::path pfad_;
};

// A missing or unreadable file reads as empty.
Bytes bytesLesen(const std::filesystem::path& p);
std::string textLesen(const std::filesystem::path& p);
std::vector<std::string> zeilenLesen(const std::filesystem::path& p);
// Splits text at line ends; a last line without its end counts too.
std::vector<std::string> zeilen(const std::string& text);

// Replaces the file's content.
void bytesSchreiben(const std::filesystem::path& p, const Bytes& b);
void textSchreiben(const std::filesystem::path& p, const std::string& text);

} // namespace testdatei
