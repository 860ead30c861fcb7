#pragma once

#include <string_view>

namespace sheet {

// What a number format makes of a number, as far as its text is concerned.
enum class NumberKind {
    Other,    // shown in general form
    Date,     // a day
    DateTime, // a day and a time of day
    Time,     // a time of day (or an elapsed time)
};

// The kind of a built-in format id (14-22, 27-36, 45-47, 50-58 are dates and times).
NumberKind builtInKind(int numFmtId);

// The kind of a format code, from its first section. Quoted text, backslash-escaped characters,
// the characters after '_' and '*', and bracketed sections ([Red], [$-409]) are skipped, except
// the elapsed-time tokens [h], [m], [s], which count as time. y and d make a date, h and s a
// time; m is a minute next to h or s, a month otherwise; AM/PM and A/P count as time.
NumberKind classifyFormatCode(std::string_view code);

} // namespace sheet
