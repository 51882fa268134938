#include "DetailsFile.h"

#include <QSaveFile>

namespace dialogs {

std::optional<QString> WriteTextFile(const QString& path, const QString& text)
{
    // Unbuffered, so that a short write (a full disk, a size limit) shows here instead of
    // passing unnoticed in the final flush and replacing the file with a truncated one.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    const QByteArray bytes = text.toUtf8();
    for (qint64 written = 0; written < bytes.size();) {
        const qint64 chunk = file.write(bytes.constData() + written, bytes.size() - written);
        if (chunk <= 0) {
            const QString reason = file.errorString();
            file.cancelWriting();
            return reason;
        }
        written += chunk;
    }
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}

}  // namespace dialogs
