// Texts between the program and the window system. What the user types reaches the program as
// UTF-8, every letter of it, so that a name keeps the base letters of its accented ones. A text
// the program holds that is not UTF-8 (a file name another program wrote in Latin-1) is shown
// as Latin-1, so that each of its bytes still shows as a character.
#pragma once

#include <QString>
#include <QStringDecoder>
#include <string>

inline QString ToQt(const std::string& text) {
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString shown = utf8(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
  if (utf8.hasError()) shown = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
  return shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

inline std::string FromQt(const QString& text) { return text.toStdString(); }
