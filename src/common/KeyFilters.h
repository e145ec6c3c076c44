#pragma once
#include <cstdint>
#include <initializer_list>

class QWidget;

// The key filters of the text boxes: each filtered box lets one fixed set of
// characters through as the user types and refuses every other typed character
// with a beep. No set holds Enter, Escape, the Ctrl control characters (the
// clipboard shortcuts among them) or an accented letter; Backspace is in every
// set. Keys that type nothing (Tab, arrows, Delete) are never filtered, nor is
// text put into a box by code or pasted through its menu.
//
//   KeyFilters::attach(ui->Text1, KeyFilters::CodeKeys);   // the whole KeyPress
//   void Form6::Text2_KeyPress(int& k) { KeyFilters::apply(KeyFilters::TextKeys, k); ... }
namespace vorna {

// A set of character codes below 128.
class KeySet {
public:
    struct Range {
        int first;
        int last;
    };
    constexpr KeySet(std::initializer_list<Range> ranges)
    {
        for (const Range& r : ranges)
            for (int code = r.first; code <= r.last; ++code)
                add(code);
    }
    constexpr bool admits(int code) const
    {
        if (code < 0 || code >= 128)
            return false;
        return code < 64 ? (low_ >> code) & 1u : (high_ >> (code - 64)) & 1u;
    }

private:
    constexpr void add(int code)
    {
        if (code < 64)
            low_ |= uint64_t{1} << code;
        else
            high_ |= uint64_t{1} << (code - 64);
    }
    uint64_t low_ = 0;
    uint64_t high_ = 0;
};

namespace KeyFilters {

inline constexpr int Backspace = 8;

// Digits.
inline constexpr KeySet CodeKeys{{'0', '9'}, {Backspace, Backspace}};
// Digits, letters, space and "," "-" "." "/".
inline constexpr KeySet TextKeys{{'0', '9'}, {'A', 'Z'}, {'a', 'z'}, {' ', ' '}, {',', '/'}, {Backspace, Backspace}};
// Digits and the decimal comma.
inline constexpr KeySet RateKeys{{'0', '9'}, {',', ','}, {Backspace, Backspace}};
// Digits, the decimal comma and the minus sign (the point is refused).
inline constexpr KeySet AmountKeys{{'0', '9'}, {',', '-'}, {Backspace, Backspace}};
// TextKeys without "/".
inline constexpr KeySet NameKeys{{'0', '9'}, {'A', 'Z'}, {'a', 'z'}, {' ', ' '}, {',', '.'}, {Backspace, Backspace}};
// NameKeys without ".".
inline constexpr KeySet DocumentNumberKeys{{'0', '9'}, {'A', 'Z'}, {'a', 'z'}, {' ', ' '}, {',', '-'},
                                           {Backspace, Backspace}};
// Digits, letters, "@", "-", "." and "_"; no space, no ",".
inline constexpr KeySet EmailKeys{{'0', '9'}, {'@', 'Z'}, {'a', 'z'}, {'-', '.'}, {'_', '_'}, {Backspace, Backspace}};
// Digits, lower-case letters and ".".
inline constexpr KeySet WebPageKeys{{'0', '9'}, {'a', 'z'}, {'.', '.'}, {Backspace, Backspace}};
// Upper-case letters only.
inline constexpr KeySet LevelCodeKeys{{'A', 'Z'}, {Backspace, Backspace}};

// The filter itself, for a KeyPress handler: a code outside the set beeps and
// becomes 0, which cancels the key.
void apply(const KeySet& set, int& keyAscii);

// Makes the filter a KeyPress handler of the box.
void attach(QWidget* box, const KeySet& set);

// A window's box by its object name, with the set it takes.
struct NamedBox {
    const char* name;
    const KeySet& keys;
};
// Attaches each named box of the window (every name must be a child's).
void attachNamed(QWidget* window, std::initializer_list<NamedBox> boxes);

}  // namespace KeyFilters
}  // namespace vorna
