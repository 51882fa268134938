#pragma once
// Writing the details text to a file.
#include <QString>

#include <optional>

namespace dialogs {

// Creates or replaces the file with the text as UTF-8, no byte-order mark, nothing added.
// The file is replaced only once the whole text is written, so a failure leaves an existing
// file as it was. Returns the system's reason when the file cannot be written.
std::optional<QString> WriteTextFile(const QString& path, const QString& text);

}  // namespace dialogs
