#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// lupdate reads this marker wherever it stands and files the text under its scope; the windows
// look the text up under the same scope. Spelled exactly as Qt spells it, so that a Qt header
// read later redefines it identically, which draws no warning.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace parsiva {

// The scope of every text the core marks; QT_TRANSLATE_NOOP needs it spelled out as a literal.
inline constexpr std::string_view TextScope = "Parsiva";

// How a sentence the core assembles reaches its reader: the marked texts in the reader's
// language and the numbers in their digits. The defaults are English with ASCII digits.
class Wording {
public:
    virtual ~Wording() = default;
    // A text marked with QT_TRANSLATE_NOOP("Parsiva", ...).
    virtual std::string Text(std::string_view marked) const;
    virtual std::string Number(int number) const;
    // A year: a number without any group separator.
    virtual std::string Year(int year) const;
};

// The wording in English: every text as written, ASCII digits.
const Wording& EnglishWording();

// The pattern with %1 to %9 replaced by the arguments, all in one pass, so an argument that
// itself holds "%2" stays as it is. A marker without its argument stays in the text.
std::string FillIn(std::string_view pattern, std::initializer_list<std::string_view> arguments);

} // namespace parsiva
