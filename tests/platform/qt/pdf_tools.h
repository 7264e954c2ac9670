// Reading back what was printed: the command-line PDF tools, run on a page file.
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// What the program wrote to its standard output; empty when it did not finish.
inline QString Output(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(30000)) return {};
  return QString::fromLocal8Bit(process.readAllStandardOutput());
}

// The text of the PDF's pages, laid out as printed.
inline QString PdfText(const QString& file, const QStringList& options = {}) {
  return Output(QStringLiteral("pdftotext"),
                QStringList{QStringLiteral("-layout")} + options + QStringList{file, QStringLiteral("-")});
}
