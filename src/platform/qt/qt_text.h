// Texts between the program and the window system. The program keeps single-byte text, as its
// files are, so every character maps to exactly one byte and back.
#pragma once

#include <QString>
#include <string>

inline QString ToQt(const std::string& text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()))
      .replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

inline std::string FromQt(const QString& text) { return text.toLatin1().toStdString(); }
