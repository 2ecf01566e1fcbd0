#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

// Writes the smallest TrueType font that FreeType opens and renders: a
// square for every character from '!' to '~' that `inked` holds, an empty
// glyph for the rest. It gives the font fuzzer a well-formed start, and the
// tests fonts that draw little or nothing, without copying any font.
// The square is 400 x 600 font units; fewer units per em draw it larger.
class CTrueTypeSeed {
public:
  static std::vector<std::uint8_t> font(std::uint16_t unitsPerEm = 1000, const std::string& inked = everyCharacter()) {
    constexpr std::uint16_t GLYPHS = 2;  // the empty .notdef and the square
    std::vector<Table> tables;

    Bytes head;
    put32(head, 0x00010000);  // version
    put32(head, 0x00010000);  // font revision
    put32(head, 0);           // checksum adjustment, unchecked by readers
    put32(head, 0x5F0F3CF5);  // magic number
    put16(head, 0);           // flags
    put16(head, unitsPerEm);
    put32(head, 0);  // created and modified, 64 bits each
    put32(head, 0);
    put32(head, 0);
    put32(head, 0);
    put16(head, 100);  // bounding box: x min, y min, x max, y max
    put16(head, 0);
    put16(head, 500);
    put16(head, 600);
    put16(head, 0);  // mac style
    put16(head, 8);  // smallest readable size, pixels
    put16(head, 2);  // font direction hint
    put16(head, 0);  // short offsets in loca
    put16(head, 0);  // glyph data format
    tables.push_back({"head", head});

    Bytes hhea;
    put32(hhea, 0x00010000);
    put16(hhea, 800);                               // ascender
    put16(hhea, static_cast<std::uint16_t>(-200));  // descender
    put16(hhea, 0);                                 // line gap
    put16(hhea, 600);                               // largest advance
    put16(hhea, 0);                                 // smallest left side bearing
    put16(hhea, 0);                                 // smallest right side bearing
    put16(hhea, 500);                               // largest extent
    put16(hhea, 1);                                 // caret slope rise
    for (int i = 0; i < 7; ++i) {
      put16(hhea, 0);  // caret slope run and offset, four reserved, metric format
    }
    put16(hhea, GLYPHS);  // horizontal metrics
    tables.push_back({"hhea", hhea});

    Bytes maxp;
    put32(maxp, 0x00010000);
    put16(maxp, GLYPHS);
    put16(maxp, 4);  // points in the largest glyph
    put16(maxp, 1);  // contours in the largest glyph
    put16(maxp, 0);  // composite points and contours
    put16(maxp, 0);
    put16(maxp, 2);  // zones
    for (int i = 0; i < 8; ++i) {
      put16(maxp, 0);  // no hinting program, storage, stack or components
    }
    tables.push_back({"maxp", maxp});

    Bytes hmtx;
    for (int g = 0; g < GLYPHS; ++g) {
      put16(hmtx, 600);  // advance
      put16(hmtx, 100);  // left side bearing
    }
    tables.push_back({"hmtx", hmtx});

    // The square: one contour through (100, 0), (500, 0), (500, 600), (100, 600).
    Bytes glyf;
    put16(glyf, 1);
    for (std::uint16_t v : {100, 0, 500, 600}) {
      put16(glyf, v);
    }
    put16(glyf, 3);  // last point of the contour
    put16(glyf, 0);  // no instructions
    for (int i = 0; i < 4; ++i) {
      glyf.push_back(0x01);  // on the curve, coordinates as 16-bit deltas
    }
    for (std::int16_t dx : {100, 400, 0, -400}) {
      put16(glyf, static_cast<std::uint16_t>(dx));
    }
    for (std::int16_t dy : {0, 0, 600, 0}) {
      put16(glyf, static_cast<std::uint16_t>(dy));
    }
    Bytes loca;  // offsets halved: .notdef empty, then the square
    put16(loca, 0);
    put16(loca, 0);
    put16(loca, static_cast<std::uint16_t>(glyf.size() / 2));
    tables.push_back({"glyf", glyf});
    tables.push_back({"loca", loca});

    // Windows Unicode map, format 4: '!'..'~' through a table of glyph
    // numbers, 1 for an inked character and 0 for the rest, then the closing
    // segment.
    constexpr std::uint16_t FIRST = 33;
    constexpr std::uint16_t LAST = 126;
    Bytes cmap;
    put16(cmap, 0);
    put16(cmap, 1);
    put16(cmap, 3);
    put16(cmap, 1);
    put32(cmap, 12);
    put16(cmap, 4);
    put16(cmap, static_cast<std::uint16_t>(32 + 2 * (LAST - FIRST + 1)));  // subtable length
    put16(cmap, 0);                                                        // language
    put16(cmap, 4);                                                        // two segments, doubled
    put16(cmap, 4);                                                        // search range
    put16(cmap, 1);                                                        // entry selector
    put16(cmap, 0);                                                        // range shift
    for (std::uint16_t v : {LAST, std::uint16_t{0xFFFF}, std::uint16_t{0}, FIRST, std::uint16_t{0xFFFF}}) {
      put16(cmap, v);  // end codes, padding, start codes
    }
    put16(cmap, 0);  // deltas
    put16(cmap, 1);
    put16(cmap, 4);  // the first segment's numbers start two words on
    put16(cmap, 0);
    for (int c = FIRST; c <= LAST; ++c) {
      put16(cmap, inked.find(static_cast<char>(c)) == std::string::npos ? 0 : 1);
    }
    tables.push_back({"cmap", cmap});

    return assemble(tables);
  }

  // '!' to '~'.
  static std::string everyCharacter() {
    std::string all;
    for (char c = '!'; c <= '~'; ++c) {
      all += c;
    }
    return all;
  }

private:
  using Bytes = std::vector<std::uint8_t>;
  struct Table {
    std::string tag;
    Bytes data;
  };

  static void put16(Bytes& out, std::uint16_t v) {
    out.push_back(static_cast<std::uint8_t>(v >> 8));
    out.push_back(static_cast<std::uint8_t>(v));
  }
  static void put32(Bytes& out, std::uint32_t v) {
    put16(out, static_cast<std::uint16_t>(v >> 16));
    put16(out, static_cast<std::uint16_t>(v));
  }

  // The table directory, sorted by tag as readers may expect, then the tables
  // on four-byte boundaries.
  static Bytes assemble(std::vector<Table> tables) {
    std::sort(tables.begin(), tables.end(), [](const Table& a, const Table& b) { return a.tag < b.tag; });
    const auto count = static_cast<std::uint16_t>(tables.size());
    std::uint16_t power = 1;
    std::uint16_t log = 0;
    while (power * 2 <= count) {
      power = static_cast<std::uint16_t>(power * 2);
      ++log;
    }
    Bytes out;
    put32(out, 0x00010000);
    put16(out, count);
    put16(out, static_cast<std::uint16_t>(power * 16));
    put16(out, log);
    put16(out, static_cast<std::uint16_t>(count * 16 - power * 16));
    std::uint32_t offset = 12 + 16 * static_cast<std::uint32_t>(count);
    for (const Table& t : tables) {
      out.insert(out.end(), t.tag.begin(), t.tag.end());
      put32(out, 0);  // checksum, unchecked by readers
      put32(out, offset);
      put32(out, static_cast<std::uint32_t>(t.data.size()));
      offset += static_cast<std::uint32_t>((t.data.size() + 3) / 4 * 4);
    }
    for (const Table& t : tables) {
      out.insert(out.end(), t.data.begin(), t.data.end());
      out.resize((out.size() + 3) / 4 * 4, 0);
    }
    return out;
  }
};
