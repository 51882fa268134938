#include "LocaleSeparators.h"

#include <clocale>
#include <langinfo.h>
#include <locale.h>

namespace platform {
namespace {

// The user's decimal separator, read without touching the process's C locale; a separator
// that is not one plain ASCII character falls back to ".".
char LocaleDecimalSeparator() noexcept
{
    char separator = '.';
    if (locale_t user = newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(nullptr))) {
        const char* radix = nl_langinfo_l(RADIXCHAR, user);
        if (radix && radix[0] > 0 && radix[0] < 0x7F && radix[1] == '\0')
            separator = radix[0];
        freelocale(user);
    }
    return separator;
}

struct Separators {
    char Decimal = LocaleDecimalSeparator();
    char List = Decimal == ',' ? ';' : ',';
};

Separators& Current() noexcept
{
    static Separators separators;
    return separators;
}

}  // namespace

char DecimalSeparator() noexcept { return Current().Decimal; }
void SetDecimalSeparator(char separator) noexcept { Current().Decimal = separator; }
char ListSeparator() noexcept { return Current().List; }
void SetListSeparator(char separator) noexcept { Current().List = separator; }

}  // namespace platform
