#pragma once
// Lets Qt Test print the standard strings and string lists that the fakes
// record, when a comparison of them fails; reads written PDF files.
#include <QtTest>
#include <string>
#include <utility>
#include <vector>

namespace QTest {

template <>
inline char* toString(const std::string& text) {
  return qstrdup(text.c_str());
}

template <>
inline char* toString(const std::vector<std::string>& lines) {
  std::string joined = "{";
  for (const std::string& line : lines) joined += (joined.size() > 1 ? "\", \"" : "\"") + line;
  return qstrdup((joined + (lines.empty() ? "}" : "\"}")).c_str());
}

}  // namespace QTest

namespace marigold {

// The words of a PDF file as pdftotext reads them, and its page count.
inline std::pair<QString, int> PdfWords(const std::string& pdf) {
  QProcess text;
  text.start("pdftotext", {QString::fromStdString(pdf), "-"});
  text.waitForFinished();
  const QString words = QString::fromUtf8(text.readAllStandardOutput());
  return {words, static_cast<int>(words.count(QChar('\f')))};
}

}  // namespace marigold
