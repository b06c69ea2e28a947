// vu_FormatValues: appends a list of values to a text as a short format string says.
#include <cstdarg>
#include <cstring>

#include "base/fixed_number.h"
#include "base/keyword.h"
#include "vu.h"

namespace {

const int kPrecisions = 10;
const int kDefaultPrecision = 2;

// Room for any double in fixed notation with up to nine decimals: sign, 309 integer
// digits, point, decimals and terminator.
const int kValueRoom = 330;

// The format's digits, in order, give the decimals of its "f" conversions (2 where the
// format has fewer digits than "f" conversions).
void ReadPrecisions(const char* format, int (&precisions)[kPrecisions])
{
    for (int& p : precisions) p = kDefaultPrecision;
    int next = 0;
    for (const char* p = format; *p && next < kPrecisions; ++p)
        if (*p >= '0' && *p <= '9') precisions[next++] = *p - '0';
}

}  // namespace

char* vu_FormatValues(char* destination, const char* format, ...)
{
    if (destination == nullptr) return nullptr;
    format = vu::TextOrEmpty(format);
    int precisions[kPrecisions];
    ReadPrecisions(format, precisions);
    int floats_taken = 0;
    char* end = destination + std::strlen(destination);

    va_list values;
    va_start(values, format);
    for (const char* p = format; *p; ++p) {
        if (*p != '%') continue;
        const char conversion = *++p;
        if (conversion == '\0') break;
        char text[kValueRoom];
        text[0] = '\0';
        switch (conversion) {
        case 'i': wsprintfA(text, "%i", va_arg(values, int)); break;
        case 'u': wsprintfA(text, "%u", va_arg(values, unsigned)); break;
        case 'l': wsprintfA(text, "%li", va_arg(values, long)); break;
        case 'U': wsprintfA(text, "%lu", va_arg(values, unsigned long)); break;
        case 'f': {
            const int decimals =
                floats_taken < kPrecisions ? precisions[floats_taken] : kDefaultPrecision;
            ++floats_taken;
            vu::FormatFixed(va_arg(values, double), decimals, text, sizeof text);
            break;
        }
        case 's': {
            const char* s = vu::TextOrEmpty(va_arg(values, const char*));
            const std::size_t n = std::strlen(s);
            std::memmove(end, s, n);
            end += n;
            *end = '\0';
            continue;
        }
        default: continue;
        }
        const std::size_t n = std::strlen(text);
        std::memcpy(end, text, n + 1);
        end += n;
    }
    va_end(values);
    end[0] = '\n';
    end[1] = '\0';
    return destination;
}
