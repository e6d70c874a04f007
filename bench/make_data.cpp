// Writes the benchmark data into a folder: LF-only German-like text with two rare words in it, one
// with an umlaut, and two texts that nearly match a long word everywhere.
//   a.txt  1 GiB, the words in a handful of lines
//   b/     2,000 files of 50 KiB named *.txt, the word in a few of them
//   c.txt  512 MiB without any line end, the word twice
//   d.txt  1 MiB of a, for a word of 99,999 a and one b
//   e.txt  64 MiB of lines of 2,047 a, for a word of 2,048 a
//   f.txt  1 GiB of text as a.txt, in UTF-16 LE with its mark
//   g.txt  512 MiB of UTF-16 LE without any line end
#include <sys/stat.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "search/name_text.h"

namespace {

constexpr std::string_view Word = "Brombeerhecke";
constexpr std::string_view UmlautWord = "Brombeerh\u00FCgel";
// clang-format off
constexpr std::string_view Vocabulary[] = {
    "der", "die", "das", "und", "nicht", "mit", "auf", "für", "ist", "ein", "eine", "sich", "dem",
    "den", "von", "zu", "im", "es", "auch", "noch", "nach", "wie", "bei", "aus", "wird", "oder",
    "aber", "vor", "nur", "über", "so", "wenn", "schon", "dann", "sehr", "heute", "gestern",
    "Haus", "Garten", "Straße", "Fenster", "Tür", "Baum", "Wald", "Wiese", "Berg", "Fluss", "See",
    "Stadt", "Dorf", "Kirche", "Schule", "Arbeit", "Zeit", "Jahr", "Woche", "Tag", "Nacht",
    "Morgen", "Abend", "Wetter", "Regen", "Sonne", "Wind", "Schnee", "Brot", "Kaffee", "Milch",
    "Käse", "Apfel", "Birne", "Kirsche", "Zucker", "Salz", "Suppe", "Kuchen", "Teller", "Tasse",
    "Buch", "Brief", "Zeitung", "Bild", "Lied", "Spiel", "Frage", "Antwort", "Grund", "Weg",
    "gehen", "kommen", "sehen", "sagen", "machen", "geben", "nehmen", "finden", "denken",
    "wissen", "lesen", "schreiben", "suchen", "laufen", "fahren", "bleiben", "stehen", "liegen",
    "groß", "klein", "alt", "neu", "gut", "schlecht", "lang", "kurz", "hell", "dunkel", "warm",
    "kalt", "schnell", "langsam", "früh", "spät", "rot", "grün", "blau", "gelb", "weiß", "schwarz",
    "Nummer", "Zahl", "Liste", "Datei", "Ordner", "Zeile", "Wort", "Seite", "Ende", "Anfang",
    "Brombeere", "Hecke", "1", "2", "12", "42", "100", "2024", "-", "(", ")", "\""};
// clang-format on
constexpr size_t VocabularySize = sizeof Vocabulary / sizeof Vocabulary[0];

class Random {
 public:
  uint64_t Next() {
    state ^= state << 13;
    state ^= state >> 7;
    state ^= state << 17;
    return state;
  }
  size_t Below(size_t n) { return static_cast<size_t>(Next() % n); }

 private:
  uint64_t state = 0x9E3779B97F4A7C15ull;
};

// 3 to 18 words, the rare word among them when asked, then end (LF, or a space for no line end).
void AppendLine(std::string& out, Random& random, bool withWord, char end) {
  const size_t words = 3 + random.Below(16);
  const size_t wordAt = random.Below(words);
  for (size_t i = 0; i < words; ++i) {
    if (i > 0) out += ' ';
    if (withWord && i == wordAt) {
      out += random.Below(2) == 0 ? Word : UmlautWord;
    } else {
      out += Vocabulary[random.Below(VocabularySize)];
    }
  }
  out += end;
}

// The UTF-16 LE bytes of UTF-8 text.
std::string Utf16Le(std::string_view text) {
  std::string out;
  for (const char16_t unit : sucholin::Utf16FromWtf8(text)) {
    out += static_cast<char>(unit & 0xFF);
    out += static_cast<char>(unit >> 8);
  }
  return out;
}

// Writes size bytes of lines, in UTF-8 or UTF-16 LE (wide); the words go into the lines that
// start after each of the marks.
bool WriteText(const std::string& path, uint64_t size, char end, uint64_t wordEvery, Random& random,
               bool wide = false) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  std::string chunk;
  uint64_t written = wide ? std::fwrite("\xFF\xFE", 1, 2, file) : 0;
  uint64_t nextWord = wordEvery / 2;
  while (written < size) {
    chunk.clear();
    while (chunk.size() < (1u << 20)) {
      const bool withWord = written + chunk.size() >= nextWord;
      if (withWord) nextWord += wordEvery;
      AppendLine(chunk, random, withWord, end);
    }
    if (wide) chunk = Utf16Le(chunk);
    if (written + chunk.size() > size) {
      chunk.resize(size - written);
      chunk[chunk.size() - (wide ? 2 : 1)] = end == '\n' ? '\n' : '.';
      if (wide) chunk.back() = '\0';
    }
    std::fwrite(chunk.data(), 1, chunk.size(), file);
    written += chunk.size();
  }
  return std::fclose(file) == 0;
}

// Writes count copies of piece.
bool WriteRepeated(const std::string& path, const std::string& piece, size_t count) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  for (size_t i = 0; i < count; ++i) std::fwrite(piece.data(), 1, piece.size(), file);
  return std::fclose(file) == 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: sucholin-bench-data FOLDER\n");
    return 2;
  }
  const std::string folder = argv[1];
  Random random;
  bool ok = WriteText(folder + "/a.txt", uint64_t{1} << 30, '\n', uint64_t{150} << 20, random);
  mkdir((folder + "/b").c_str(), 0755);
  for (int i = 0; ok && i < 2000; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "/b/f%04d.txt", i);
    const uint64_t every = i % 250 == 17 ? 20000 : uint64_t{1} << 40;
    ok = WriteText(folder + name, uint64_t{50} * 1024, '\n', every, random);
  }
  ok = ok && WriteText(folder + "/c.txt", uint64_t{512} << 20, ' ', uint64_t{256} << 20, random);
  ok = ok && WriteRepeated(folder + "/d.txt", std::string(1 << 20, 'a'), 1);
  ok = ok &&
       WriteRepeated(folder + "/e.txt", std::string(2047, 'a') + '\n', (size_t{64} << 20) / 2048);
  ok = ok &&
       WriteText(folder + "/f.txt", uint64_t{1} << 30, '\n', uint64_t{150} << 20, random, true);
  ok = ok &&
       WriteText(folder + "/g.txt", uint64_t{512} << 20, ' ', uint64_t{256} << 20, random, true);
  if (!ok) std::fprintf(stderr, "sucholin-bench-data: cannot write into %s\n", folder.c_str());
  return ok ? 0 : 1;
}
