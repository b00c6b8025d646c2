// Settings store: parsing and writing the INI text, names compared case-insensitively without the white
// space around them, a byte-order mark skipped, and the shared writer that replaces the target only once
// the whole text is on disk.

#include "platform/files/inifile.h"

#include "platform/files/datei_sicher.h"
#include "platform/files/zahl_text.h"

#include <algorithm>
#include <cstdio>
#include <new>
#include <string_view>
#include <vector>

namespace {

constexpr std::size_t MAX_ZEILE = 255;
constexpr std::size_t MAX_WERT = 80;
constexpr std::string_view FORTSETZUNG = " Line";
constexpr std::string_view BYTE_ORDER_MARK = "\xEF\xBB\xBF"; // put first by some editors saving UTF-8
constexpr const char* INI_TEMPVORLAGE = "ini$$XXXXXX.TMP";

} // namespace

// An item or section read from a file keeps its lines as they stood (`roh`, every piece of a joined item,
// longer than 255 characters, in any encoding): written back unchanged, what the program does not know or
// could not read survives. Putting a value makes the item new.
struct IniItem {
    std::string tag, wert;
    bool inAnfuehrungszeichen = false;
    std::vector<std::string> roh;
};

struct IniSection {
    std::string name;
    std::vector<IniItem> items;
    std::string roh;
};

struct IniStore {
    bool sortieren = true;
    std::vector<IniSection> sections;
    std::vector<std::string> unlesbar; // "tag = value" of the values that could not be taken, in order
};

namespace {

bool istLeer(char c) {
    return c == ' ' || c == '\t' || c == '\v' || c == '\f';
}
char klein(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string_view trimmen(std::string_view s) {
    while (!s.empty() && istLeer(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && istLeer(s.back()))
        s.remove_suffix(1);
    return s;
}

// <0, 0, >0 like strcmp, on the trimmed names and ignoring ASCII case.
int vergleichen(std::string_view a, std::string_view b) {
    a = trimmen(a);
    b = trimmen(b);
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const auto x = static_cast<unsigned char>(klein(a[i]));
        const auto y = static_cast<unsigned char>(klein(b[i]));
        if (x != y) return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool gleich(std::string_view a, std::string_view b) {
    return vergleichen(a, b) == 0;
}

void sortieren(IniStore& ini) {
    auto nachName = [](const auto& a, const auto& b) { return vergleichen(a.name, b.name) < 0; };
    std::stable_sort(ini.sections.begin(), ini.sections.end(), nachName);
    for (auto& s : ini.sections)
        std::stable_sort(s.items.begin(), s.items.end(),
                         [](const IniItem& a, const IniItem& b) { return vergleichen(a.tag, b.tag) < 0; });
}

// The number n of a tag "<base> Line<nnnn>", or 0 when the tag has no such ending.
int fortsetzungsNummer(std::string_view tag, std::string_view* basis) {
    if (tag.size() < FORTSETZUNG.size() + 4 + 1) return 0;
    const std::string_view ende = tag.substr(tag.size() - FORTSETZUNG.size() - 4);
    if (ende.substr(0, FORTSETZUNG.size()) != FORTSETZUNG) return 0;
    int n = 0;
    for (char c : ende.substr(FORTSETZUNG.size())) {
        if (c < '0' || c > '9') return 0;
        n = n * 10 + (c - '0');
    }
    *basis = tag.substr(0, tag.size() - ende.size());
    return n;
}

// Joins "<tag> Line0001", "<tag> Line0002", ... into one item "<tag>" at the place of the first piece. The
// pieces follow the first one in the order of their numbers (other items may stand between them); the
// next "<tag> Line0001" starts another item. A joined tag that again ends in " Line0001" is joined once
// more, so that reading what was written gives the same items.
void fortsetzungenVerbinden(IniSection& s) {
    for (std::size_t i = 0; i < s.items.size();) {
        std::string_view basis;
        if (fortsetzungsNummer(s.items[i].tag, &basis) != 1) {
            ++i;
            continue;
        }
        std::string tag(trimmen(basis));
        std::string wert = s.items[i].wert;
        std::vector<std::string> roh = std::move(s.items[i].roh);
        std::size_t j = i + 1;
        for (int naechste = 2; j < s.items.size();) {
            std::string_view b;
            const int n = fortsetzungsNummer(s.items[j].tag, &b);
            if (n == 0 || !gleich(b, tag)) {
                ++j;
            } else if (n == naechste) {
                wert += s.items[j].wert;
                for (auto& z : s.items[j].roh)
                    roh.push_back(std::move(z));
                s.items.erase(s.items.begin() + static_cast<std::ptrdiff_t>(j));
                ++naechste;
            } else if (n == 1) {
                break;
            } else {
                ++j;
            }
        }
        s.items[i].tag = std::move(tag);
        s.items[i].wert = std::move(wert);
        s.items[i].roh = std::move(roh);
    }
}

// `zeile` is the line as it stands, of which only the first 255 characters count.
void zeileAuswerten(std::string_view roh, IniStore& ini, bool& inSection) {
    std::string_view zeile = roh.substr(0, std::min(roh.size(), MAX_ZEILE));
    while (!zeile.empty() && istLeer(zeile.front()))
        zeile.remove_prefix(1);
    if (zeile.empty() || zeile.front() == ';') return;
    if (zeile.front() == '[') {
        const std::size_t zu = zeile.rfind(']');
        if (zu == std::string_view::npos || !trimmen(zeile.substr(zu + 1)).empty()) return;
        ini.sections.push_back({std::string(trimmen(zeile.substr(1, zu - 1))), {}, std::string(roh)});
        inSection = true;
        return;
    }
    const std::size_t gleichheit = zeile.find('=');
    if (gleichheit == std::string_view::npos || !inSection) return;
    const std::string_view tag = trimmen(zeile.substr(0, gleichheit));
    const std::string_view wert = trimmen(zeile.substr(gleichheit + 1));
    if (tag.empty() || wert.empty()) return;
    ini.sections.back().items.push_back({std::string(tag), std::string(wert), false, {std::string(roh)}});
}

void lesen(IniStore& ini, std::string_view daten) {
    if (daten.substr(0, BYTE_ORDER_MARK.size()) == BYTE_ORDER_MARK)
        daten.remove_prefix(BYTE_ORDER_MARK.size());
    const std::size_t ersteNeue = ini.sections.size();
    bool inSection = false;
    std::size_t pos = 0;
    while (pos < daten.size()) {
        std::size_t ende = pos;
        while (ende < daten.size() && daten[ende] != '\r' && daten[ende] != '\n' && daten[ende] != '\0')
            ++ende;
        zeileAuswerten(daten.substr(pos, ende - pos), ini, inSection);
        pos = ende;
        if (pos < daten.size()) {
            const char c = daten[pos++];
            // CR LF and LF CR are one line end.
            if (pos < daten.size() &&
                ((c == '\r' && daten[pos] == '\n') || (c == '\n' && daten[pos] == '\r')))
                ++pos;
        }
    }
    for (std::size_t i = ersteNeue; i < ini.sections.size(); ++i)
        fortsetzungenVerbinden(ini.sections[i]);
    if (ini.sortieren) sortieren(ini);
}

// Where a value of more than 80 bytes is cut: at most 80 bytes, never inside a UTF-8 character, and
// never next to white space, which reading would trim away.
std::size_t schnittstelle(std::string_view rest) {
    if (rest.size() <= MAX_WERT) return rest.size();
    auto gut = [&](std::size_t p) {
        return !istLeer(rest[p - 1]) && !istLeer(rest[p]) &&
               (static_cast<unsigned char>(rest[p]) & 0xC0) != 0x80;
    };
    for (std::size_t p = MAX_WERT; p > 0; --p)
        if (gut(p)) return p;
    return MAX_WERT;
}

void itemSchreiben(std::string& text, std::string_view tag, std::string_view wert, bool anfuehrung) {
    text.append(tag).append(" = ");
    if (anfuehrung) text += '"';
    text.append(wert);
    if (anfuehrung) text += '"';
    text += "\r\n";
}

// The order items are written in. A piece joins only items after it, so an item left with a tag like
// "v Line0003" (one reading did not join) goes before the others, the longest such tag first: the pieces
// of a long "v" written later can then never take it in, and a file reads the same on every round.
std::vector<const IniItem*> schreibfolge(const IniSection& s) {
    std::vector<const IniItem*> folge;
    for (const auto& item : s.items)
        folge.push_back(&item);
    auto rang = [](const IniItem* i) {
        std::string_view basis;
        return fortsetzungsNummer(i->tag, &basis) != 0 ? -static_cast<std::ptrdiff_t>(i->tag.size()) : 0;
    };
    std::stable_sort(folge.begin(), folge.end(), [&](auto* a, auto* b) { return rang(a) < rang(b); });
    return folge;
}

void textErstellen(const IniStore& ini, std::string& text) {
    for (const auto& s : ini.sections) {
        if (s.roh.empty())
            text.append("[").append(s.name).append("]\r\n");
        else
            text.append(s.roh).append("\r\n");
        for (const IniItem* i : schreibfolge(s)) {
            const IniItem& item = *i;
            if (!item.roh.empty()) {
                for (const std::string& zeile : item.roh)
                    text.append(zeile).append("\r\n");
                continue;
            }
            if (item.wert.size() <= MAX_WERT) {
                itemSchreiben(text, item.tag, item.wert, item.inAnfuehrungszeichen);
                continue;
            }
            std::string_view rest = item.wert;
            for (int n = 1; !rest.empty(); ++n) {
                char nummer[16];
                std::snprintf(nummer, sizeof nummer, "%04d", n);
                const std::size_t teil = schnittstelle(rest);
                itemSchreiben(text, item.tag + std::string(FORTSETZUNG) + nummer, rest.substr(0, teil),
                              item.inAnfuehrungszeichen);
                rest.remove_prefix(teil);
            }
        }
    }
}

IniSection* sectionSuchen(IniStore& ini, std::string_view name) {
    auto it = std::find_if(ini.sections.begin(), ini.sections.end(),
                           [&](const IniSection& s) { return gleich(s.name, name); });
    return it == ini.sections.end() ? nullptr : &*it;
}

const IniItem* itemSuchen(IniStore& ini, std::string_view section, std::string_view tag) {
    IniSection* s = sectionSuchen(ini, section);
    if (!s) return nullptr;
    auto it =
        std::find_if(s->items.begin(), s->items.end(), [&](const IniItem& i) { return gleich(i.tag, tag); });
    return it == s->items.end() ? nullptr : &*it;
}

// The trimmed value of an item; empty when the section or the item is missing.
std::string_view wertSuchen(IniStore& ini, std::string_view section, std::string_view tag) {
    const IniItem* item = itemSuchen(ini, section, tag);
    return item ? trimmen(item->wert) : std::string_view{};
}

constexpr std::size_t MAX_GEMELDET = 40; // of a value named in a message

void unlesbarMerken(IniStore& ini, std::string_view tag, std::string_view wert) {
    const std::string_view name = trimmen(tag);
    for (const std::string& u : ini.unlesbar)
        if (gleich(std::string_view(u).substr(0, u.find(" = ")), name)) return;
    std::string eintrag = std::string(name) + " = ";
    if (wert.size() > MAX_GEMELDET)
        eintrag.append(wert.substr(0, MAX_GEMELDET)).append("…");
    else
        eintrag.append(wert);
    ini.unlesbar.push_back(std::move(eintrag));
}

} // namespace

IniText Ini_New(int automaticSorting) {
    auto* ini = new (std::nothrow) IniStore;
    if (ini) ini->sortieren = automaticSorting != 0;
    return ini;
}

void Ini_Dispose(IniText ini) {
    delete ini;
}

int Ini_ReadFromBuffer(IniText ini, const char* daten, std::size_t laenge) {
    if (!ini) return INI_FEHLER_KEIN_OBJEKT;
    if (!daten && laenge > 0) return INI_FEHLER_KEIN_OBJEKT;
    try {
        lesen(*ini, std::string_view(daten ? daten : "", laenge));
    } catch (const std::bad_alloc&) {
        return INI_FEHLER_KEIN_SPEICHER;
    }
    return 0;
}

int Ini_ReadFromFile(IniText ini, const char* path) {
    if (!ini || !path) return INI_FEHLER_KEIN_OBJEKT;
    // The shared check: a FIFO or device is refused instead of waited on.
    std::vector<unsigned char> daten;
    try {
        if (Datei_Lesen(path, daten.max_size(), &daten) != DATEI_OK) return INI_FEHLER_DATEI_OEFFNEN;
    } catch (const std::bad_alloc&) {
        return INI_FEHLER_KEIN_SPEICHER;
    }
    return Ini_ReadFromBuffer(ini, reinterpret_cast<const char*>(daten.data()), daten.size());
}

int Ini_WriteToBuffer(IniText ini, std::string* text) {
    if (!ini || !text) return INI_FEHLER_KEIN_OBJEKT;
    try {
        text->clear();
        textErstellen(*ini, *text);
    } catch (const std::bad_alloc&) {
        return INI_FEHLER_KEIN_SPEICHER;
    }
    return 0;
}

int Ini_WriteToFile(IniText ini, const char* path) {
    return Ini_WriteToFile(ini, path, nullptr);
}

int Ini_WriteToFile(IniText ini, const char* path, std::string* grund) {
    if (!ini || !path) return INI_FEHLER_KEIN_OBJEKT;
    std::string text;
    if (const int fehler = Ini_WriteToBuffer(ini, &text); fehler < 0) return fehler;
    try {
        switch (Datei_SicherSchreiben(path, text.data(), text.size(), grund, INI_TEMPVORLAGE)) {
        case DATEI_OK:
            return 0;
        case DATEI_FEHLER_SCHREIBEN:
            return INI_FEHLER_DATEI_SCHREIBEN;
        default:
            return INI_FEHLER_DATEI_OEFFNEN;
        }
    } catch (const std::bad_alloc&) {
        return INI_FEHLER_KEIN_SPEICHER;
    }
}

int Ini_GetInt(IniText ini, const char* section, const char* tag, int* value) {
    if (!ini || !section || !tag || !value) return INI_FEHLER_KEIN_OBJEKT;
    const std::string_view wert = wertSuchen(*ini, section, tag);
    if (wert.empty()) return 0;
    if (!ZahlText_GanzLesen(ZahlText_OhnePlus(wert), value)) {
        try {
            unlesbarMerken(*ini, tag, wert);
        } catch (const std::bad_alloc&) {
        }
        return INI_FEHLER_KEINE_ZAHL;
    }
    return 1;
}

int Ini_WertUnbrauchbar(IniText ini, const char* section, const char* tag) {
    if (!ini || !section || !tag) return INI_FEHLER_KEIN_OBJEKT;
    try {
        unlesbarMerken(*ini, tag, wertSuchen(*ini, section, tag));
    } catch (const std::bad_alloc&) {
        return INI_FEHLER_KEIN_SPEICHER;
    }
    return 0;
}

std::string Ini_UnbrauchbareWerte(IniText ini) {
    std::string text;
    if (!ini) return text;
    for (const std::string& u : ini->unlesbar)
        text.append(text.empty() ? "" : ", ").append(u);
    return text;
}

int Ini_AenderungenUebernehmen(IniText ziel, IniText vorher, IniText nachher) {
    if (!ziel || !vorher || !nachher) return INI_FEHLER_KEIN_OBJEKT;
    for (const IniSection& s : nachher->sections)
        for (const IniItem& item : s.items) {
            const IniItem* alt = itemSuchen(*vorher, s.name, item.tag);
            const bool gleichGeblieben = alt && trimmen(alt->wert) == trimmen(item.wert);
            if (gleichGeblieben && itemSuchen(*ziel, s.name, item.tag)) continue;
            if (const int f = Ini_PutString(ziel, s.name.c_str(), item.tag.c_str(), item.wert.c_str()); f < 0)
                return f;
        }
    // What the program wrote at the start and no longer writes, it has dropped on purpose.
    for (const IniSection& s : vorher->sections)
        for (const IniItem& item : s.items) {
            if (itemSuchen(*nachher, s.name, item.tag)) continue;
            if (IniSection* z = sectionSuchen(*ziel, s.name))
                std::erase_if(z->items, [&](const IniItem& i) { return gleich(i.tag, item.tag); });
        }
    return 0;
}

int Ini_GetString(IniText ini, const char* section, const char* tag, std::string* value) {
    if (!ini || !section || !tag || !value) return INI_FEHLER_KEIN_OBJEKT;
    const std::string_view wert = wertSuchen(*ini, section, tag);
    if (wert.empty()) return 0;
    try {
        value->assign(wert);
    } catch (const std::bad_alloc&) {
        return INI_FEHLER_KEIN_SPEICHER;
    }
    return 1;
}

int Ini_PutInt(IniText ini, const char* section, const char* tag, int value) {
    return Ini_PutString(ini, section, tag, std::to_string(value).c_str());
}

int Ini_PutString(IniText ini, const char* section, const char* tag, const char* value) {
    if (!ini || !section || !tag || !value) return INI_FEHLER_KEIN_OBJEKT;
    try {
        IniSection* s = sectionSuchen(*ini, section);
        if (!s) {
            auto platz = ini->sections.end();
            if (ini->sortieren)
                platz = std::upper_bound(
                    ini->sections.begin(), ini->sections.end(), std::string_view(section),
                    [](std::string_view n, const IniSection& x) { return vergleichen(n, x.name) < 0; });
            s = &*ini->sections.insert(platz, IniSection{section, {}, {}});
        }
        IniItem neu{tag, value, false, {}};
        auto erstes = std::find_if(s->items.begin(), s->items.end(),
                                   [&](const IniItem& i) { return gleich(i.tag, tag); });
        if (erstes != s->items.end()) {
            *erstes = std::move(neu);
            s->items.erase(std::remove_if(erstes + 1, s->items.end(),
                                          [&](const IniItem& i) { return gleich(i.tag, tag); }),
                           s->items.end());
            return 0;
        }
        auto platz = s->items.end();
        if (ini->sortieren)
            platz = std::upper_bound(
                s->items.begin(), s->items.end(), std::string_view(tag),
                [](std::string_view n, const IniItem& x) { return vergleichen(n, x.tag) < 0; });
        s->items.insert(platz, std::move(neu));
    } catch (const std::bad_alloc&) {
        return INI_FEHLER_KEIN_SPEICHER;
    }
    return 0;
}
