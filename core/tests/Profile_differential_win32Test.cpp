// The reader's key lookup against the platform's own GetPrivateProfileStringA,
// key by key, over a few hundred files of odd lines made from a fixed seed:
// blanks, comments, quotes, repeated and differently cased keys and sections,
// headers without their bracket, lines without "=", long values, control
// bytes, high bytes, zero bytes and every kind of line end.
#include "Ini_lookup.h"
#include "Settings.h"
#include "TestSupport.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

using namespace qm;
using namespace qmtest;

namespace {

constexpr int kFiles = 300;
constexpr unsigned kSeed = 20240515;
const char kAbsent[] = "<absent>"; // no generated value holds "<"

// The odd lines. Every choice is drawn from the engine's raw output, so the
// files are the same with every standard library.
class OddLines {
public:
    explicit OddLines(unsigned seed) : rng_(seed) {}

    std::string file() {
        std::string text;
        const int lines = 1 + below(40);
        for (int i = 0; i < lines; ++i)
            text += line() + lineEnd();
        // A leading byte-order mark would make the platform read the file
        // as Unicode; the editor's files are code page 1251 only.
        if (text.rfind("\xEF\xBB\xBF", 0) == 0 || text.rfind("\xFF\xFE", 0) == 0 ||
            text.rfind("\xFE\xFF", 0) == 0)
            text.insert(0, "\r\n");
        return text;
    }

private:
    int below(int n) { return static_cast<int>(rng_() % static_cast<unsigned>(n)); }
    bool chance(int percent) { return below(100) < percent; }
    template <std::size_t N> const char* pick(const char* const (&options)[N]) {
        return options[below(static_cast<int>(N))];
    }

    std::string lineEnd() {
        static const char* const ends[] = {"\r\n", "\r\n", "\r\n", "\n", "\r", "\n\r", "\r\r\n"};
        return pick(ends);
    }

    std::string blanks() {
        static const char* const runs[] = {"", "", "", " ", "\t", "  \t", "\v", "\f", "\x1A"};
        return pick(runs);
    }

    std::string cased(std::string name) {
        if (chance(30))
            for (char& c : name)
                if (chance(50))
                    c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        return name;
    }

    std::string keyName() {
        // A few keys often, so that they repeat; sometimes a near miss.
        static const char* const misses[] = {"SET1", "SET011", "SET 01", "SET0", "I D", "CRC"};
        if (chance(8))
            return pick(misses);
        const int n = chance(60) ? below(9) : below(kLastSetting + 1);
        return cased(n == 0 ? "ID" : SettingKey(n));
    }

    char anyByte() { return static_cast<char>(1 + below(255)); }

    std::string value() {
        std::string v;
        const int kind = below(9);
        switch (kind) {
        case 0:
            break; // empty
        case 1:
            v = std::to_string(rng_() % 100000);
            break;
        case 2:
            v = chance(50) ? "0x1F" : "$ff";
            break;
        case 3: { // control bytes, high bytes and zeros among letters
            const int n = 1 + below(12);
            for (int i = 0; i < n; ++i) {
                const int kind = below(4);
                v += kind == 0   ? static_cast<char>(below(32))
                     : kind == 1 ? static_cast<char>(0x80 + below(128))
                                 : static_cast<char>('a' + below(26));
            }
            break;
        }
        case 4: { // long: around the field widths and the 2047-byte cut
            static const int lengths[] = {31, 32, 255, 2045, 2046, 2047, 2048, 2049, 2100};
            v.assign(lengths[below(9)], static_cast<char>('a' + below(26)));
            v.back() = 'z';
            break;
        }
        case 5:
            v = "a=b";
            break;
        case 6: // any bytes at all
            for (int n = below(10); n > 0; --n)
                v += anyByte();
            break;
        default:
            v = "internet.mts.ru";
            break;
        }
        if (chance(kind == 4 ? 60 : 25)) {
            static const char* const quotes[] = {"\"", "'", "\"", "'", "`"};
            const std::string open = pick(quotes);
            const std::string close = chance(80) ? open : std::string(pick(quotes));
            v = open + v + (chance(90) ? close : "");
        }
        return v;
    }

    std::string sectionLine() {
        static const char* const names[] = {"SYSTEM", "SYSTEM",  "SYSTEM",  "OTHER",
                                            "",       "SYSTEM]", "SYS]TEM", "SYSTEM ]x"};
        std::string name = cased(pick(names));
        if (chance(5))
            name.insert(static_cast<std::size_t>(below(static_cast<int>(name.size()) + 1)), 1,
                        '\0');
        std::string line = blanks() + "[" + blanks() + name + blanks();
        if (!chance(15))
            line += "]";
        if (chance(15))
            line += blanks() + (chance(50) ? "tail" : "]");
        return line;
    }

    std::string line() {
        switch (below(12)) {
        case 0:
            return blanks();
        case 1:
            return std::string(pick({";", "#", "  ;", ";["})) + "SET01=comment";
        case 2:
        case 3:
            return sectionLine();
        case 4: // a key without "="
            return blanks() + keyName() + blanks();
        case 5: { // random bytes
            std::string junk;
            for (int n = below(20); n > 0; --n)
                junk += anyByte();
            return junk;
        }
        default: {
            std::string name = keyName();
            if (chance(3))
                name += '\0' + std::string("x");
            return blanks() + name + blanks() + "=" + blanks() + value() + blanks();
        }
        }
    }

    std::mt19937 rng_;
};

std::string shown(const std::string& s) {
    std::string out;
    for (const unsigned char c : s) {
        if (c >= 0x20 && c < 0x7F) {
            out += static_cast<char>(c);
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            out += hex;
        }
    }
    return out.size() > 120 ? out.substr(0, 60) + "..." + out.substr(out.size() - 40) : out;
}

std::string platformValue(const std::string& path, const std::string& key) {
    std::vector<char> buffer(2048);
    GetPrivateProfileStringA("SYSTEM", key.c_str(), kAbsent, buffer.data(),
                             static_cast<DWORD>(buffer.size()), path.c_str());
    return buffer.data();
}

TEST(ProfileDifferentialTest, LookupAgreesWithGetPrivateProfileStringA) {
    TempDir dir;
    OddLines grammar(kSeed);
    std::vector<std::string> keys{"ID"};
    for (int n = kFirstSetting; n <= kLastSetting; ++n)
        keys.push_back(SettingKey(n));

    int compared = 0, wineQuirk = 0;
    std::vector<std::string> unexplained;
    for (int f = 0; f < kFiles; ++f) {
        const std::string text = grammar.file();
        std::string path = dir.file("odd" + std::to_string(f) + ".ini");
        std::replace(path.begin(), path.end(), '/', '\\');
        WriteAll(path, text);
        for (const std::string& key : keys) {
            const std::string ours = IniValue(text, "SYSTEM", key).value_or(kAbsent);
            const std::string theirs = platformValue(path, key);
            ++compared;
            if (ours == theirs)
                continue;
            // Wine cuts a quoted value of exactly 2047 characters inside the
            // quotes by one more character than the buffer needs: its
            // closing quote falls outside the buffer, and the character
            // before it is dropped in its place.
            if (ours.size() == kMaxIniValue && theirs == ours.substr(0, kMaxIniValue - 1)) {
                ++wineQuirk;
                continue;
            }
            unexplained.push_back("file " + std::to_string(f) + " key " + key + ": ours \"" +
                                  shown(ours) + "\", platform \"" + shown(theirs) + "\"");
        }
    }
    std::printf("profile differential (code page %u): %d files, %d keys compared, "
                "%zu disagreements unexplained, %d quoted 2047-character values Wine cuts short\n",
                GetACP(), kFiles, compared, unexplained.size(), wineQuirk);
    for (std::size_t i = 0; i < unexplained.size() && i < 20; ++i)
        ADD_FAILURE() << unexplained[i];
    EXPECT_TRUE(unexplained.empty());
}

} // namespace
