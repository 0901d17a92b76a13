#include "shell/qt/Cp1252.h"

#include "shell/Cp1252.h"

// The windows' side of the one conversion in the core.
QString FromCp1252(std::string_view bytes) {
    const std::string utf8 = Utf8FromCp1252(bytes);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string ToCp1252(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return Cp1252FromUtf8(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}
