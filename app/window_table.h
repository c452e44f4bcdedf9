// The windows described as data: every control (identifier, kind, place,
// size, text) and every painted item of a window in one table each, made and
// drawn by the same functions for every window.
#pragma once

#include <cstdint>

#include "app/layout.h"
#include "core/texts.h"

enum class ControlKind : uint8_t {
    kField,           // a one-line edit field with a tab stop
    kCheckBox,        // a check box, reached with the mouse
    kButton,          // a push button with a tab stop
    kBorderedButton,  // the same, drawn with a border
    kMouseButton,     // a push button pressed at a moment, never reached by Tab
    kList,            // a drop-down list
    kDisplay,         // a text the program sets
    kListBox,         // a list of lines to choose from
};

// What a drop-down list holds: a first entry, then the names of a table.
enum class ListEntries : uint8_t {
    kNone,
    kTypeFilter,            // 「指定無し」, then the Hidden Power types
    kDateModes,             // 「以降」
    kNatureModifiers,       // 「補正なし」, then the natures
    kUnknownNature,         // 「不明」, then the natures
    kUnknownCharacteristic, // 「不明」, then the characteristics
    kUnknownType,           // 「不明」, then the Hidden Power types
};

struct ControlSpec {
    int32_t id;
    ControlKind kind;
    int16_t x, y, width, height;  // a list's height includes its dropped part
    TextId text;                  // a caption or a field's first text
    const char* value;            // a field's first text that is no word ("30"); null when text gives it
    ListEntries entries;
    int16_t english_x, english_y, english_width;  // where it stands while English is shown
};

// Where a control or a painted text stands in one language.
struct Place {
    int16_t x, y, width;
};
constexpr Place place_of(const ControlSpec& c, Language language) {
    return language == Language::kEnglish ? Place{c.english_x, c.english_y, c.english_width} : Place{c.x, c.y, c.width};
}

// The same control, placed elsewhere while English is shown, for its longer words.
constexpr ControlSpec in_english(ControlSpec c, int16_t x, int16_t y, int16_t width) {
    c.english_x = x;
    c.english_y = y;
    c.english_width = width;
    return c;
}

// What a paint draws besides the controls, in drawing order.
enum class PaintKind : uint8_t { kLine, kText, kCandidateRows, kBootLine, kCGearLine, kClockLine };

struct PaintItem {
    PaintKind kind;
    int16_t x, y;    // start of a line, or top left of a text
    int16_t x2, y2;  // end of a line; for the candidate rows, y2 is their spacing
    TextId text;
    int16_t english_x, english_y;  // top left while English is shown
};

constexpr Place place_of(const PaintItem& item, Language language) {
    return language == Language::kEnglish ? Place{item.english_x, item.english_y, 0} : Place{item.x, item.y, 0};
}

// The same item, drawn elsewhere while English is shown.
constexpr PaintItem in_english(PaintItem item, int16_t x, int16_t y) {
    item.english_x = x;
    item.english_y = y;
    return item;
}

// One window's tables.
struct WindowTable {
    const ControlSpec* controls;
    int32_t control_count;
    const PaintItem* items;
    int32_t item_count;
};

template <int32_t kControls, int32_t kItems>
constexpr WindowTable window_table(const ControlSpec (&controls)[kControls], const PaintItem (&items)[kItems]) {
    return {controls, kControls, items, kItems};
}

// A window that paints nothing besides its controls.
template <int32_t kControls>
constexpr WindowTable window_table(const ControlSpec (&controls)[kControls]) {
    return {controls, kControls, nullptr, 0};
}

// A painted text and a painted line.
constexpr PaintItem painted_text(int16_t x, int16_t y, TextId text) { return {PaintKind::kText, x, y, 0, 0, text, x, y}; }
constexpr PaintItem painted_line(int16_t x, int16_t y, int16_t x2, int16_t y2) {
    return {PaintKind::kLine, x, y, x2, y2, TextId::kNone, x, y};
}
constexpr PaintItem painted_result(PaintKind kind, int16_t x, int16_t y, int16_t spacing = 0) {
    return {kind, x, y, 0, spacing, TextId::kNone, x, y};
}

// Table entries by kind, at the program's standard heights.
constexpr ControlSpec control(int32_t id, ControlKind kind, int16_t x, int16_t y, int16_t width, int16_t height,
                              TextId text, const char* value, ListEntries entries = ListEntries::kNone) {
    return {id, kind, x, y, width, height, text, value, entries, x, y, width};
}
constexpr ControlSpec field(int32_t id, int16_t x, int16_t y, int16_t width, const char* value = "") {
    return control(id, ControlKind::kField, x, y, width, kFieldHeight, TextId::kNone, value);
}
constexpr ControlSpec worded_field(int32_t id, int16_t x, int16_t y, int16_t width, TextId text) {
    return control(id, ControlKind::kField, x, y, width, kFieldHeight, text, nullptr);
}
constexpr ControlSpec button(int32_t id, ControlKind kind, int16_t x, int16_t y, int16_t width, TextId text) {
    return control(id, kind, x, y, width, kButtonHeight, text, nullptr);
}
constexpr ControlSpec list(int32_t id, int16_t x, int16_t y, int16_t width, ListEntries entries) {
    return control(id, ControlKind::kList, x, y, width, kListDroppedHeight, TextId::kNone, "", entries);
}
constexpr ControlSpec display(int32_t id, int16_t x, int16_t y, int16_t width, const char* value = "") {
    return control(id, ControlKind::kDisplay, x, y, width, kFieldHeight, TextId::kNone, value);
}
