// Texts between the program and the window system. The program keeps single-byte text, as its
// files are, so every character it holds maps to exactly one byte and back.
#pragma once

#include <QString>
#include <string>

inline QString ToQt(const std::string& text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()))
      .replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// A character the program's text cannot hold is left out rather than turned into another one
// ("?") that the name cleaning would keep.
inline std::string FromQt(const QString& text) {
  std::string bytes;
  bytes.reserve(static_cast<size_t>(text.size()));
  for (const QChar c : text) {
    if (c.unicode() <= 0xFF) bytes.push_back(static_cast<char>(c.unicode()));
  }
  return bytes;
}
