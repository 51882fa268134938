#pragma once
// The process-wide decimal and list separators, the runtime's global number settings.
// Both start from the user's locale (LC_NUMERIC); POSIX has no list separator, so it is
// ";" where the decimal separator is "," and "," elsewhere.

namespace platform {

char DecimalSeparator() noexcept;
void SetDecimalSeparator(char separator) noexcept;
char ListSeparator() noexcept;
void SetListSeparator(char separator) noexcept;

// Sets the decimal separator for the life of the scope and restores the previous one
// when the scope ends, also when it ends by an exception.
class DecimalSeparatorScope {
public:
    explicit DecimalSeparatorScope(char separator) noexcept
        : FPrevious(DecimalSeparator())
    {
        SetDecimalSeparator(separator);
    }
    ~DecimalSeparatorScope() { SetDecimalSeparator(FPrevious); }
    DecimalSeparatorScope(const DecimalSeparatorScope&) = delete;
    DecimalSeparatorScope& operator=(const DecimalSeparatorScope&) = delete;

private:
    char FPrevious;
};

}  // namespace platform
